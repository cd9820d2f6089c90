// The menus, tool bars and context menu the program is built with.

#include "app/toolmodel.h"

#include "html/entities.h"

#include <QSet>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

class LayoutBuilder {
public:
    void category(const QString &name) { m_category = name; }

    void tool(const QString &name, const QString &command, const QString &caption, const QString &description,
              const QString &subBand = {})
    {
        add(name, name, command, caption, description, subBand);
    }

    // A member of a family of tools that share one name ("mnuColourItem").
    void item(const QString &name, const QString &command, const QString &caption, const QString &description)
    {
        add(ItemKey(name, command), name, command, caption, description, {});
    }

    void band(const QString &name, const QString &title, BandKind kind, const QStringList &keys,
              DockArea area = DockArea::Top, int line = 0)
    {
        Band band;
        band.name = name;
        band.title = title;
        band.kind = kind;
        band.tools = keys;
        band.area = area;
        band.line = line;
        m_layout.bands.append(band);
    }

    void beginGroups(const QStringList &keys)
    {
        for (Tool &tool : m_layout.tools) {
            if (keys.contains(tool.key))
                tool.beginsGroup = true;
        }
    }

    void hide(const QStringList &keys)
    {
        for (Tool &tool : m_layout.tools) {
            if (keys.contains(tool.key))
                tool.visible = false;
        }
    }

    BarLayout finish(const QStringList &code1, const QStringList &code2)
    {
        const QSet<QString> one(code1.begin(), code1.end());
        const QSet<QString> two(code2.begin(), code2.end());
        for (Tool &tool : m_layout.tools)
            tool.documentCode = one.contains(tool.name) ? 1 : two.contains(tool.name) ? 2 : 0;
        return m_layout;
    }

private:
    void add(const QString &key, const QString &name, const QString &command, const QString &caption,
             const QString &description, const QString &subBand)
    {
        Tool tool;
        tool.key = key;
        tool.name = name;
        tool.commandText = command;
        tool.category = m_category;
        tool.caption = caption;
        tool.description = description;
        tool.subBand = subBand;
        m_layout.tools.append(tool);
    }

    BarLayout m_layout;
    QString m_category;
};

