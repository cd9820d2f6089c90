#include "app/toolmodel.h"
#include "html/entities.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

struct BandRow {
    QString name;
    QString title;
    BandKind kind;
    QStringList tools;
};

// Every band of the built-in layout with its tools in order (the item
// families of the Special Character and Colour menus are checked apart).
const QList<BandRow> &ExpectedBands()
{
    static const QList<BandRow> rows{
        BandRow{u"mnuMain"_s, u"Main Menu"_s, BandKind::MenuBar,
                {u"mnuMainFile"_s, u"mnuMainEdit"_s, u"mnuMainInsert"_s, u"mnuMainFormat"_s, u"mnuMainOptions"_s,
                 u"mnuMainWindow"_s, u"mnuMainHelp"_s}},
        BandRow{u"mnuFile"_s, u"File Menu"_s, BandKind::PopUp,
                {u"mnuFileNew"_s, u"mnuFileNewWithWizard"_s, u"mnuFileOpen"_s, u"mnuFileClose"_s,
                 u"mnuFileCloseAll"_s, u"mnuFileSave"_s, u"mnuFilesaveAs"_s, u"mnuFileSaveAll"_s, u"mnuFileView"_s,
                 u"mnuFilePrint"_s, u"mnuFileEditTemplate"_s, u"mnuFileExit"_s}},
        BandRow{u"tbarStandard"_s, u"Standard"_s, BandKind::ToolBar,
                {u"mnuFileWebPageWizard"_s, u"mnuFileNew"_s, u"mnuFileOpen"_s, u"mnuFileSave"_s, u"mnuEditCut"_s,
                 u"mnuEditCopy"_s, u"mnuEditPaste"_s, u"mnuFormatBold"_s, u"mnuFormatItalic"_s,
                 u"mnuPositionCentre"_s, u"mnuFormatList"_s, u"mnuPositionDecIndent"_s, u"mnuPositionIncIndent"_s,
                 u"mnuBreakLineBreak"_s, u"mnuBreakParaBreak"_s, u"mnuFileView"_s, u"mnuHelpContents"_s}},
        BandRow{u"mnuEdit"_s, u"Edit Menu"_s, BandKind::PopUp,
                {u"mnuEditUndo"_s, u"mnuEditCut"_s, u"mnuEditCopy"_s, u"mnuEditPaste"_s, u"mnuEditDelete"_s,
                 u"mnuEditSelectAll"_s, u"mnuEditFind"_s, u"mnuEditFindNext"_s, u"mnuEditReplace"_s,
                 u"mnuEditLowerCasePaths"_s}},
        BandRow{u"mnuWindow"_s, u"Window Menu"_s, BandKind::PopUp,
                {u"mnuWindowTileHoriz"_s, u"mnuWindowTileVert"_s, u"mnuWindowCascade"_s, u"mnuWindowArrange"_s,
                 u"mnuWindowMinimizeAll"_s}},
        BandRow{u"mnuInsert"_s, u"Insert Menu"_s, BandKind::PopUp,
                {u"mnuInsertBreak"_s, u"mnuInsertEmailLink"_s, u"mnuInsertEmbImage"_s, u"mnuInsertHorRule"_s,
                 u"mnuInsertPageSound"_s, u"mnuInsertPageStructure"_s, u"mnuInsertPageTextSize"_s,
                 u"mnuInsertTimerAutoLoad"_s, u"mnuInsertDateTime"_s, u"mnuInsertJavaScript"_s, u"mnuInsertMeta"_s,
                 u"mnuInsertPreForm"_s, u"mnuInsertSpecialChar"_s, u"mnuInsertUserInfo"_s, u"mniInsertFile"_s}},
        BandRow{u"mnuFormat"_s, u"Format Menu"_s, BandKind::PopUp,
                {u"mnuFormatAppearance"_s, u"mnuFormatCase"_s, u"mnuFormatColour"_s, u"mnuFormatEffects"_s,
                 u"mnuFormatHeading"_s, u"mnuFormatPosition"_s, u"mnuFormatStyle"_s, u"mnuInsertAnchor"_s,
                 u"mnuInsertComment"_s, u"mnuFormatFrames"_s, u"mnuFormatLink"_s, u"mnuFormatList"_s,
                 u"mnuPageStructureTitle"_s, u"mnuFormatTable"_s, u"mnuFormatRemoveAll"_s}},
        BandRow{u"mnuHelp"_s, u"Help Menu"_s, BandKind::PopUp,
                {u"mnuHelpContents"_s, u"mnuHelpSearch"_s, u"mnuHelpRefGuide"_s, u"mnuHelpAbout"_s}},
        BandRow{u"mnuOptions"_s, u"Options Menu"_s, BandKind::PopUp,
                {u"mnuOptionsSmartUpdates"_s, u"mnuOptionsTemplates"_s, u"mnuOptionsTooltips"_s,
                 u"mnuOptionsWebPageWizard"_s, u"mnuOptionsWordWrap"_s, u"mnuOptionsRefresh"_s,
                 u"mnuOptionsPreferences"_s}},
        BandRow{u"mnuView"_s, u"View Menu"_s, BandKind::PopUp,
                {u"mnuBrowserDefault"_s, u"mnuViewDefault"_s, u"mnuBrowser1"_s, u"mnuBrowser2"_s, u"mnuBrowser3"_s,
                 u"mnuBrowser4"_s, u"mnuBrowser5"_s, u"mnuBrowser6"_s, u"mnuBrowser7"_s, u"mnuViewDefine"_s}},
        BandRow{u"mnuReferenceGuide"_s, u"Reference Guide Menu"_s, BandKind::PopUp,
                {u"mnuRefGuideSystem1"_s, u"mnuRefGuideSystem2"_s, u"mnuRefGuideSystem3"_s, u"mnuRefGuideUser1"_s,
                 u"mnuRefGuideUser2"_s, u"mnuRefGuideUser3"_s, u"mnuRefGuideUser4"_s, u"mnuRefGuideUser5"_s,
                 u"mnuRefGuideUser6"_s, u"mnuRefGuideUser7"_s, u"mnuRefGuideDefine"_s}},
        BandRow{u"tbarWebPage"_s, u"Web Page"_s, BandKind::ToolBar,
                {u"mnuFormatAppearance"_s, u"mnuFormatTable"_s, u"mnuFormatLink"_s, u"mnuInsertEmailLink"_s,
                 u"mnuInsertEmbImage"_s, u"mnuInsertHorRule"_s, u"mnuInsertPageStructure"_s,
                 u"mnuInsertTimerAutoLoad"_s, u"mnuPageStructureTitle"_s, u"mnuPageStructureBody"_s,
                 u"mnuInsertPageSound"_s, u"mnuInsertPageTextSize"_s, u"mnuInsertAnchor"_s, u"mnuInsertComment"_s,
                 u"mnuFormatRemoveAll"_s}},
        BandRow{u"mnuBreak"_s, u"Break Menu"_s, BandKind::PopUp,
                {u"mnuBreakLineBreak"_s, u"mnuBreakParaBreak"_s, u"mnuBreakNoBreak"_s, u"mnuBreakWordBreak"_s}},
        BandRow{u"mnuMeta"_s, u"Meta Menu"_s, BandKind::PopUp,
                {u"mnuMetaAuthor"_s, u"mnuMetaContentType"_s, u"mnuMetaDescription"_s, u"mnuMetaGenerator"_s,
                 u"mnuMetaKeywords"_s, u"mnuMetaRefresh"_s}},
        BandRow{u"mnuPageStructure"_s, u"Page Structure Menu"_s, BandKind::PopUp,
                {u"mnuPageStructureHTML"_s, u"mnuPageStructureHead"_s, u"mnuPageStructureTitle"_s,
                 u"mnuPageStructureHeadEnd"_s, u"mnuPageStructureBody"_s, u"mnuPageStructureBodyEnd"_s,
                 u"mnuPageStructureHTMLEnd"_s, u"mnuPageStructureCheck"_s}},
        BandRow{u"mnuList"_s, u"List Menu"_s, BandKind::PopUp,
                {u"mnuListDefinitionList"_s, u"mnuListDefListDesc"_s, u"mnuListDefListTerm"_s,
                 u"mnuListDirectoryList"_s, u"mnuListMenuList"_s, u"mnuListOrderedList"_s, u"mnuListUnorderedList"_s,
                 u"mnuListItem"_s}},
        BandRow{u"mnuListOrdered"_s, u"Ordered List Menu"_s, BandKind::PopUp,
                {u"mnuOrderedNumb"_s, u"mnuOrderedLLetters"_s, u"mnuOrderedULetters"_s, u"mnuOrderedLRoman"_s,
                 u"mnuOrderedURoman"_s}},
        BandRow{u"mnuCase"_s, u"Case Menu"_s, BandKind::PopUp,
                {u"mnuCaseLower"_s, u"mnuCaseTitle"_s, u"mnuCaseUpper"_s}},
        BandRow{u"mnuStyle"_s, u"Style Menu"_s, BandKind::PopUp,
                {u"mnuStyleAddress"_s, u"mnuStyleBig"_s, u"mnuStyleBlinking"_s, u"mnuStyleBlockquote"_s,
                 u"mnuFormatBold"_s, u"mnuStyleCitation"_s, u"mnuStyleCode"_s, u"mnuStyleEmphasised"_s,
                 u"mnuFormatItalic"_s, u"mnuStyleKeyboard"_s, u"mnuStylePreformatted"_s, u"mnuStyleSample"_s,
                 u"mnuStyleSmall"_s, u"mnuStyleStrikeout"_s, u"mnuStyleStrong"_s, u"mnuStyleSubscript"_s,
                 u"mnuStyleSuperscript"_s, u"mnuStyleTypewriter"_s, u"mnuStyleUnderlined"_s, u"mnuStyleVariable"_s}},
        BandRow{u"mnuEffects"_s, u"Effects Menu"_s, BandKind::PopUp, {u"mnuEffectsDropCap"_s}},
        BandRow{u"mnuHeading"_s, u"Heading Menu"_s, BandKind::PopUp,
                {u"mnuHeading1"_s, u"mnuHeading2"_s, u"mnuHeading3"_s, u"mnuHeading4"_s, u"mnuHeading5"_s,
                 u"mnuHeading6"_s}},
        BandRow{u"tbarHeadings"_s, u"Headings"_s, BandKind::ToolBar,
                {u"mnuHeading1"_s, u"mnuHeading2"_s, u"mnuHeading3"_s, u"mnuHeading4"_s, u"mnuHeading5"_s,
                 u"mnuHeading6"_s}},
        BandRow{u"mnuPosition"_s, u"Position Menu"_s, BandKind::PopUp,
                {u"mnuPositionAlignCentre"_s, u"mnuPositionAlignLeft"_s, u"mnuPositionAlignRight"_s,
                 u"mnuPositionCentre"_s, u"mnuPositionDecIndent"_s, u"mnuPositionIncIndent"_s}},
        BandRow{u"mnuDateTime"_s, u"Date/Time Menu"_s, BandKind::PopUp,
                {u"mnuDateTimeCurrentDate"_s, u"mnuDateTimeDateAndTime"_s, u"mnuDateTimeCurrentTime"_s,
                 u"mnuDateTimeSmartDate"_s, u"mnuDateTimeSmartTime"_s, u"mnuDateTimeSmartYear"_s}},
        BandRow{u"mnuJavaScript"_s, u"JavaScript Menu"_s, BandKind::PopUp,
                {u"mnuJavaScriptFunctionOutline"_s, u"mnuJavaScriptJavaScriptOutline"_s, u"mnuJavaScriptDateTime"_s,
                 u"mnuJavaScriptDialogMessage"_s, u"mnuJavaScriptScreenFade"_s, u"mnuJavaScriptScrollMess"_s,
                 u"mnuJavaScriptStatusClock"_s, u"mnuJavaScriptSystemInfo"_s}},
        BandRow{u"mnuPredefined"_s, u"Pre-Defined Menu"_s, BandKind::PopUp,
                {u"mnuPreFormEMail"_s, u"mnuPreLinkSearchEngine"_s, u"mnuPreLinkTavorin"_s}},
        BandRow{u"mnuUserInfo"_s, u"User Info Menu"_s, BandKind::PopUp,
                {u"mnuUserInfoCompanyName"_s, u"mnuUserInfoEmailAddress"_s, u"mnuUserInfoEmailLink"_s,
                 u"mnuUserInfoHomeAddress"_s, u"mnuUserInfoHomeLink"_s, u"mnuUserInfoUserName"_s}},
        BandRow{u"mnuPopUpEdit"_s, u"Context Menu"_s, BandKind::PopUp,
                {u"mnuEditUndo"_s, u"mnuEditCut"_s, u"mnuEditCopy"_s, u"mnuEditPaste"_s, u"mnuEditDelete"_s,
                 u"mnuEditSelectAll"_s, u"mnuFormatAppearance"_s, u"mnuEditFind"_s, u"mnuContextEdit"_s}},
        BandRow{u"mnuTable"_s, u"Table Menu"_s, BandKind::PopUp,
                {u"mnuTableQuick"_s, u"mnuTableBlock"_s, u"mnuTableCaption"_s, u"mnuTableRow"_s, u"mnuTableHeader"_s,
                 u"mnuTableDataCell"_s, u"mnuTableAdvanced"_s}},
        BandRow{u"tbarTable"_s, u"Table"_s, BandKind::ToolBar,
                {u"mnuTableQuick"_s, u"mnuTableBlock"_s, u"mnuTableCaption"_s, u"mnuTableRow"_s, u"mnuTableHeader"_s,
                 u"mnuTableDataCell"_s, u"mnuTableAdvanced"_s}},
        BandRow{u"mnuFrames"_s, u"Frames Menu"_s, BandKind::PopUp,
                {u"mnuFramesWizard"_s, u"mnuFramesNoFrames"_s, u"mnuFramesAdvanced"_s}},
        BandRow{u"tbarFrames"_s, u"Frames"_s, BandKind::ToolBar,
                {u"mnuFramesWizard"_s, u"mnuFramesNoFrames"_s, u"mnuFramesAdvanced"_s}},
        BandRow{u"mnuWizard"_s, u"Wizard Menu"_s, BandKind::PopUp, {u"mnuFramesWizard"_s, u"mnuFileWebPageWizard"_s}},
    };
    return rows;
}

// The command text of every tool of the bands above.
const QList<std::pair<QString, QString>> &ExpectedCommands()
{
    static const QList<std::pair<QString, QString>> commands{
        {u"mnuMainFile"_s, u"File"_s},
        {u"mnuMainEdit"_s, u"Edit"_s},
        {u"mnuMainInsert"_s, u"Insert"_s},
        {u"mnuMainFormat"_s, u"Format"_s},
        {u"mnuMainOptions"_s, u"Options"_s},
        {u"mnuMainWindow"_s, u"Window"_s},
        {u"mnuMainHelp"_s, u"Help"_s},
        {u"mnuFileNew"_s, u"New"_s},
        {u"mnuFileNewWithWizard"_s, u"New With Wizard"_s},
        {u"mnuFileOpen"_s, u"Open"_s},
        {u"mnuFileClose"_s, u"Close"_s},
        {u"mnuFileCloseAll"_s, u"Close All"_s},
        {u"mnuFileSave"_s, u"Save"_s},
        {u"mnuFilesaveAs"_s, u"Save As..."_s},
        {u"mnuFileSaveAll"_s, u"Save All"_s},
        {u"mnuFileView"_s, u"View In Browser"_s},
        {u"mnuFilePrint"_s, u"Print"_s},
        {u"mnuFileEditTemplate"_s, u"Edit Template"_s},
        {u"mnuFileExit"_s, u"Exit"_s},
        {u"mnuFileWebPageWizard"_s, u"Web Page Wizard"_s},
        {u"mnuEditCut"_s, u"Cut"_s},
        {u"mnuEditCopy"_s, u"Copy"_s},
        {u"mnuEditPaste"_s, u"Paste"_s},
        {u"mnuFormatBold"_s, u"Bold"_s},
        {u"mnuFormatItalic"_s, u"Italic"_s},
        {u"mnuPositionCentre"_s, u"Centre"_s},
        {u"mnuFormatList"_s, u"List"_s},
        {u"mnuPositionDecIndent"_s, u"Decrease Indent"_s},
        {u"mnuPositionIncIndent"_s, u"Increase Indent"_s},
        {u"mnuBreakLineBreak"_s, u"Line Break"_s},
        {u"mnuBreakParaBreak"_s, u"Paragraph"_s},
        {u"mnuHelpContents"_s, u"Help"_s},
        {u"mnuEditUndo"_s, u"Undo"_s},
        {u"mnuEditDelete"_s, u"Delete"_s},
        {u"mnuEditSelectAll"_s, u"Select All"_s},
        {u"mnuEditFind"_s, u"Find..."_s},
        {u"mnuEditFindNext"_s, u"Find Next"_s},
        {u"mnuEditReplace"_s, u"Replace..."_s},
        {u"mnuEditLowerCasePaths"_s, u"Lower Case Paths"_s},
        {u"mnuWindowTileHoriz"_s, u"Tile Horizontally"_s},
        {u"mnuWindowTileVert"_s, u"Tile Vertically"_s},
        {u"mnuWindowCascade"_s, u"Cascade"_s},
        {u"mnuWindowArrange"_s, u"Arrange Icons"_s},
        {u"mnuWindowMinimizeAll"_s, u"Minimize All"_s},
        {u"mnuInsertBreak"_s, u"Break"_s},
        {u"mnuInsertEmailLink"_s, u"E-Mail Link"_s},
        {u"mnuInsertEmbImage"_s, u"Embedded Image"_s},
        {u"mnuInsertHorRule"_s, u"Horizontal Rule"_s},
        {u"mnuInsertPageSound"_s, u"Page Sound"_s},
        {u"mnuInsertPageStructure"_s, u"Page Structure"_s},
        {u"mnuInsertPageTextSize"_s, u"Page Text Size"_s},
        {u"mnuInsertTimerAutoLoad"_s, u"Timer Auto-Load"_s},
        {u"mnuInsertDateTime"_s, u"Date/Time"_s},
        {u"mnuInsertJavaScript"_s, u"JavaScript"_s},
        {u"mnuInsertMeta"_s, u"Meta"_s},
        {u"mnuInsertPreForm"_s, u"P&re-Defined..."_s},
        {u"mnuInsertSpecialChar"_s, u"Special Character"_s},
        {u"mnuInsertUserInfo"_s, u"User Info"_s},
        {u"mniInsertFile"_s, u"Insert File"_s},
        {u"mnuFormatAppearance"_s, u"Text Appearance"_s},
        {u"mnuFormatCase"_s, u"Text Case"_s},
        {u"mnuFormatColour"_s, u"Colour"_s},
        {u"mnuFormatEffects"_s, u"Effects"_s},
        {u"mnuFormatHeading"_s, u"Heading"_s},
        {u"mnuFormatPosition"_s, u"Position"_s},
        {u"mnuFormatStyle"_s, u"Style"_s},
        {u"mnuInsertAnchor"_s, u"Anchor"_s},
        {u"mnuInsertComment"_s, u"Comment"_s},
        {u"mnuFormatFrames"_s, u"Frames"_s},
        {u"mnuFormatLink"_s, u"Link"_s},
        {u"mnuPageStructureTitle"_s, u"Page Title"_s},
        {u"mnuFormatTable"_s, u"Table"_s},
        {u"mnuFormatRemoveAll"_s, u"Remove All Tags"_s},
        {u"mnuHelpSearch"_s, u"Search For Help On..."_s},
        {u"mnuHelpRefGuide"_s, u"Reference Guide"_s},
        {u"mnuHelpAbout"_s, u"About Tavorin"_s},
        {u"mnuOptionsSmartUpdates"_s, u"Smart Updates"_s},
        {u"mnuOptionsTemplates"_s, u"Templates"_s},
        {u"mnuOptionsTooltips"_s, u"Tooltips"_s},
        {u"mnuOptionsWebPageWizard"_s, u"Wizard At Start-Up"_s},
        {u"mnuOptionsWordWrap"_s, u"Word Wrap"_s},
        {u"mnuOptionsRefresh"_s, u"Refresh Display"_s},
        {u"mnuOptionsPreferences"_s, u"Preferences"_s},
        {u"mnuBrowserDefault"_s, u"View In Default Browser"_s},
        {u"mnuViewDefault"_s, u"View In Browser"_s},
        {u"mnuBrowser1"_s, u"View In Browser"_s},
        {u"mnuBrowser2"_s, u"View In Browser"_s},
        {u"mnuBrowser3"_s, u"View In Browser"_s},
        {u"mnuBrowser4"_s, u"View In Browser"_s},
        {u"mnuBrowser5"_s, u"View In Browser"_s},
        {u"mnuBrowser6"_s, u"View In Browser"_s},
        {u"mnuBrowser7"_s, u"View In Browser"_s},
        {u"mnuViewDefine"_s, u"Define/Modify Browser Settings"_s},
        {u"mnuRefGuideSystem1"_s, u"SystemRefGuide1"_s},
        {u"mnuRefGuideSystem2"_s, u"SystemRefGuide2"_s},
        {u"mnuRefGuideSystem3"_s, u"SystemRefGuide3"_s},
        {u"mnuRefGuideUser1"_s, u"UserRefGuide1"_s},
        {u"mnuRefGuideUser2"_s, u"UserRefGuide2"_s},
        {u"mnuRefGuideUser3"_s, u"UserRefGuide3"_s},
        {u"mnuRefGuideUser4"_s, u"UserRefGuide4"_s},
        {u"mnuRefGuideUser5"_s, u"UserRefGuide5"_s},
        {u"mnuRefGuideUser6"_s, u"UserRefGuide6"_s},
        {u"mnuRefGuideUser7"_s, u"UserRefGuide7"_s},
        {u"mnuRefGuideDefine"_s, u"Define/Modify Reference Settings"_s},
        {u"mnuPageStructureBody"_s, u"Page Colours & Background"_s},
        {u"mnuBreakNoBreak"_s, u"No Break"_s},
        {u"mnuBreakWordBreak"_s, u"Word Break"_s},
        {u"mnuMetaAuthor"_s, u"Meta Author"_s},
        {u"mnuMetaContentType"_s, u"Meta Content-Type"_s},
        {u"mnuMetaDescription"_s, u"Meta Description"_s},
        {u"mnuMetaGenerator"_s, u"Meta Generator"_s},
        {u"mnuMetaKeywords"_s, u"Meta Keywords"_s},
        {u"mnuMetaRefresh"_s, u"Meta Refresh"_s},
        {u"mnuPageStructureHTML"_s, u"HTML Start Tag"_s},
        {u"mnuPageStructureHead"_s, u"Head Start Tag"_s},
        {u"mnuPageStructureHeadEnd"_s, u"Head End Tag"_s},
        {u"mnuPageStructureBodyEnd"_s, u"Body End Tag"_s},
        {u"mnuPageStructureHTMLEnd"_s, u"HTML End Tag"_s},
        {u"mnuPageStructureCheck"_s, u"Check For Missing Tags"_s},
        {u"mnuListDefinitionList"_s, u"Definition List"_s},
        {u"mnuListDefListDesc"_s, u"Definition List Desc"_s},
        {u"mnuListDefListTerm"_s, u"Definition List Term"_s},
        {u"mnuListDirectoryList"_s, u"Directory List"_s},
        {u"mnuListMenuList"_s, u"Menu List"_s},
        {u"mnuListOrderedList"_s, u"Ordered List"_s},
        {u"mnuListUnorderedList"_s, u"Unordered List"_s},
        {u"mnuListItem"_s, u"List Item"_s},
        {u"mnuOrderedNumb"_s, u"Ordered List (1,2,3...)"_s},
        {u"mnuOrderedLLetters"_s, u"Ordered List (a,b,c...)"_s},
        {u"mnuOrderedULetters"_s, u"Ordered List (A,B,C...)"_s},
        {u"mnuOrderedLRoman"_s, u"Ordered List (i,ii,iii...)"_s},
        {u"mnuOrderedURoman"_s, u"Ordered List (I,II,III...)"_s},
        {u"mnuCaseLower"_s, u"Lower Case"_s},
        {u"mnuCaseTitle"_s, u"Title Case"_s},
        {u"mnuCaseUpper"_s, u"Upper Case"_s},
        {u"mnuStyleAddress"_s, u"Address"_s},
        {u"mnuStyleBig"_s, u"Big"_s},
        {u"mnuStyleBlinking"_s, u"Blinking"_s},
        {u"mnuStyleBlockquote"_s, u"Blockquote"_s},
        {u"mnuStyleCitation"_s, u"Citation"_s},
        {u"mnuStyleCode"_s, u"Code"_s},
        {u"mnuStyleEmphasised"_s, u"Emphasised"_s},
        {u"mnuStyleKeyboard"_s, u"Keyboard"_s},
        {u"mnuStylePreformatted"_s, u"Preformatted"_s},
        {u"mnuStyleSample"_s, u"Sample"_s},
        {u"mnuStyleSmall"_s, u"Small"_s},
        {u"mnuStyleStrikeout"_s, u"Strikeout"_s},
        {u"mnuStyleStrong"_s, u"Strong"_s},
        {u"mnuStyleSubscript"_s, u"Subscript"_s},
        {u"mnuStyleSuperscript"_s, u"Superscript"_s},
        {u"mnuStyleTypewriter"_s, u"Typewriter"_s},
        {u"mnuStyleUnderlined"_s, u"UnderLined"_s},
        {u"mnuStyleVariable"_s, u"Variable"_s},
        {u"mnuEffectsDropCap"_s, u"Drop Cap"_s},
        {u"mnuHeading1"_s, u"Heading 1"_s},
        {u"mnuHeading2"_s, u"Heading 2"_s},
        {u"mnuHeading3"_s, u"Heading 3"_s},
        {u"mnuHeading4"_s, u"Heading 4"_s},
        {u"mnuHeading5"_s, u"Heading 5"_s},
        {u"mnuHeading6"_s, u"Heading 6"_s},
        {u"mnuPositionAlignCentre"_s, u"Align Centre"_s},
        {u"mnuPositionAlignLeft"_s, u"Align Left"_s},
        {u"mnuPositionAlignRight"_s, u"Align Right"_s},
        {u"mnuDateTimeCurrentDate"_s, u"Current Date"_s},
        {u"mnuDateTimeDateAndTime"_s, u"Current Date & Time"_s},
        {u"mnuDateTimeCurrentTime"_s, u"Current Time"_s},
        {u"mnuDateTimeSmartDate"_s, u"Smart Date"_s},
        {u"mnuDateTimeSmartTime"_s, u"Smart Time"_s},
        {u"mnuDateTimeSmartYear"_s, u"Smart Year"_s},
        {u"mnuJavaScriptFunctionOutline"_s, u"JavaScript Function Outline"_s},
        {u"mnuJavaScriptJavaScriptOutline"_s, u"JavaScript Outline"_s},
        {u"mnuJavaScriptDateTime"_s, u"Date & Time JavaScript"_s},
        {u"mnuJavaScriptDialogMessage"_s, u"Dialog Message JavaScript"_s},
        {u"mnuJavaScriptScreenFade"_s, u"Screen Fade JavaScript"_s},
        {u"mnuJavaScriptScrollMess"_s, u"Scrolling Message JavaScript"_s},
        {u"mnuJavaScriptStatusClock"_s, u"Status Bar Clock JavaScript"_s},
        {u"mnuJavaScriptSystemInfo"_s, u"System Info JavaScript"_s},
        {u"mnuPreFormEMail"_s, u"E-Mail Form"_s},
        {u"mnuPreLinkSearchEngine"_s, u"Search Engine Links"_s},
        {u"mnuPreLinkTavorin"_s, u"Tavorin Link"_s},
        {u"mnuUserInfoCompanyName"_s, u"Company Name"_s},
        {u"mnuUserInfoEmailAddress"_s, u"User E-Mail Address"_s},
        {u"mnuUserInfoEmailLink"_s, u"User E-Mail Link"_s},
        {u"mnuUserInfoHomeAddress"_s, u"Home Page Address"_s},
        {u"mnuUserInfoHomeLink"_s, u"Home Page Link"_s},
        {u"mnuUserInfoUserName"_s, u"User Name"_s},
        {u"mnuContextEdit"_s, u"Edit Tags"_s},
        {u"mnuTableQuick"_s, u"Quick Table"_s},
        {u"mnuTableBlock"_s, u"Table Block"_s},
        {u"mnuTableCaption"_s, u"Table Caption"_s},
        {u"mnuTableRow"_s, u"Table Row"_s},
        {u"mnuTableHeader"_s, u"Table Header Cell"_s},
        {u"mnuTableDataCell"_s, u"Table Data Cell"_s},
        {u"mnuTableAdvanced"_s, u"Advanced Table"_s},
        {u"mnuFramesWizard"_s, u"Frames Wizard"_s},
        {u"mnuFramesNoFrames"_s, u"No Frames"_s},
        {u"mnuFramesAdvanced"_s, u"Advanced Frames"_s},
    };
    return commands;
}