// "mnuRefGuideUser1" .. for 1 to count.
QStringList Numbered(const QString &prefix, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

// Gives each caption an access key not yet taken in its menu: the first
// letter of a word where possible, else any letter.
QString WithAccessKey(const QString &text, QSet<QChar> &taken)
{
    const auto tryAt = [&](qsizetype i) {
        const QChar key = text[i].toLower();
        if (!text[i].isLetterOrNumber() || taken.contains(key))
            return false;
        taken.insert(key);
        return true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if ((i == 0 || text[i - 1] == u' ' || text[i - 1] == u'-') && tryAt(i))
            return EscapeAmpersands(text.left(i)) + u'&' + EscapeAmpersands(text.mid(i));
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (tryAt(i))
            return EscapeAmpersands(text.left(i)) + u'&' + EscapeAmpersands(text.mid(i));
    }
    return EscapeAmpersands(text);
}

void AddFileTools(LayoutBuilder &b)
{
    b.category(u"File"_s);
    b.tool(u"mnuFileNew"_s, u"New"_s, u"&New"_s, u"Creates a new HTML document"_s);
    b.tool(u"mnuFileNewWithWizard"_s, u"New With Wizard"_s, u"New &With Wizard"_s,
           u"Creates a new page or frame set with one of the wizards"_s, u"mnuWizard"_s);
    b.tool(u"mnuFileOpen"_s, u"Open"_s, u"&Open..."_s, u"Opens an existing HTML document"_s);
    b.tool(u"mnuFileClose"_s, u"Close"_s, u"&Close"_s, u"Closes the active document"_s);
    b.tool(u"mnuFileCloseAll"_s, u"Close All"_s, u"C&lose All"_s, u"Closes every open document"_s);
    b.tool(u"mnuFileSave"_s, u"Save"_s, u"&Save"_s, u"Saves the active document"_s);
    b.tool(u"mnuFilesaveAs"_s, u"Save As..."_s, u"Save &As..."_s, u"Saves the active document under a new name"_s);
    b.tool(u"mnuFileSaveAll"_s, u"Save All"_s, u"Sa&ve All"_s, u"Saves every changed document"_s);
    b.tool(u"mnuFileView"_s, u"View In Browser"_s, u"View In &Browser"_s,
           u"Shows the active document in a Web browser"_s, u"mnuView"_s);
    b.tool(u"mnuFilePrint"_s, u"Print"_s, u"&Print..."_s, u"Prints the active document"_s);
    b.tool(u"mnuFileEditTemplate"_s, u"Edit Template"_s, u"Edit &Template"_s,
           u"Opens the template for new documents for editing"_s);
    b.tool(u"mnuFileExit"_s, u"Exit"_s, u"E&xit"_s, u"Closes every document and quits Tavorin"_s);
    b.tool(u"mnuFileWebPageWizard"_s, u"Web Page Wizard"_s, u"Web &Page Wizard..."_s,
           u"Creates a new Web page with the Web Page Wizard"_s);
    for (int i = 1; i <= 9; ++i) {
        // Held outside any band until the recent-files list fills them.
        b.tool(u"mnuFileRecent%1"_s.arg(i), QString(), u"&%1 "_s.arg(i), u"Open this document"_s);
    }
}

void AddEditTools(LayoutBuilder &b)
{
    b.category(u"Edit"_s);
    b.tool(u"mnuEditUndo"_s, u"Undo"_s, u"&Undo"_s, u"Undoes the last change"_s);
    b.tool(u"mnuEditCut"_s, u"Cut"_s, u"Cu&t"_s, u"Removes the selection and puts it on the clipboard"_s);
    b.tool(u"mnuEditCopy"_s, u"Copy"_s, u"&Copy"_s, u"Copies the selection to the clipboard"_s);
    b.tool(u"mnuEditPaste"_s, u"Paste"_s, u"&Paste"_s, u"Inserts the text on the clipboard"_s);
    b.tool(u"mnuEditDelete"_s, u"Delete"_s, u"&Delete"_s, u"Deletes the selection or the next character"_s);
    b.tool(u"mnuEditSelectAll"_s, u"Select All"_s, u"Select &All"_s, u"Selects the whole text of the document"_s);
    b.tool(u"mnuEditFind"_s, u"Find..."_s, u"&Find..."_s, u"Finds text in the active document"_s);
    b.tool(u"mnuEditFindNext"_s, u"Find Next"_s, u"Find &Next"_s, u"Finds the next occurrence of the text"_s);
    b.tool(u"mnuEditReplace"_s, u"Replace..."_s, u"&Replace..."_s, u"Finds text and replaces it with other text"_s);
    b.tool(u"mnuEditLowerCasePaths"_s, u"Lower Case Paths"_s, u"&Lower Case Paths"_s,
           u"Rewrites the relative file paths of the document in lower case"_s);
    b.tool(u"mnuContextEdit"_s, u"Edit Tags"_s, u"&Edit Selected Tags..."_s,
           u"Opens the appropriate form for editing the selected tags"_s);
}

void AddWindowTools(LayoutBuilder &b)
{
    b.category(u"Window"_s);
    b.tool(u"mnuWindowTileHoriz"_s, u"Tile Horizontally"_s, u"Tile &Horizontally"_s,
           u"Arranges the document windows one above the other"_s);
    b.tool(u"mnuWindowTileVert"_s, u"Tile Vertically"_s, u"Tile &Vertically"_s,
           u"Arranges the document windows side by side"_s);
    b.tool(u"mnuWindowCascade"_s, u"Cascade"_s, u"&Cascade"_s, u"Arranges the document windows overlapping"_s);
    b.tool(u"mnuWindowArrange"_s, u"Arrange Icons"_s, u"&Arrange Icons"_s,
           u"Arranges the icons of minimised documents"_s);
    b.tool(u"mnuWindowMinimizeAll"_s, u"Minimize All"_s, u"&Minimize All"_s, u"Minimises every document window"_s);
}

void AddInsertTools(LayoutBuilder &b)
{
    b.category(u"Insert"_s);
    b.tool(u"mnuInsertBreak"_s, u"Break"_s, u"&Break"_s, u"Inserts a line, paragraph or word break"_s,
           u"mnuBreak"_s);
    b.tool(u"mnuInsertEmailLink"_s, u"E-Mail Link"_s, u"&E-Mail Link..."_s, u"Inserts a link to an e-mail address"_s);
    b.tool(u"mnuInsertEmbImage"_s, u"Embedded Image"_s, u"E&mbedded Image..."_s,
           u"Inserts an image or edits the selected one"_s);
    b.tool(u"mnuInsertHorRule"_s, u"Horizontal Rule"_s, u"&Horizontal Rule..."_s, u"Inserts a horizontal rule"_s);
    b.tool(u"mnuInsertPageSound"_s, u"Page Sound"_s, u"Page &Sound..."_s,
           u"Inserts a sound that plays when the page opens"_s);
    b.tool(u"mnuInsertPageStructure"_s, u"Page Structure"_s, u"Page S&tructure"_s,
           u"Inserts the tags that make up the structure of a page"_s, u"mnuPageStructure"_s);
    b.tool(u"mnuInsertPageTextSize"_s, u"Page Text Size"_s, u"Page Te&xt Size..."_s,
           u"Sets the default text size of the page"_s);
    b.tool(u"mnuInsertTimerAutoLoad"_s, u"Timer Auto-Load"_s, u"T&imer Auto-Load..."_s,
           u"Loads another page after a number of seconds"_s);
    b.tool(u"mnuInsertDateTime"_s, u"Date/Time"_s, u"&Date/Time"_s, u"Inserts the date or time"_s,
           u"mnuDateTime"_s);
    b.tool(u"mnuInsertJavaScript"_s, u"JavaScript"_s, u"&JavaScript"_s, u"Inserts a JavaScript outline or snippet"_s,
           u"mnuJavaScript"_s);
    b.tool(u"mnuInsertMeta"_s, u"Meta"_s, u"Met&a"_s, u"Inserts information about the page"_s, u"mnuMeta"_s);
    b.tool(u"mnuInsertPreForm"_s, u"P&re-Defined..."_s, u"P&re-Defined..."_s, u"Inserts a ready-made form or links"_s,
           u"mnuPredefined"_s);
    b.tool(u"mnuInsertSpecialChar"_s, u"Special Character"_s, u"Spe&cial Character"_s,
           u"Inserts a character that HTML writes as an entity"_s, u"mnuSpecialChar"_s);
    b.tool(u"mnuInsertUserInfo"_s, u"User Info"_s, u"&User Info"_s, u"Inserts your name, address or home page"_s,
           u"mnuUserInfo"_s);
    b.tool(u"mniInsertFile"_s, u"Insert File"_s, u"Insert &File..."_s, u"Inserts the contents of another file"_s);

    b.tool(u"mnuBreakLineBreak"_s, u"Line Break"_s, u"&Line Break"_s, u"Inserts a line break"_s);
    b.tool(u"mnuBreakParaBreak"_s, u"Paragraph"_s, u"&Paragraph"_s,
           u"Makes the selection a paragraph or inserts a paragraph break"_s);
    b.tool(u"mnuBreakNoBreak"_s, u"No Break"_s, u"&No Break"_s, u"Keeps the selection on one line"_s);
    b.tool(u"mnuBreakWordBreak"_s, u"Word Break"_s, u"&Word Break"_s,
           u"Inserts a place where a long word may be broken"_s);

    b.tool(u"mnuMetaAuthor"_s, u"Meta Author"_s, u"Meta &Author..."_s, u"Names the author of the page"_s);
    b.tool(u"mnuMetaContentType"_s, u"Meta Content-Type"_s, u"Meta &Content-Type"_s,
           u"States the content type and character set of the page"_s);
    b.tool(u"mnuMetaDescription"_s, u"Meta Description"_s, u"Meta &Description..."_s,
           u"Describes the page for search engines"_s);
    b.tool(u"mnuMetaGenerator"_s, u"Meta Generator"_s, u"Meta &Generator"_s,
           u"Names the program that made the page"_s);
    b.tool(u"mnuMetaKeywords"_s, u"Meta Keywords"_s, u"Meta &Keywords..."_s,
           u"Lists keywords for search engines"_s);
    b.tool(u"mnuMetaRefresh"_s, u"Meta Refresh"_s, u"Meta &Refresh..."_s,
           u"Loads another page after a number of seconds"_s);

    b.tool(u"mnuPageStructureHTML"_s, u"HTML Start Tag"_s, u"&HTML Start Tag"_s, u"Inserts the HTML start tag"_s);
    b.tool(u"mnuPageStructureHead"_s, u"Head Start Tag"_s, u"H&ead Start Tag"_s, u"Inserts the HEAD start tag"_s);
    b.tool(u"mnuPageStructureTitle"_s, u"Page Title"_s, u"Page &Title..."_s,
           u"Sets the title of the page or edits the existing one"_s);
    b.tool(u"mnuPageStructureHeadEnd"_s, u"Head End Tag"_s, u"He&ad End Tag"_s, u"Inserts the HEAD end tag"_s);
    b.tool(u"mnuPageStructureBody"_s, u"Page Colours & Background"_s, u"Page &Colours && Background..."_s,
           u"Sets the colours and background of the page"_s);
    b.tool(u"mnuPageStructureBodyEnd"_s, u"Body End Tag"_s, u"&Body End Tag"_s, u"Inserts the BODY end tag"_s);
    b.tool(u"mnuPageStructureHTMLEnd"_s, u"HTML End Tag"_s, u"HTML E&nd Tag"_s, u"Inserts the HTML end tag"_s);
    b.tool(u"mnuPageStructureCheck"_s, u"Check For Missing Tags"_s, u"Check For &Missing Tags"_s,
           u"Checks the page for missing structure tags"_s);

    b.tool(u"mnuDateTimeCurrentDate"_s, u"Current Date"_s, u"Current &Date"_s, u"Inserts today's date"_s);
    b.tool(u"mnuDateTimeDateAndTime"_s, u"Current Date & Time"_s, u"Current Date && T&ime"_s,
           u"Inserts today's date and the present time"_s);
    b.tool(u"mnuDateTimeCurrentTime"_s, u"Current Time"_s, u"Current &Time"_s, u"Inserts the present time"_s);
    b.tool(u"mnuDateTimeSmartDate"_s, u"Smart Date"_s, u"Smart D&ate"_s,
           u"Inserts a date that is brought up to date whenever the page is saved"_s);
    b.tool(u"mnuDateTimeSmartTime"_s, u"Smart Time"_s, u"Smart Ti&me"_s,
           u"Inserts a time that is brought up to date whenever the page is saved"_s);
    b.tool(u"mnuDateTimeSmartYear"_s, u"Smart Year"_s, u"Smart &Year"_s,
           u"Inserts a year that is brought up to date whenever the page is saved"_s);

    b.tool(u"mnuJavaScriptFunctionOutline"_s, u"JavaScript Function Outline"_s, u"JavaScript &Function Outline..."_s,
           u"Inserts the outline of a JavaScript function"_s);
    b.tool(u"mnuJavaScriptJavaScriptOutline"_s, u"JavaScript Outline"_s, u"JavaScript &Outline..."_s,
           u"Inserts the outline of a JavaScript script"_s);
    b.tool(u"mnuJavaScriptDateTime"_s, u"Date & Time JavaScript"_s, u"&Date && Time JavaScript"_s,
           u"Inserts a script that shows the date and time"_s);
    b.tool(u"mnuJavaScriptDialogMessage"_s, u"Dialog Message JavaScript"_s, u"Dialog &Message JavaScript..."_s,
           u"Inserts a script that shows a message box"_s);
    b.tool(u"mnuJavaScriptScreenFade"_s, u"Screen Fade JavaScript"_s, u"Screen F&ade JavaScript"_s,
           u"Inserts a script that fades the page in"_s);
    b.tool(u"mnuJavaScriptScrollMess"_s, u"Scrolling Message JavaScript"_s, u"&Scrolling Message JavaScript..."_s,
           u"Inserts a script that scrolls a message in the status bar"_s);
    b.tool(u"mnuJavaScriptStatusClock"_s, u"Status Bar Clock JavaScript"_s, u"Status &Bar Clock JavaScript"_s,
           u"Inserts a script that shows a clock in the status bar"_s);
    b.tool(u"mnuJavaScriptSystemInfo"_s, u"System Info JavaScript"_s, u"System &Info JavaScript"_s,
           u"Inserts a script that shows information about the visitor's system"_s);

    b.tool(u"mnuPreFormEMail"_s, u"E-Mail Form"_s, u"&E-Mail Form..."_s,
           u"Inserts a form that visitors can send by e-mail"_s);
    b.tool(u"mnuPreLinkSearchEngine"_s, u"Search Engine Links"_s, u"&Search Engine Links..."_s,
           u"Inserts links to search engines"_s);
    b.tool(u"mnuPreLinkTavorin"_s, u"Tavorin Link"_s, u"&Tavorin Link"_s, u"Inserts a link to the Tavorin home page"_s);

    b.tool(u"mnuUserInfoCompanyName"_s, u"Company Name"_s, u"&Company Name"_s, u"Inserts your company name"_s);
    b.tool(u"mnuUserInfoEmailAddress"_s, u"User E-Mail Address"_s, u"User E-Mail &Address"_s,
           u"Inserts your e-mail address"_s);
    b.tool(u"mnuUserInfoEmailLink"_s, u"User E-Mail Link"_s, u"User E-Mail &Link"_s,
           u"Inserts a link to your e-mail address"_s);
    b.tool(u"mnuUserInfoHomeAddress"_s, u"Home Page Address"_s, u"&Home Page Address"_s,
           u"Inserts the address of your home page"_s);
    b.tool(u"mnuUserInfoHomeLink"_s, u"Home Page Link"_s, u"Home &Page Link"_s,
           u"Inserts a link to your home page"_s);
    b.tool(u"mnuUserInfoUserName"_s, u"User Name"_s, u"&User Name"_s, u"Inserts your name"_s);

    QSet<QChar> taken;
    for (const CharacterEntity &entity : CharacterEntities()) {
        b.item(u"mnuSpecialCharItem"_s, entity.name, WithAccessKey(entity.name, taken),
               u"Inserts the character as the entity %1"_s.arg(entity.text));
    }
    b.item(u"mnuSpecialCharItem"_s, u"ASCII Character"_s, WithAccessKey(u"ASCII Character..."_s, taken),
           u"Inserts any character by its number"_s);
}

void AddFormatTools(LayoutBuilder &b)
{
    b.category(u"Format"_s);
    b.tool(u"mnuFormatAppearance"_s, u"Text Appearance"_s, u"Te&xt Appearance..."_s,
           u"Sets the font, size and colour of the selection"_s);
    b.tool(u"mnuFormatCase"_s, u"Text Case"_s, u"Text &Case"_s, u"Changes the case of the selection"_s,
           u"mnuCase"_s);
    b.tool(u"mnuFormatColour"_s, u"Colour"_s, u"C&olour"_s, u"Formats the selection with a colour"_s,
           u"mnuColour"_s);
    b.tool(u"mnuFormatEffects"_s, u"Effects"_s, u"&Effects"_s, u"Formats the selection with an effect"_s,
           u"mnuEffects"_s);
    b.tool(u"mnuFormatHeading"_s, u"Heading"_s, u"&Heading"_s, u"Formats the selection as a heading"_s,
           u"mnuHeading"_s);
    b.tool(u"mnuFormatPosition"_s, u"Position"_s, u"&Position"_s, u"Aligns or indents the selection"_s,
           u"mnuPosition"_s);
    b.tool(u"mnuFormatStyle"_s, u"Style"_s, u"&Style"_s, u"Formats the selection with a text style"_s,
           u"mnuStyle"_s);
    b.tool(u"mnuInsertAnchor"_s, u"Anchor"_s, u"&Anchor..."_s, u"Marks the selection as an anchor to link to"_s);
    b.tool(u"mnuInsertComment"_s, u"Comment"_s, u"Co&mment"_s, u"Makes the selection a comment"_s);
    b.tool(u"mnuFormatFrames"_s, u"Frames"_s, u"&Frames"_s, u"Builds frame sets and frames"_s, u"mnuFrames"_s);
    b.tool(u"mnuFormatLink"_s, u"Link"_s, u"&Link..."_s,
           u"Formats the selection as a link to a file, an anchor, an Intranet or the Internet"_s);
    b.tool(u"mnuFormatList"_s, u"List"_s, u"L&ist"_s, u"Formats the selection as a list"_s, u"mnuList"_s);
    b.tool(u"mnuFormatTable"_s, u"Table"_s, u"Ta&ble"_s, u"Builds tables and their parts"_s, u"mnuTable"_s);
    b.tool(u"mnuFormatRemoveAll"_s, u"Remove All Tags"_s, u"&Remove All Tags"_s,
           u"Removes every tag from the selection"_s);
    b.tool(u"mnuFormatBold"_s, u"Bold"_s, u"&Bold"_s, u"Formats the selection in bold"_s);
    b.tool(u"mnuFormatItalic"_s, u"Italic"_s, u"&Italic"_s, u"Formats the selection in italics"_s);

    b.tool(u"mnuListDefinitionList"_s, u"Definition List"_s, u"&Definition List"_s,
           u"Formats the selection as a definition list"_s);
    b.tool(u"mnuListDefListDesc"_s, u"Definition List Desc"_s, u"Definition List D&esc"_s,
           u"Formats the selection as the description of a term"_s);
    b.tool(u"mnuListDefListTerm"_s, u"Definition List Term"_s, u"Definition List &Term"_s,
           u"Formats the selection as a term of a definition list"_s);
    b.tool(u"mnuListDirectoryList"_s, u"Directory List"_s, u"D&irectory List"_s,
           u"Formats the selection as a directory list"_s);
    b.tool(u"mnuListMenuList"_s, u"Menu List"_s, u"&Menu List"_s, u"Formats the selection as a menu list"_s);
    b.tool(u"mnuListOrderedList"_s, u"Ordered List"_s, u"&Ordered List"_s,
           u"Formats the selection as a numbered list"_s, u"mnuListOrdered"_s);
    b.tool(u"mnuListUnorderedList"_s, u"Unordered List"_s, u"&Unordered List"_s,
           u"Formats the selection as a bulleted list"_s);
    b.tool(u"mnuListItem"_s, u"List Item"_s, u"&List Item"_s, u"Formats the selection as an item of a list"_s);

    b.tool(u"mnuOrderedNumb"_s, u"Ordered List (1,2,3...)"_s, u"&Numbers (1,2,3...)"_s,
           u"Formats the selection as a list numbered 1, 2, 3"_s);
    b.tool(u"mnuOrderedLLetters"_s, u"Ordered List (a,b,c...)"_s, u"&Lower Case Letters (a,b,c...)"_s,
           u"Formats the selection as a list lettered a, b, c"_s);
    b.tool(u"mnuOrderedULetters"_s, u"Ordered List (A,B,C...)"_s, u"&Upper Case Letters (A,B,C...)"_s,
           u"Formats the selection as a list lettered A, B, C"_s);
    b.tool(u"mnuOrderedLRoman"_s, u"Ordered List (i,ii,iii...)"_s, u"Lower Case &Roman (i,ii,iii...)"_s,
           u"Formats the selection as a list numbered i, ii, iii"_s);
    b.tool(u"mnuOrderedURoman"_s, u"Ordered List (I,II,III...)"_s, u"Upper Case R&oman (I,II,III...)"_s,
           u"Formats the selection as a list numbered I, II, III"_s);

    b.tool(u"mnuCaseLower"_s, u"Lower Case"_s, u"&Lower Case"_s, u"Changes the selection to lower case"_s);
    b.tool(u"mnuCaseTitle"_s, u"Title Case"_s, u"&Title Case"_s,
           u"Begins every word of the selection with a capital"_s);
    b.tool(u"mnuCaseUpper"_s, u"Upper Case"_s, u"&Upper Case"_s, u"Changes the selection to upper case"_s);

    struct StyleTool {
        QString name;
        QString command;
        QString caption;
    };
    const QList<StyleTool> styles{
        {u"mnuStyleAddress"_s, u"Address"_s, u"&Address"_s},
        {u"mnuStyleBig"_s, u"Big"_s, u"Bi&g"_s},
        {u"mnuStyleBlinking"_s, u"Blinking"_s, u"Blin&king"_s},
        {u"mnuStyleBlockquote"_s, u"Blockquote"_s, u"Block&quote"_s},
        {u"mnuStyleCitation"_s, u"Citation"_s, u"&Citation"_s},
        {u"mnuStyleCode"_s, u"Code"_s, u"Co&de"_s},
        {u"mnuStyleEmphasised"_s, u"Emphasised"_s, u"&Emphasised"_s},
        {u"mnuStyleKeyboard"_s, u"Keyboard"_s, u"Ke&yboard"_s},
        {u"mnuStylePreformatted"_s, u"Preformatted"_s, u"Pre&formatted"_s},
        {u"mnuStyleSample"_s, u"Sample"_s, u"Sa&mple"_s},
        {u"mnuStyleSmall"_s, u"Small"_s, u"Sma&ll"_s},
        {u"mnuStyleStrikeout"_s, u"Strikeout"_s, u"Strike&out"_s},
        {u"mnuStyleStrong"_s, u"Strong"_s, u"St&rong"_s},
        {u"mnuStyleSubscript"_s, u"Subscript"_s, u"&Subscript"_s},
        {u"mnuStyleSuperscript"_s, u"Superscript"_s, u"Su&perscript"_s},
        {u"mnuStyleTypewriter"_s, u"Typewriter"_s, u"&Typewriter"_s},
        {u"mnuStyleUnderlined"_s, u"UnderLined"_s, u"&UnderLined"_s},
        {u"mnuStyleVariable"_s, u"Variable"_s, u"&Variable"_s},
    };
    for (const StyleTool &style : styles) {
        b.tool(style.name, style.command, style.caption,
               u"Formats the selection in the %1 style"_s.arg(style.command.toLower()));
    }

    b.tool(u"mnuEffectsDropCap"_s, u"Drop Cap"_s, u"&Drop Cap"_s,
           u"Shows the first letter of the selection as a large capital"_s);

    for (int level = 1; level <= 6; ++level) {
        b.tool(u"mnuHeading%1"_s.arg(level), u"Heading %1"_s.arg(level), u"Heading &%1"_s.arg(level),
               u"Formats the selection as a heading of level %1"_s.arg(level));
    }

    b.tool(u"mnuPositionAlignCentre"_s, u"Align Centre"_s, u"Align &Centre"_s,
           u"Centres the selection as a division"_s);
    b.tool(u"mnuPositionAlignLeft"_s, u"Align Left"_s, u"Align &Left"_s,
           u"Aligns the selection to the left as a division"_s);
    b.tool(u"mnuPositionAlignRight"_s, u"Align Right"_s, u"Align &Right"_s,
           u"Aligns the selection to the right as a division"_s);
    b.tool(u"mnuPositionCentre"_s, u"Centre"_s, u"C&entre"_s, u"Centres the selection"_s);
    b.tool(u"mnuPositionDecIndent"_s, u"Decrease Indent"_s, u"&Decrease Indent"_s,
           u"Removes one level of indent from the selection"_s);
    b.tool(u"mnuPositionIncIndent"_s, u"Increase Indent"_s, u"&Increase Indent"_s,
           u"Indents the selection by one level"_s);

    QSet<QChar> taken;
    for (const QString &colour : {u"Aqua"_s, u"Black"_s, u"Blue"_s, u"Fuchsia"_s, u"Gray"_s, u"Green"_s, u"Lime"_s,
                                  u"Maroon"_s, u"Navy"_s, u"Olive"_s, u"Purple"_s, u"Red"_s, u"Silver"_s, u"Teal"_s,
                                  u"White"_s, u"Yellow"_s}) {
        b.item(u"mnuColourItem"_s, colour, WithAccessKey(colour, taken), u"Formats the selection with this colour"_s);
    }

    b.tool(u"mnuTableQuick"_s, u"Quick Table"_s, u"&Quick Table..."_s,
           u"Builds a table from a number of rows and columns"_s);
    b.tool(u"mnuTableBlock"_s, u"Table Block"_s, u"Table &Block"_s, u"Makes the selection a table"_s);
    b.tool(u"mnuTableCaption"_s, u"Table Caption"_s, u"Table &Caption"_s,
           u"Makes the selection the caption of a table"_s);
    b.tool(u"mnuTableRow"_s, u"Table Row"_s, u"Table &Row"_s, u"Makes the selection a row of a table"_s);
    b.tool(u"mnuTableHeader"_s, u"Table Header Cell"_s, u"Table &Header Cell"_s,
           u"Makes the selection a header cell of a table"_s);
    b.tool(u"mnuTableDataCell"_s, u"Table Data Cell"_s, u"Table &Data Cell"_s,
           u"Makes the selection a data cell of a table"_s);
    b.tool(u"mnuTableAdvanced"_s, u"Advanced Table"_s, u"&Advanced Table..."_s,
           u"Builds a table with every setting or edits the selected one"_s);

    b.tool(u"mnuFramesWizard"_s, u"Frames Wizard"_s, u"&Frames Wizard..."_s,
           u"Creates a new frame set with the Frames Wizard"_s);
    b.tool(u"mnuFramesNoFrames"_s, u"No Frames"_s, u"&No Frames"_s,
           u"Makes the selection the content shown by browsers without frames"_s);
    b.tool(u"mnuFramesAdvanced"_s, u"Advanced Frames"_s, u"&Advanced Frames..."_s,
           u"Builds a frame or edits the selected one"_s);
}

void AddOptionsTools(LayoutBuilder &b)
{
    b.category(u"Options"_s);
    b.tool(u"mnuOptionsSmartUpdates"_s, u"Smart Updates"_s, u"&Smart Updates"_s,
           u"Brings smart dates and times up to date when a document is saved"_s);
    b.tool(u"mnuOptionsTemplates"_s, u"Templates"_s, u"&Templates"_s, u"Starts new documents from the template"_s);
    b.tool(u"mnuOptionsTooltips"_s, u"Tooltips"_s, u"T&ooltips"_s, u"Shows tips for the tool-bar buttons"_s);
    b.tool(u"mnuOptionsWebPageWizard"_s, u"Wizard At Start-Up"_s, u"&Wizard At Start-Up"_s,
           u"Starts the Web Page Wizard when Tavorin starts"_s);
    b.tool(u"mnuOptionsWordWrap"_s, u"Word Wrap"_s, u"Word W&rap"_s,
           u"Wraps long lines at the edge of the window"_s);
    b.tool(u"mnuOptionsRefresh"_s, u"Refresh Display"_s, u"Re&fresh Display"_s,
           u"Colours the text of the active document again"_s);
    b.tool(u"mnuOptionsPreferences"_s, u"Preferences"_s, u"&Preferences..."_s, u"Changes the preferences"_s);

    b.tool(u"mnuBrowserDefault"_s, u"View In Default Browser"_s, u"View In &Default Browser"_s,
           u"Shows the active document in the active browser"_s);
    b.tool(u"mnuViewDefault"_s, u"View In Browser"_s, u"View In &Browser"_s,
           u"Shows the active document in the active browser"_s);
    for (int i = 1; i <= 7; ++i) {
        b.tool(u"mnuBrowser%1"_s.arg(i), u"View In Browser"_s, u"Browser %1"_s.arg(i),
               u"Shows the active document in this browser"_s);
    }
    b.tool(u"mnuViewDefine"_s, u"Define/Modify Browser Settings"_s, u"Define/&Modify Browser Settings..."_s,
           u"Defines the browsers to view documents in"_s);
}

void AddHelpTools(LayoutBuilder &b)
{
    b.category(u"Help"_s);
    b.tool(u"mnuHelpContents"_s, u"Help"_s, u"&Help"_s, u"Shows the contents of the help"_s);
    b.tool(u"mnuHelpSearch"_s, u"Search For Help On..."_s, u"&Search For Help On..."_s,
           u"Searches the help for a keyword"_s);
    b.tool(u"mnuHelpRefGuide"_s, u"Reference Guide"_s, u"&Reference Guide"_s, u"Opens an HTML reference guide"_s,
           u"mnuReferenceGuide"_s);
    b.tool(u"mnuHelpAbout"_s, u"About Tavorin"_s, u"&About Tavorin..."_s,
           u"Shows the version and legal notice of Tavorin"_s);
    for (int i = 1; i <= 3; ++i) {
        b.tool(u"mnuRefGuideSystem%1"_s.arg(i), u"SystemRefGuide%1"_s.arg(i), u"Reference Guide %1"_s.arg(i),
               QString());
    }
    for (int i = 1; i <= 7; ++i) {
        b.tool(u"mnuRefGuideUser%1"_s.arg(i), u"UserRefGuide%1"_s.arg(i), u"User Reference Guide %1"_s.arg(i),
               QString());
    }
    b.tool(u"mnuRefGuideDefine"_s, u"Define/Modify Reference Settings"_s, u"Define/&Modify Reference Settings..."_s,
           u"Defines your own reference guides"_s);
}

void AddMenuTitles(LayoutBuilder &b)
{
    b.category(u"Built-In Menus"_s);
    b.tool(u"mnuMainFile"_s, u"File"_s, u"&File"_s, u"Creates, opens, saves, prints and closes documents"_s,
           u"mnuFile"_s);
    b.tool(u"mnuMainEdit"_s, u"Edit"_s, u"&Edit"_s, u"Undoes, copies, pastes, finds and replaces text"_s,
           u"mnuEdit"_s);
    b.tool(u"mnuMainInsert"_s, u"Insert"_s, u"&Insert"_s, u"Inserts tags, scripts and special text"_s,
           u"mnuInsert"_s);
    b.tool(u"mnuMainFormat"_s, u"Format"_s, u"F&ormat"_s, u"Formats the selection with tags"_s, u"mnuFormat"_s);
    b.tool(u"mnuMainOptions"_s, u"Options"_s, u"O&ptions"_s, u"Switches options and changes the preferences"_s,
           u"mnuOptions"_s);
    b.tool(u"mnuMainWindow"_s, u"Window"_s, u"&Window"_s, u"Arranges and switches document windows"_s,
           u"mnuWindow"_s);
    b.tool(u"mnuMainHelp"_s, u"Help"_s, u"&Help"_s, u"Shows help and reference guides"_s, u"mnuHelp"_s);
}

QStringList SpecialCharKeys()
{
    QStringList keys;
    for (const CharacterEntity &entity : CharacterEntities())
        keys.append(ItemKey(u"mnuSpecialCharItem"_s, entity.name));
    keys.append(ItemKey(u"mnuSpecialCharItem"_s, u"ASCII Character"_s));
    return keys;
}

QStringList ColourKeys()
{
    QStringList keys;
    for (const QString &colour : {u"Aqua"_s, u"Black"_s, u"Blue"_s, u"Fuchsia"_s, u"Gray"_s, u"Green"_s, u"Lime"_s,
                                  u"Maroon"_s, u"Navy"_s, u"Olive"_s, u"Purple"_s, u"Red"_s, u"Silver"_s, u"Teal"_s,
                                  u"White"_s, u"Yellow"_s})
        keys.append(ItemKey(u"mnuColourItem"_s, colour));
    return keys;
}

void AddBands(LayoutBuilder &b)
{
    const auto menu = BandKind::PopUp;
    const auto bar = BandKind::ToolBar;
    const QStringList headings = Numbered(u"mnuHeading"_s, 6);
    const QStringList tables{u"mnuTableQuick"_s,  u"mnuTableBlock"_s,    u"mnuTableCaption"_s,
                             u"mnuTableRow"_s,    u"mnuTableHeader"_s,   u"mnuTableDataCell"_s,
                             u"mnuTableAdvanced"_s};
    const QStringList frames{u"mnuFramesWizard"_s, u"mnuFramesNoFrames"_s, u"mnuFramesAdvanced"_s};

    b.band(u"mnuMain"_s, u"Main Menu"_s, BandKind::MenuBar,
           {u"mnuMainFile"_s, u"mnuMainEdit"_s, u"mnuMainInsert"_s, u"mnuMainFormat"_s, u"mnuMainOptions"_s,
            u"mnuMainWindow"_s, u"mnuMainHelp"_s});
    b.band(u"mnuFile"_s, u"File Menu"_s, menu,
           {u"mnuFileNew"_s, u"mnuFileNewWithWizard"_s, u"mnuFileOpen"_s, u"mnuFileClose"_s, u"mnuFileCloseAll"_s,
            u"mnuFileSave"_s, u"mnuFilesaveAs"_s, u"mnuFileSaveAll"_s, u"mnuFileView"_s, u"mnuFilePrint"_s,
            u"mnuFileEditTemplate"_s, u"mnuFileExit"_s});
    b.band(u"tbarStandard"_s, u"Standard"_s, bar,
           {u"mnuFileWebPageWizard"_s, u"mnuFileNew"_s, u"mnuFileOpen"_s, u"mnuFileSave"_s, u"mnuEditCut"_s,
            u"mnuEditCopy"_s, u"mnuEditPaste"_s, u"mnuFormatBold"_s, u"mnuFormatItalic"_s, u"mnuPositionCentre"_s,
            u"mnuFormatList"_s, u"mnuPositionDecIndent"_s, u"mnuPositionIncIndent"_s, u"mnuBreakLineBreak"_s,
            u"mnuBreakParaBreak"_s, u"mnuFileView"_s, u"mnuHelpContents"_s},
           DockArea::Top, 0);
    b.band(u"mnuEdit"_s, u"Edit Menu"_s, menu,
           {u"mnuEditUndo"_s, u"mnuEditCut"_s, u"mnuEditCopy"_s, u"mnuEditPaste"_s, u"mnuEditDelete"_s,
            u"mnuEditSelectAll"_s, u"mnuEditFind"_s, u"mnuEditFindNext"_s, u"mnuEditReplace"_s,
            u"mnuEditLowerCasePaths"_s});
    b.band(u"mnuWindow"_s, u"Window Menu"_s, menu,
           {u"mnuWindowTileHoriz"_s, u"mnuWindowTileVert"_s, u"mnuWindowCascade"_s, u"mnuWindowArrange"_s,
            u"mnuWindowMinimizeAll"_s});
    b.band(u"mnuInsert"_s, u"Insert Menu"_s, menu,
           {u"mnuInsertBreak"_s, u"mnuInsertEmailLink"_s, u"mnuInsertEmbImage"_s, u"mnuInsertHorRule"_s,
            u"mnuInsertPageSound"_s, u"mnuInsertPageStructure"_s, u"mnuInsertPageTextSize"_s,
            u"mnuInsertTimerAutoLoad"_s, u"mnuInsertDateTime"_s, u"mnuInsertJavaScript"_s, u"mnuInsertMeta"_s,
            u"mnuInsertPreForm"_s, u"mnuInsertSpecialChar"_s, u"mnuInsertUserInfo"_s, u"mniInsertFile"_s});
    b.band(u"mnuFormat"_s, u"Format Menu"_s, menu,
           {u"mnuFormatAppearance"_s, u"mnuFormatCase"_s, u"mnuFormatColour"_s, u"mnuFormatEffects"_s,
            u"mnuFormatHeading"_s, u"mnuFormatPosition"_s, u"mnuFormatStyle"_s, u"mnuInsertAnchor"_s,
            u"mnuInsertComment"_s, u"mnuFormatFrames"_s, u"mnuFormatLink"_s, u"mnuFormatList"_s,
            u"mnuPageStructureTitle"_s, u"mnuFormatTable"_s, u"mnuFormatRemoveAll"_s});
    b.band(u"mnuHelp"_s, u"Help Menu"_s, menu,
           {u"mnuHelpContents"_s, u"mnuHelpSearch"_s, u"mnuHelpRefGuide"_s, u"mnuHelpAbout"_s});
    b.band(u"mnuOptions"_s, u"Options Menu"_s, menu,
           {u"mnuOptionsSmartUpdates"_s, u"mnuOptionsTemplates"_s, u"mnuOptionsTooltips"_s,
            u"mnuOptionsWebPageWizard"_s, u"mnuOptionsWordWrap"_s, u"mnuOptionsRefresh"_s,
            u"mnuOptionsPreferences"_s});
    b.band(u"mnuView"_s, u"View Menu"_s, menu,
           QStringList{u"mnuBrowserDefault"_s, u"mnuViewDefault"_s} + Numbered(u"mnuBrowser"_s, 7)
               + QStringList{u"mnuViewDefine"_s});
    b.band(u"mnuReferenceGuide"_s, u"Reference Guide Menu"_s, menu,
           Numbered(u"mnuRefGuideSystem"_s, 3) + Numbered(u"mnuRefGuideUser"_s, 7)
               + QStringList{u"mnuRefGuideDefine"_s});
    b.band(u"tbarWebPage"_s, u"Web Page"_s, bar,
           {u"mnuFormatAppearance"_s, u"mnuFormatTable"_s, u"mnuFormatLink"_s, u"mnuInsertEmailLink"_s,
            u"mnuInsertEmbImage"_s, u"mnuInsertHorRule"_s, u"mnuInsertPageStructure"_s, u"mnuInsertTimerAutoLoad"_s,
            u"mnuPageStructureTitle"_s, u"mnuPageStructureBody"_s, u"mnuInsertPageSound"_s,
            u"mnuInsertPageTextSize"_s, u"mnuInsertAnchor"_s, u"mnuInsertComment"_s, u"mnuFormatRemoveAll"_s},
           DockArea::Top, 1);
    b.band(u"mnuBreak"_s, u"Break Menu"_s, menu,
           {u"mnuBreakLineBreak"_s, u"mnuBreakParaBreak"_s, u"mnuBreakNoBreak"_s, u"mnuBreakWordBreak"_s});
    b.band(u"mnuMeta"_s, u"Meta Menu"_s, menu,
           {u"mnuMetaAuthor"_s, u"mnuMetaContentType"_s, u"mnuMetaDescription"_s, u"mnuMetaGenerator"_s,
            u"mnuMetaKeywords"_s, u"mnuMetaRefresh"_s});
    b.band(u"mnuPageStructure"_s, u"Page Structure Menu"_s, menu,
           {u"mnuPageStructureHTML"_s, u"mnuPageStructureHead"_s, u"mnuPageStructureTitle"_s,
            u"mnuPageStructureHeadEnd"_s, u"mnuPageStructureBody"_s, u"mnuPageStructureBodyEnd"_s,
            u"mnuPageStructureHTMLEnd"_s, u"mnuPageStructureCheck"_s});
    b.band(u"mnuList"_s, u"List Menu"_s, menu,
           {u"mnuListDefinitionList"_s, u"mnuListDefListDesc"_s, u"mnuListDefListTerm"_s,
            u"mnuListDirectoryList"_s, u"mnuListMenuList"_s, u"mnuListOrderedList"_s, u"mnuListUnorderedList"_s,
            u"mnuListItem"_s});
    b.band(u"mnuListOrdered"_s, u"Ordered List Menu"_s, menu,
           {u"mnuOrderedNumb"_s, u"mnuOrderedLLetters"_s, u"mnuOrderedULetters"_s, u"mnuOrderedLRoman"_s,
            u"mnuOrderedURoman"_s});
    b.band(u"mnuCase"_s, u"Case Menu"_s, menu, {u"mnuCaseLower"_s, u"mnuCaseTitle"_s, u"mnuCaseUpper"_s});
    b.band(u"mnuStyle"_s, u"Style Menu"_s, menu,
           {u"mnuStyleAddress"_s, u"mnuStyleBig"_s, u"mnuStyleBlinking"_s, u"mnuStyleBlockquote"_s,
            u"mnuFormatBold"_s, u"mnuStyleCitation"_s, u"mnuStyleCode"_s, u"mnuStyleEmphasised"_s,
            u"mnuFormatItalic"_s, u"mnuStyleKeyboard"_s, u"mnuStylePreformatted"_s, u"mnuStyleSample"_s,
            u"mnuStyleSmall"_s, u"mnuStyleStrikeout"_s, u"mnuStyleStrong"_s, u"mnuStyleSubscript"_s,
            u"mnuStyleSuperscript"_s, u"mnuStyleTypewriter"_s, u"mnuStyleUnderlined"_s, u"mnuStyleVariable"_s});
    b.band(u"mnuEffects"_s, u"Effects Menu"_s, menu, {u"mnuEffectsDropCap"_s});
    b.band(u"mnuHeading"_s, u"Heading Menu"_s, menu, headings);
    b.band(u"tbarHeadings"_s, u"Headings"_s, bar, headings, DockArea::Top, 2);
    b.band(u"mnuPosition"_s, u"Position Menu"_s, menu,
           {u"mnuPositionAlignCentre"_s, u"mnuPositionAlignLeft"_s, u"mnuPositionAlignRight"_s,
            u"mnuPositionCentre"_s, u"mnuPositionDecIndent"_s, u"mnuPositionIncIndent"_s});
    b.band(u"mnuDateTime"_s, u"Date/Time Menu"_s, menu,
           {u"mnuDateTimeCurrentDate"_s, u"mnuDateTimeDateAndTime"_s, u"mnuDateTimeCurrentTime"_s,
            u"mnuDateTimeSmartDate"_s, u"mnuDateTimeSmartTime"_s, u"mnuDateTimeSmartYear"_s});
    b.band(u"mnuJavaScript"_s, u"JavaScript Menu"_s, menu,
           {u"mnuJavaScriptFunctionOutline"_s, u"mnuJavaScriptJavaScriptOutline"_s, u"mnuJavaScriptDateTime"_s,
            u"mnuJavaScriptDialogMessage"_s, u"mnuJavaScriptScreenFade"_s, u"mnuJavaScriptScrollMess"_s,
            u"mnuJavaScriptStatusClock"_s, u"mnuJavaScriptSystemInfo"_s});
    b.band(u"mnuPredefined"_s, u"Pre-Defined Menu"_s, menu,
           {u"mnuPreFormEMail"_s, u"mnuPreLinkSearchEngine"_s, u"mnuPreLinkTavorin"_s});
    b.band(u"mnuUserInfo"_s, u"User Info Menu"_s, menu,
           {u"mnuUserInfoCompanyName"_s, u"mnuUserInfoEmailAddress"_s, u"mnuUserInfoEmailLink"_s,
            u"mnuUserInfoHomeAddress"_s, u"mnuUserInfoHomeLink"_s, u"mnuUserInfoUserName"_s});
    b.band(u"mnuSpecialChar"_s, u"Special Character Menu"_s, menu, SpecialCharKeys());
    b.band(u"mnuColour"_s, u"Colour Menu"_s, menu, ColourKeys());
    b.band(u"mnuPopUpEdit"_s, u"Context Menu"_s, menu,
           {u"mnuEditUndo"_s, u"mnuEditCut"_s, u"mnuEditCopy"_s, u"mnuEditPaste"_s, u"mnuEditDelete"_s,
            u"mnuEditSelectAll"_s, u"mnuFormatAppearance"_s, u"mnuEditFind"_s, u"mnuContextEdit"_s});
    b.band(u"mnuTable"_s, u"Table Menu"_s, menu, tables);
    b.band(u"tbarTable"_s, u"Table"_s, bar, tables, DockArea::Top, 2);
    b.band(u"mnuFrames"_s, u"Frames Menu"_s, menu, frames);
    b.band(u"tbarFrames"_s, u"Frames"_s, bar, frames, DockArea::Top, 2);
    b.band(u"mnuWizard"_s, u"Wizard Menu"_s, menu, {u"mnuFramesWizard"_s, u"mnuFileWebPageWizard"_s});
}

} // namespace