// The sub-menu each opener leads to.
const QList<std::pair<QString, QString>> &ExpectedSubBands()
{
    static const QList<std::pair<QString, QString>> subBands{
        {u"mnuMainFile"_s, u"mnuFile"_s},
        {u"mnuMainEdit"_s, u"mnuEdit"_s},
        {u"mnuMainInsert"_s, u"mnuInsert"_s},
        {u"mnuMainFormat"_s, u"mnuFormat"_s},
        {u"mnuMainOptions"_s, u"mnuOptions"_s},
        {u"mnuMainWindow"_s, u"mnuWindow"_s},
        {u"mnuMainHelp"_s, u"mnuHelp"_s},
        {u"mnuFileNewWithWizard"_s, u"mnuWizard"_s},
        {u"mnuFileView"_s, u"mnuView"_s},
        {u"mnuFormatList"_s, u"mnuList"_s},
        {u"mnuInsertBreak"_s, u"mnuBreak"_s},
        {u"mnuInsertPageStructure"_s, u"mnuPageStructure"_s},
        {u"mnuInsertDateTime"_s, u"mnuDateTime"_s},
        {u"mnuInsertJavaScript"_s, u"mnuJavaScript"_s},
        {u"mnuInsertMeta"_s, u"mnuMeta"_s},
        {u"mnuInsertPreForm"_s, u"mnuPredefined"_s},
        {u"mnuInsertSpecialChar"_s, u"mnuSpecialChar"_s},
        {u"mnuInsertUserInfo"_s, u"mnuUserInfo"_s},
        {u"mnuFormatCase"_s, u"mnuCase"_s},
        {u"mnuFormatColour"_s, u"mnuColour"_s},
        {u"mnuFormatEffects"_s, u"mnuEffects"_s},
        {u"mnuFormatHeading"_s, u"mnuHeading"_s},
        {u"mnuFormatPosition"_s, u"mnuPosition"_s},
        {u"mnuFormatStyle"_s, u"mnuStyle"_s},
        {u"mnuFormatFrames"_s, u"mnuFrames"_s},
        {u"mnuFormatTable"_s, u"mnuTable"_s},
        {u"mnuHelpRefGuide"_s, u"mnuReferenceGuide"_s},
        {u"mnuListOrderedList"_s, u"mnuListOrdered"_s},
        {u"mnuMainFile"_s, u"mnuFile"_s},
        {u"mnuMainEdit"_s, u"mnuEdit"_s},
        {u"mnuMainInsert"_s, u"mnuInsert"_s},
        {u"mnuMainFormat"_s, u"mnuFormat"_s},
        {u"mnuMainOptions"_s, u"mnuOptions"_s},
        {u"mnuMainWindow"_s, u"mnuWindow"_s},
        {u"mnuMainHelp"_s, u"mnuHelp"_s},
    };
    return subBands;
}

QStringList NamesOf(const QList<const Tool *> &tools)
{
    QStringList names;
    for (const Tool *tool : tools)
        names.append(tool->name);
    return names;
}

QStringList CaptionsOf(const QList<const Tool *> &tools)
{
    QStringList captions;
    for (const Tool *tool : tools)
        captions.append(tool->caption);
    return captions;
}

QStringList Numbered(const QString &prefix, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

} // namespace

class ToolModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyBandListsItsToolsInOrder_data()
    {
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("tools");
        for (const BandRow &row : ExpectedBands())
            QTest::newRow(qPrintable(row.name)) << row.name << row.title << int(row.kind) << row.tools;
    }
    void everyBandListsItsToolsInOrder()
    {
        QFETCH(QString, band);
        QFETCH(QString, title);
        QFETCH(int, kind);
        QFETCH(QStringList, tools);
        const ToolModel model(BuiltInLayout());
        const Band *found = model.FindBand(band);
        QVERIFY(found);
        QCOMPARE(found->title, title);
        QCOMPARE(int(found->kind), kind);
        QCOMPARE(NamesOf(model.ToolsOfBand(band)), tools);
    }

    void builtInLayoutHasNoOtherBands()
    {
        QStringList expected{u"mnuSpecialChar"_s, u"mnuColour"_s};
        for (const BandRow &row : ExpectedBands())
            expected.append(row.name);
        QStringList actual = ToolModel(BuiltInLayout()).BandNames();
        expected.sort();
        actual.sort();
        QCOMPARE(actual, expected);
        QCOMPARE(LayoutProblem(BuiltInLayout()), QString());
    }

    void commandTextsAreExact_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("command");
        for (const auto &[tool, command] : ExpectedCommands())
            QTest::newRow(qPrintable(tool)) << tool << command;
    }
    void commandTextsAreExact()
    {
        QFETCH(QString, tool);
        QFETCH(QString, command);
        const ToolModel model(BuiltInLayout());
        QVERIFY(model.FindTool(tool));
        QCOMPARE(model.FindTool(tool)->commandText, command);
    }

    void subMenusOpenTheRightBand()
    {
        const ToolModel model(BuiltInLayout());
        QSet<QString> openers;
        for (const auto &[tool, band] : ExpectedSubBands()) {
            QVERIFY2(model.FindTool(tool), qPrintable(tool));
            QCOMPARE(model.FindTool(tool)->subBand, band);
            openers.insert(tool);
        }
        for (const Tool &tool : model.layout().tools)
            QVERIFY2(tool.subBand.isEmpty() || openers.contains(tool.name), qPrintable(tool.name));
    }

    void specialCharacterMenuFollowsTheEntityTable()
    {
        const ToolModel model(BuiltInLayout());
        const QList<const Tool *> tools = model.ToolsOfBand(u"mnuSpecialChar"_s);
        QStringList commands;
        for (const Tool *tool : tools) {
            QCOMPARE(tool->name, u"mnuSpecialCharItem"_s);
            QCOMPARE(tool->documentCode, 0);
            commands.append(tool->commandText);
        }
        QStringList expected;
        for (const CharacterEntity &entity : CharacterEntities())
            expected.append(entity.name);
        expected.append(u"ASCII Character"_s);
        QCOMPARE(commands, expected);
        QVERIFY(commands.contains(u"Greater Than"_s));
    }

    void colourMenuHasTheSixteenColours()
    {
        const ToolModel model(BuiltInLayout());
        const QList<const Tool *> tools = model.ToolsOfBand(u"mnuColour"_s);
        QStringList commands;
        for (const Tool *tool : tools) {
            QCOMPARE(tool->name, u"mnuColourItem"_s);
            QCOMPARE(tool->description, u"Formats the selection with this colour"_s);
            commands.append(tool->commandText);
        }
        QCOMPARE(commands, (QStringList{u"Aqua"_s, u"Black"_s, u"Blue"_s, u"Fuchsia"_s, u"Gray"_s, u"Green"_s,
                                        u"Lime"_s, u"Maroon"_s, u"Navy"_s, u"Olive"_s, u"Purple"_s, u"Red"_s,
                                        u"Silver"_s, u"Teal"_s, u"White"_s, u"Yellow"_s}));
        QCOMPARE(model.ToolsNamed(u"mnuColourItem"_s).size(), 16);
    }

    void quotedTextsAreExact_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("description");
        QTest::newRow("new") << u"mnuFileNew"_s << u"&New"_s << u"Creates a new HTML document"_s;
        QTest::newRow("link") << u"mnuFormatLink"_s << u"&Link..."_s
                              << u"Formats the selection as a link to a file, an anchor, an Intranet or the Internet"_s;
        QTest::newRow("context edit") << u"mnuContextEdit"_s << u"&Edit Selected Tags..."_s
                                      << u"Opens the appropriate form for editing the selected tags"_s;
        QTest::newRow("pre-defined") << u"mnuInsertPreForm"_s << u"P&re-Defined..."_s
                                     << u"Inserts a ready-made form or links"_s;
        QTest::newRow("recent") << u"mnuFileRecent4"_s << u"&4 "_s << u"Open this document"_s;
    }
    void quotedTextsAreExact()
    {
        QFETCH(QString, tool);
        QFETCH(QString, caption);
        QFETCH(QString, description);
        const ToolModel model(BuiltInLayout());
        QVERIFY(model.FindTool(tool));
        QCOMPARE(model.FindTool(tool)->caption, caption);
        QCOMPARE(model.FindTool(tool)->description, description);
    }

    void everyToolIsDescribedAndCategorised()
    {
        const ToolModel model(BuiltInLayout());
        const QSet<QString> categories{u"File"_s,    u"Edit"_s,    u"Insert"_s, u"Format"_s,
                                       u"Window"_s,  u"Options"_s, u"Help"_s,   u"Built-In Menus"_s};
        for (const Tool &tool : model.layout().tools) {
            QVERIFY2(categories.contains(tool.category), qPrintable(tool.key));
            QVERIFY2(!PlainCaption(tool.caption).isEmpty(), qPrintable(tool.key));
            // Reference guides get their location as description once defined.
            if (!tool.name.startsWith(u"mnuRefGuideSystem") && !tool.name.startsWith(u"mnuRefGuideUser"))
                QVERIFY2(!tool.description.isEmpty(), qPrintable(tool.key));
        }
    }

    void toolsOutsideBandsAreTheRecentFiles()
    {
        const ToolModel model(BuiltInLayout());
        QStringList outside;
        for (const Tool &tool : model.layout().tools) {
            if (model.BandsHolding(tool.key).isEmpty())
                outside.append(tool.name);
        }
        QCOMPARE(outside, Numbered(u"mnuFileRecent"_s, 1, 9));
    }

    void accessKeysAreUniqueInEveryMenu()
    {
        const ToolModel model(BuiltInLayout());
        for (const Band &band : model.layout().bands) {
            if (band.kind == BandKind::ToolBar)
                continue;
            QHash<QChar, QString> seen;
            for (const Tool *tool : model.ToolsOfBand(band.name)) {
                const QChar key = AccessKeyOf(tool->caption);
                if (key.isNull())
                    continue;
                QVERIFY2(!seen.contains(key), qPrintable(band.name + u": "_s + seen.value(key) + u" and "_s
                                                         + tool->caption));
                seen.insert(key, tool->caption);
            }
        }
    }

    void captionTexts_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("key");
        QTest::newRow("leading") << u"&New"_s << u"New"_s << u"n"_s;
        QTest::newRow("inner") << u"P&re-Defined..."_s << u"Pre-Defined..."_s << u"r"_s;
        QTest::newRow("literal ampersand first")
            << u"Page &Colours && Background..."_s << u"Page Colours & Background..."_s << u"c"_s;
        QTest::newRow("literal only") << u"A && B"_s << u"A & B"_s << QString();
        QTest::newRow("none") << u"Browser 1"_s << u"Browser 1"_s << QString();
        QTest::newRow("trailing ampersand") << u"Odd&"_s << u"Odd"_s << QString();
    }
    void captionTexts()
    {
        QFETCH(QString, caption);
        QFETCH(QString, plain);
        QFETCH(QString, key);
        QCOMPARE(PlainCaption(caption), plain);
        const QChar found = AccessKeyOf(caption);
        QCOMPARE(found.isNull() ? QString() : QString(found), key);
        QCOMPARE(PlainCaption(EscapeAmpersands(plain)), plain);
    }

    void documentCodes_data()
    {
        QTest::addColumn<QStringList>("tools");
        QTest::addColumn<int>("code");
        QTest::newRow("edit tools 2") << QStringList{u"mnuEditCut"_s,       u"mnuEditCopy"_s,    u"mnuEditPaste"_s,
                                                     u"mnuEditUndo"_s,      u"mnuEditDelete"_s,  u"mnuEditSelectAll"_s,
                                                     u"mnuEditFind"_s,      u"mnuEditFindNext"_s, u"mnuEditReplace"_s,
                                                     u"mnuEditLowerCasePaths"_s}
                                      << 2;
        QTest::newRow("menu titles 1") << QStringList{u"mnuMainFile"_s,    u"mnuMainEdit"_s,   u"mnuMainInsert"_s,
                                                      u"mnuMainFormat"_s,  u"mnuMainOptions"_s, u"mnuMainWindow"_s,
                                                      u"mnuMainHelp"_s}
                                       << 1;
        QTest::newRow("openers 1") << QStringList{u"mnuInsertBreak"_s,     u"mnuInsertPageStructure"_s,
                                                  u"mnuInsertDateTime"_s,  u"mnuInsertJavaScript"_s,
                                                  u"mnuInsertMeta"_s,      u"mnuInsertPreForm"_s,
                                                  u"mnuInsertSpecialChar"_s, u"mnuInsertUserInfo"_s,
                                                  u"mnuFormatCase"_s,      u"mnuFormatColour"_s,
                                                  u"mnuFormatEffects"_s,   u"mnuFormatHeading"_s,
                                                  u"mnuFormatPosition"_s,  u"mnuFormatStyle"_s,
                                                  u"mnuFormatFrames"_s,    u"mnuFormatTable"_s,
                                                  u"mnuFormatList"_s,      u"mnuListOrderedList"_s,
                                                  u"mnuHelpRefGuide"_s}
                                   << 1;
        QTest::newRow("no document needed 1")
            << QStringList{u"mnuFileNew"_s,           u"mnuFileNewWithWizard"_s,   u"mnuFileOpen"_s,
                           u"mnuFileEditTemplate"_s,  u"mnuFileExit"_s,            u"mnuFileWebPageWizard"_s,
                           u"mnuFramesWizard"_s,      u"mnuHelpContents"_s,        u"mnuHelpSearch"_s,
                           u"mnuHelpAbout"_s,         u"mnuOptionsSmartUpdates"_s, u"mnuOptionsTemplates"_s,
                           u"mnuOptionsTooltips"_s,   u"mnuOptionsWebPageWizard"_s, u"mnuOptionsWordWrap"_s,
                           u"mnuOptionsPreferences"_s}
            << 1;
        QTest::newRow("lists 1") << Numbered(u"mnuRefGuideSystem"_s, 1, 3) + Numbered(u"mnuRefGuideUser"_s, 1, 7)
                                        + Numbered(u"mnuFileRecent"_s, 1, 9)
                                 << 1;
        QTest::newRow("document tools 0")
            << QStringList{u"mnuFileClose"_s,       u"mnuFileCloseAll"_s,   u"mnuFileSave"_s,
                           u"mnuFilesaveAs"_s,      u"mnuFileSaveAll"_s,    u"mnuFileView"_s,
                           u"mnuFilePrint"_s,       u"mnuWindowTileHoriz"_s, u"mnuWindowMinimizeAll"_s,
                           u"mnuOptionsRefresh"_s,  u"mnuBrowser3"_s,       u"mnuViewDefine"_s,
                           u"mnuRefGuideDefine"_s,  u"mnuFormatBold"_s,     u"mnuHeading4"_s,
                           u"mnuTableQuick"_s,      u"mnuFramesAdvanced"_s, u"mnuContextEdit"_s,
                           u"mnuColourItem"_s,      u"mnuSpecialCharItem"_s, u"mniInsertFile"_s,
                           u"mnuPageStructureBody"_s, u"mnuCaseUpper"_s}
            << 0;
    }
    void documentCodes()
    {
        QFETCH(QStringList, tools);
        QFETCH(int, code);
        const ToolModel model(BuiltInLayout());
        for (const QString &name : tools) {
            const QList<const Tool *> named = model.ToolsNamed(name);
            QVERIFY2(!named.isEmpty(), qPrintable(name));
            for (const Tool *tool : named)
                QVERIFY2(tool->documentCode == code, qPrintable(tool->key));
        }
    }

    void documentToolsRule()
    {
        ToolModel model(BuiltInLayout());
        model.SetEnabled(u"mnuFileEditTemplate"_s, false); // code 1: never touched

        SetDocumentToolsEnabled(model, false);
        QVERIFY(!model.IsEnabled(u"mnuFileSave"_s));
        QVERIFY(!model.IsEnabled(u"mnuEditCopy"_s));
        for (const Tool *item : model.ToolsNamed(u"mnuColourItem"_s))
            QVERIFY(!item->enabled);
        QVERIFY(model.IsEnabled(u"mnuFileNew"_s));
        QVERIFY(model.IsEnabled(u"mnuMainEdit"_s));
        QVERIFY(!model.IsEnabled(u"mnuFileEditTemplate"_s));

        SetDocumentToolsEnabled(model, true);
        QVERIFY(model.IsEnabled(u"mnuFileSave"_s));
        QVERIFY(model.IsEnabled(u"mnuCaseUpper"_s));
        QVERIFY(!model.IsEnabled(u"mnuEditCopy"_s)); // code 2 stays off until the selection says otherwise
        QVERIFY(!model.IsEnabled(u"mnuFileEditTemplate"_s));
        for (const Tool *item : model.ToolsNamed(u"mnuColourItem"_s))
            QVERIFY(item->enabled);
    }

    void selectionTools_data()
    {
        QTest::addColumn<bool>("documentsOpened");
        QTest::addColumn<bool>("hasSelection");
        QTest::addColumn<bool>("expected");
        QTest::newRow("selection after start") << false << true << true;
        QTest::newRow("no selection after start") << false << false << false;
        // With the first document the case tools come on while Copy stays off;
        // an empty selection must still switch them off.
        QTest::newRow("no selection, first document") << true << false << false;
        QTest::newRow("selection, first document") << true << true << true;
    }
    void selectionTools()
    {
        QFETCH(bool, documentsOpened);
        QFETCH(bool, hasSelection);
        QFETCH(bool, expected);
        ToolModel model(BuiltInLayout());
        SetDocumentToolsEnabled(model, false);
        if (documentsOpened)
            SetDocumentToolsEnabled(model, true);
        UpdateSelectionTools(model, hasSelection);
        for (const QString &name : {u"mnuEditCopy"_s, u"mnuEditCut"_s, u"mnuCaseLower"_s, u"mnuCaseUpper"_s,
                                    u"mnuCaseTitle"_s})
            QVERIFY2(model.IsEnabled(name) == expected, qPrintable(name));
        QVERIFY(!model.IsEnabled(u"mnuEditPaste"_s));
    }

    void simpleStateRules_data()
    {
        QTest::addColumn<QStringList>("tools");
        QTest::addColumn<int>("rule");
        const QStringList textTools{u"mnuEditDelete"_s,    u"mnuEditFind"_s,      u"mnuEditFindNext"_s,
                                    u"mnuEditReplace"_s,   u"mnuEditSelectAll"_s, u"mnuEditLowerCasePaths"_s};
        QTest::newRow("text") << textTools << 0;
        QTest::newRow("undo") << QStringList{u"mnuEditUndo"_s} << 1;
        QTest::newRow("paste") << QStringList{u"mnuEditPaste"_s} << 2;
        QTest::newRow("template") << QStringList{u"mnuFileEditTemplate"_s} << 3;
        QTest::newRow("two documents") << QStringList{u"mnuFileCloseAll"_s, u"mnuFileSaveAll"_s} << 4;
    }
    void simpleStateRules()
    {
        QFETCH(QStringList, tools);
        QFETCH(int, rule);
        ToolModel model(BuiltInLayout());
        const auto apply = [&](bool on) {
            switch (rule) {
            case 0: UpdateTextTools(model, on); break;
            case 1: UpdateUndoTool(model, on); break;
            case 2: UpdatePasteTool(model, on); break;
            case 3: UpdateTemplateTool(model, on ? u"/home/me/template.htm"_s : QString()); break;
            case 4: UpdateFileMenuTools(model, on ? 2 : 1); break;
            }
        };
        for (const bool on : {false, true, false}) {
            apply(on);
            for (const QString &name : tools)
                QVERIFY2(model.IsEnabled(name) == on, qPrintable(name));
        }
        const QStringList untouched{u"mnuFileNew"_s, u"mnuEditCopy"_s, u"mnuFileSave"_s};
        for (const QString &name : untouched) {
            if (!tools.contains(name))
                QVERIFY(model.IsEnabled(name));
        }
    }

    void optionChecksFollowPreferences_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("field");
        QTest::newRow("templates") << u"mnuOptionsTemplates"_s << 0;
        QTest::newRow("wizard") << u"mnuOptionsWebPageWizard"_s << 1;
        QTest::newRow("smart updates") << u"mnuOptionsSmartUpdates"_s << 2;
        QTest::newRow("tooltips") << u"mnuOptionsTooltips"_s << 3;
        QTest::newRow("word wrap") << u"mnuOptionsWordWrap"_s << 4;
    }
    void optionChecksFollowPreferences()
    {
        QFETCH(QString, tool);
        QFETCH(int, field);
        ToolModel model(BuiltInLayout());
        Preferences prefs;
        bool *flags[] = {&prefs.TemplatesOn, &prefs.PageWizard, &prefs.SmartUpdates, &prefs.ToolTips,
                         &prefs.WordWrap};
        *flags[field] = true;
        UpdateOptionChecks(model, prefs);
        for (const Tool *option : model.ToolsOfBand(u"mnuOptions"_s))
            QVERIFY2(option->checked == (option->name == tool), qPrintable(option->name));
        *flags[field] = false;
        UpdateOptionChecks(model, prefs);
        QVERIFY(!model.IsChecked(tool));
    }

    void browserAndGuideTools()
    {
        ToolModel model(BuiltInLayout());
        QVERIFY(!model.FindTool(u"mnuBrowser1"_s)->visible);
        Preferences prefs;
        prefs.Browsers[1] = {u"Firefox"_s, u"/usr/bin/firefox"_s};
        prefs.Browsers[3] = {u"Named Only"_s, QString()};
        prefs.Browsers[4] = {u"Tom & Jerry"_s, u"/usr/bin/tj"_s};
        prefs.Guides[2] = {u"HTML 4"_s, u"/docs/html4.htm"_s};
        prefs.Guides[5] = {QString(), u"/docs/none.htm"_s};
        UpdateBrowserTools(model, prefs);
        UpdateUserGuideTools(model, prefs);
        QStringList shown;
        for (const Tool &tool : model.layout().tools) {
            if (tool.visible && (tool.name.startsWith(u"mnuBrowser") || tool.name.startsWith(u"mnuRefGuideUser")))
                shown.append(tool.name);
        }
        QCOMPARE(shown, (QStringList{u"mnuBrowserDefault"_s, u"mnuBrowser1"_s, u"mnuBrowser4"_s,
                                     u"mnuRefGuideUser2"_s}));
        QCOMPARE(model.FindTool(u"mnuBrowser1"_s)->caption, u"Firefox"_s);
        QCOMPARE(PlainCaption(model.FindTool(u"mnuBrowser4"_s)->caption), u"Tom & Jerry"_s);
        QCOMPARE(model.FindTool(u"mnuRefGuideUser2"_s)->description, u"/docs/html4.htm"_s);

        prefs.Browsers[1] = {};
        UpdateBrowserTools(model, prefs);
        QVERIFY(!model.FindTool(u"mnuBrowser1"_s)->visible);

        const QString longName(40, u'x');
        SetSystemGuideTools(model, {longName, QString(), u"CSS"_s}, {u"/a.htm"_s, u"/b.htm"_s, u"/c.htm"_s});
        QCOMPARE(model.FindTool(u"mnuRefGuideSystem1"_s)->caption, QString(30, u'x'));
        QCOMPARE(model.FindTool(u"mnuRefGuideSystem1"_s)->description, u"/a.htm"_s);
        QVERIFY(model.FindTool(u"mnuRefGuideSystem1"_s)->visible);
        QVERIFY(!model.FindTool(u"mnuRefGuideSystem2"_s)->visible);
        QVERIFY(model.FindTool(u"mnuRefGuideSystem3"_s)->visible);
    }

    void recentFiles_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("listed");
        QStringList ten;
        for (int i = 10; i >= 1; --i)
            ten.append(u"/home/me/web/page%1.htm"_s.arg(i));
        QTest::newRow("none") << QStringList{} << 0;
        QTest::newRow("one") << QStringList{u"/home/me/a.htm"_s} << 1;
        QTest::newRow("ten keeps nine") << ten << 9;
        QTest::newRow("stops at empty") << QStringList{u"/a.htm"_s, QString(), u"/c.htm"_s} << 1;
    }
    void recentFiles()
    {
        QFETCH(QStringList, paths);
        QFETCH(int, listed);
        ToolModel model(BuiltInLayout());
        // A longer list first: rebuilding must drop what is no longer there.
        BuildRecentFileTools(model, Numbered(u"/old/file"_s, 1, 9));
        BuildRecentFileTools(model, paths);
        const QList<const Tool *> file = model.ToolsOfBand(u"mnuFile"_s);
        QCOMPARE(file.last()->name, u"mnuFileExit"_s);
        QStringList expected = ExpectedBands()[1].tools;
        expected.removeLast();
        expected += Numbered(u"mnuFileRecent"_s, 1, listed);
        expected.append(u"mnuFileExit"_s);
        QCOMPARE(NamesOf(file), expected);
        for (int i = 1; i <= listed; ++i) {
            const Tool *tool = model.FindTool(u"mnuFileRecent%1"_s.arg(i));
            QCOMPARE(tool->caption, u"&%1 "_s.arg(i) + ShortenPath(paths[i - 1]));
            QCOMPARE(tool->commandText, paths[i - 1]);
            QCOMPARE(tool->tag, paths[i - 1]);
            QCOMPARE(tool->description, u"Open this document"_s);
        }
    }

    void recentFileCaptionShowsAmpersandAsTyped()
    {
        ToolModel model(BuiltInLayout());
        BuildRecentFileTools(model, {u"/web/tom&jerry.htm"_s});
        const Tool *tool = model.FindTool(u"mnuFileRecent1"_s);
        QCOMPARE(AccessKeyOf(tool->caption), u'1');
        QVERIFY(PlainCaption(tool->caption).endsWith(u"tom&jerry.htm"));
        QCOMPARE(tool->commandText, u"/web/tom&jerry.htm"_s);
    }

    void windowListForElevenDocuments()
    {
        ToolModel model(BuiltInLayout());
        QStringList captions;
        for (int i = 1; i <= 11; ++i)
            captions.append(u"Untitled%1"_s.arg(i));
        BuildWindowList(model, {u"first.htm"_s, u"second.htm"_s}, 0);
        BuildWindowList(model, captions, 2);

        const QList<const Tool *> items = model.ToolsNamed(u"WindowListItem"_s);
        QCOMPARE(items.size(), 11);
        QStringList expectedCaptions;
        for (int i = 1; i <= 9; ++i)
            expectedCaptions.append(u"&%1 Untitled%1"_s.arg(i));
        expectedCaptions += {u"Untitled10"_s, u"Untitled11"_s};
        QCOMPARE(CaptionsOf(items), expectedCaptions);
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->identifier, i == 2 ? 20002 : 20001);
            QCOMPARE(items[i]->commandText, u"Window%1"_s.arg(i + 1));
            QCOMPARE(items[i]->tag, u"Window%1"_s.arg(i + 1));
            QCOMPARE(items[i]->beginsGroup, i == 0);
            QCOMPARE(items[i]->description, u"Switches to the window containing this document"_s);
        }
        const QList<const Tool *> menu = model.ToolsOfBand(u"mnuWindow"_s);
        QCOMPARE(menu.size(), 5 + 11);
        QCOMPARE(NamesOf(menu.mid(0, 5)), ExpectedBands()[4].tools);

        BuildWindowList(model, {}, -1);
        QCOMPARE(model.ToolsOfBand(u"mnuWindow"_s).size(), 5);
        QVERIFY(model.ToolsNamed(u"WindowListItem"_s).isEmpty());
    }

    void contextEditTool_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("command");
        QTest::newRow("image") << u"<IMG SRC=\"a.gif\">"_s << u"Embedded Image"_s;
        QTest::newRow("image lower case, spaces") << u"  <img src=\"a.gif\">  "_s << u"Embedded Image"_s;
        QTest::newRow("anchor") << u"<A NAME=\"top\"></A>"_s << u"Anchor"_s;
        QTest::newRow("link") << u"<A HREF=\"a.htm\">A</A>"_s << u"Link"_s;
        QTest::newRow("link around image") << u"<A HREF=\"a.htm\"><IMG SRC=\"a.gif\"></A>"_s << u"Embedded Image"_s;
        QTest::newRow("rule") << u"<HR WIDTH=\"50%\">"_s << u"Horizontal Rule"_s;
        QTest::newRow("body") << u"<BODY BGCOLOR=\"White\">"_s << u"Page Colours & Background"_s;
        QTest::newRow("refresh") << u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5\">"_s << u"Timer Auto-Load"_s;
        QTest::newRow("refresh, spaces") << u"<META    http-equiv=\"refresh\" CONTENT=\"5\">"_s
                                         << u"Timer Auto-Load"_s;
        QTest::newRow("other meta") << u"<META NAME=\"Author\">"_s << QString();
        QTest::newRow("bare meta") << u"<META"_s << QString();
        QTest::newRow("title") << u"<TITLE>Home</TITLE>"_s << u"Page Title"_s;
        QTest::newRow("sound") << u"<EMBED SRC=\"a.wav\">"_s << u"Page Sound"_s;
        QTest::newRow("frame") << u"<FRAME SRC=\"a.htm\">"_s << u"Advanced Frames"_s;
        QTest::newRow("no frames") << u"<NOFRAMES>"_s << u"Advanced Frames"_s;
        QTest::newRow("table") << u"<TABLE>"_s << u"Advanced Table"_s;
        QTest::newRow("cell") << u"<td>"_s << u"Advanced Table"_s;
        QTest::newRow("header cell") << u"<TH>"_s << u"Advanced Table"_s;
        QTest::newRow("web address") << u"http://www.example.com/"_s << u"Quick Link"_s;
        QTest::newRow("news") << u"news:comp.lang"_s << u"Quick Link"_s;
        QTest::newRow("bare host") << u"www.example.com"_s << QString();
        QTest::newRow("plain text") << u"Hello"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void contextEditTool()
    {
        QFETCH(QString, selection);
        QFETCH(QString, command);
        ToolModel model(BuiltInLayout());
        PrepareContextEditTool(model, selection);
        const Tool *tool = model.FindTool(u"mnuContextEdit"_s);
        QCOMPARE(tool->enabled, !command.isEmpty());
        if (command.isEmpty())
            return;
        QCOMPARE(tool->commandText, command);
        if (command == u"Quick Link") {
            QCOMPARE(tool->caption, u"&Quick Link"_s);
            QCOMPARE(tool->description, u"Formats the selected URL as a link to itself"_s);
        } else {
            QCOMPARE(tool->caption, u"&Edit Selected Tags..."_s);
            QCOMPARE(tool->description, u"Opens the appropriate form for editing the selected tags"_s);
        }
    }

    void sharedToolHasOneStateAndAnnouncesIt()
    {
        ToolModel model(BuiltInLayout());
        QCOMPARE(model.BandsHolding(u"mnuEditCut"_s),
                 (QStringList{u"tbarStandard"_s, u"mnuEdit"_s, u"mnuPopUpEdit"_s}));
        QSignalSpy changed(&model, &ToolModel::toolChanged);
        QSignalSpy bands(&model, &ToolModel::bandChanged);
        QVERIFY(model.SetEnabled(u"mnuEditCut"_s, false));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), u"mnuEditCut"_s);
        for (const QString &band : model.BandsHolding(u"mnuEditCut"_s)) {
            for (const Tool *tool : model.ToolsOfBand(band)) {
                if (tool->name == u"mnuEditCut")
                    QVERIFY(!tool->enabled);
            }
        }
        QVERIFY(!model.SetEnabled(u"mnuNoSuchTool"_s, false));
        model.ChangeTool(u"mnuEditCut"_s, [](Tool &tool) { tool.beginsGroup = !tool.beginsGroup; });
        QCOMPARE(bands.size(), 3);
    }

    void bandEditing()
    {
        ToolModel model(BuiltInLayout());
        QVERIFY(!model.InsertInBand(u"mnuEdit"_s, u"mnuEditCut"_s)); // already there
        QVERIFY(!model.InsertInBand(u"mnuNoBand"_s, u"mnuEditCut"_s));
        QVERIFY(!model.InsertInBand(u"mnuEdit"_s, u"mnuNoTool"_s));
        QVERIFY(model.InsertInBand(u"mnuEdit"_s, u"mnuFileNew"_s, 0));
        QCOMPARE(model.ToolsOfBand(u"mnuEdit"_s).first()->name, u"mnuFileNew"_s);
        QVERIFY(model.RemoveFromBand(u"mnuEdit"_s, u"mnuFileNew"_s));
        QCOMPARE(NamesOf(model.ToolsOfBand(u"mnuEdit"_s)), ExpectedBands()[3].tools);

        Tool extra;
        extra.name = u"mnuExtra"_s;
        QVERIFY(model.AddTool(extra));
        QVERIFY(!model.AddTool(extra));
        QVERIFY(model.InsertInBand(u"mnuEdit"_s, u"mnuExtra"_s));
        QVERIFY(model.RemoveTool(u"mnuExtra"_s));
        QVERIFY(model.BandsHolding(u"mnuExtra"_s).isEmpty());
        QCOMPARE(model.ToolByKey(u"mnuExtra"_s), nullptr);
    }

    void damagedLayoutsAreNamed_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("duplicate key") << 0;
        QTest::newRow("unknown tool in band") << 1;
        QTest::newRow("unknown sub-band") << 2;
        QTest::newRow("menu opens itself") << 3;
        QTest::newRow("menus open each other") << 4;
        QTest::newRow("no menu bar") << 5;
    }
    void damagedLayoutsAreNamed()
    {
        QFETCH(int, damage);
        BarLayout layout = BuiltInLayout();
        const auto toolNamed = [&layout](const QString &name) -> Tool & {
            for (Tool &tool : layout.tools) {
                if (tool.name == name)
                    return tool;
            }
            return layout.tools.first();
        };
        switch (damage) {
        case 0: layout.tools.append(layout.tools.first()); break;
        case 1: layout.bands[3].tools.append(u"mnuGhost"_s); break;
        case 2: toolNamed(u"mnuFormatCase"_s).subBand = u"mnuGhost"_s; break;
        case 3: toolNamed(u"mnuFormatCase"_s).subBand = u"mnuFormat"_s; break;
        case 4: toolNamed(u"mnuCaseLower"_s).subBand = u"mnuFormat"_s; break;
        case 5: layout.bands.removeFirst(); break;
        }
        QVERIFY(!LayoutProblem(layout).isEmpty());
    }

    void shortcutsLeaveTheTextBoxKeysAlone()
    {
        const ToolModel model(BuiltInLayout());
        QSet<QString> keys;
        for (const ToolShortcut &shortcut : ToolShortcuts()) {
            QVERIFY2(model.FindTool(shortcut.toolName), qPrintable(shortcut.toolName));
            QVERIFY2(!TextBoxKeys().contains(shortcut.keys, Qt::CaseInsensitive), qPrintable(shortcut.keys));
            QVERIFY2(!keys.contains(shortcut.keys), qPrintable(shortcut.keys));
            keys.insert(shortcut.keys);
        }
        QVERIFY(keys.contains(u"Ctrl+N"_s));
    }
};

QTEST_GUILESS_MAIN(ToolModelTest)
#include "toolmodel_test.moc"