BarLayout BuiltInLayout()
{
    LayoutBuilder b;
    AddMenuTitles(b);
    AddFileTools(b);
    AddEditTools(b);
    AddWindowTools(b);
    AddInsertTools(b);
    AddFormatTools(b);
    AddOptionsTools(b);
    AddHelpTools(b);
    AddBands(b);

    // Separators: a tool that begins a group does so in every band it stands in.
    b.beginGroups({u"mnuFileClose"_s, u"mnuFileSave"_s, u"mnuFileView"_s, u"mnuFileEditTemplate"_s,
                   u"mnuFileExit"_s, u"mnuEditCut"_s, u"mnuEditSelectAll"_s, u"mnuEditFind"_s,
                   u"mnuEditLowerCasePaths"_s, u"mnuContextEdit"_s, u"mnuPositionCentre"_s,
                   u"mnuBreakLineBreak"_s, u"mnuHelpContents"_s, u"mnuInsertPageStructure"_s,
                   u"mnuInsertDateTime"_s, u"mniInsertFile"_s, u"mnuInsertAnchor"_s, u"mnuFormatLink"_s,
                   u"mnuFormatRemoveAll"_s, u"mnuPageStructureCheck"_s, u"mnuPageStructureHeadEnd"_s,
                   u"mnuPageStructureBodyEnd"_s, u"mnuListItem"_s, u"mnuDateTimeSmartDate"_s,
                   u"mnuJavaScriptDateTime"_s, u"mnuHelpAbout"_s, u"mnuOptionsRefresh"_s, u"mnuBrowser1"_s,
                   u"mnuViewDefine"_s, u"mnuRefGuideUser1"_s, u"mnuRefGuideDefine"_s, u"mnuTableAdvanced"_s,
                   u"mnuFramesAdvanced"_s, u"mnuUserInfoHomeAddress"_s,
                   ItemKey(u"mnuSpecialCharItem"_s, u"ASCII Character"_s)});
    // Browsers and reference guides show once they are defined.
    b.hide(Numbered(u"mnuBrowser"_s, 7) + Numbered(u"mnuRefGuideSystem"_s, 3) + Numbered(u"mnuRefGuideUser"_s, 7));

    const QStringList code1 =
        QStringList{u"mnuMainFile"_s, u"mnuMainEdit"_s, u"mnuMainInsert"_s, u"mnuMainFormat"_s, u"mnuMainOptions"_s,
                    u"mnuMainWindow"_s, u"mnuMainHelp"_s,
                    // sub-menu openers
                    u"mnuInsertBreak"_s, u"mnuInsertPageStructure"_s, u"mnuInsertDateTime"_s,
                    u"mnuInsertJavaScript"_s, u"mnuInsertMeta"_s, u"mnuInsertPreForm"_s, u"mnuInsertSpecialChar"_s,
                    u"mnuInsertUserInfo"_s, u"mnuFormatCase"_s, u"mnuFormatColour"_s, u"mnuFormatEffects"_s,
                    u"mnuFormatHeading"_s, u"mnuFormatPosition"_s, u"mnuFormatStyle"_s, u"mnuFormatFrames"_s,
                    u"mnuFormatTable"_s, u"mnuFormatList"_s, u"mnuListOrderedList"_s, u"mnuHelpRefGuide"_s,
                    // usable without a document
                    u"mnuFileNew"_s, u"mnuFileNewWithWizard"_s, u"mnuFileOpen"_s, u"mnuFileEditTemplate"_s,
                    u"mnuFileExit"_s, u"mnuFileWebPageWizard"_s, u"mnuFramesWizard"_s, u"mnuHelpContents"_s,
                    u"mnuHelpSearch"_s, u"mnuHelpAbout"_s, u"mnuOptionsSmartUpdates"_s, u"mnuOptionsTemplates"_s,
                    u"mnuOptionsTooltips"_s, u"mnuOptionsWebPageWizard"_s, u"mnuOptionsWordWrap"_s,
                    u"mnuOptionsPreferences"_s}
        + Numbered(u"mnuRefGuideSystem"_s, 3) + Numbered(u"mnuRefGuideUser"_s, 7) + Numbered(u"mnuFileRecent"_s, 9);
    const QStringList code2{u"mnuEditCut"_s,       u"mnuEditCopy"_s,      u"mnuEditPaste"_s,
                            u"mnuEditUndo"_s,      u"mnuEditDelete"_s,    u"mnuEditSelectAll"_s,
                            u"mnuEditFind"_s,      u"mnuEditFindNext"_s,  u"mnuEditReplace"_s,
                            u"mnuEditLowerCasePaths"_s};
    return b.finish(code1, code2);
}

} // namespace tavorin
