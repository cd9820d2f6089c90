#include "app/toolicons.h"

namespace tavorin {

using namespace Qt::StringLiterals;

const QList<ToolIcon> &ToolIcons()
{
    static const QList<ToolIcon> icons{
        {u"mnuFileNew"_s, u"document-new"_s},
        {u"mnuFileOpen"_s, u"document-open"_s},
        {u"mnuFileClose"_s, u"document-close"_s},
        {u"mnuFileSave"_s, u"document-save"_s},
        {u"mnuFilesaveAs"_s, u"document-save-as"_s},
        {u"mnuFileSaveAll"_s, u"document-save-all"_s},
        {u"mnuFilePrint"_s, u"document-print"_s},
        {u"mnuFileView"_s, u"internet-web-browser"_s},
        {u"mnuFileExit"_s, u"application-exit"_s},
        {u"mnuFileWebPageWizard"_s, u"tools-wizard"_s},
        {u"mnuFramesWizard"_s, u"tools-wizard"_s},
        {u"mnuEditUndo"_s, u"edit-undo"_s},
        {u"mnuEditCut"_s, u"edit-cut"_s},
        {u"mnuEditCopy"_s, u"edit-copy"_s},
        {u"mnuEditPaste"_s, u"edit-paste"_s},
        {u"mnuEditDelete"_s, u"edit-delete"_s},
        {u"mnuEditSelectAll"_s, u"edit-select-all"_s},
        {u"mnuEditFind"_s, u"edit-find"_s},
        {u"mnuEditReplace"_s, u"edit-find-replace"_s},
        {u"mnuFormatBold"_s, u"format-text-bold"_s},
        {u"mnuFormatItalic"_s, u"format-text-italic"_s},
        {u"mnuStyleUnderlined"_s, u"format-text-underline"_s},
        {u"mnuStyleStrikeout"_s, u"format-text-strikethrough"_s},
        {u"mnuStyleSubscript"_s, u"format-text-subscript"_s},
        {u"mnuStyleSuperscript"_s, u"format-text-superscript"_s},
        {u"mnuCaseLower"_s, u"format-text-lowercase"_s},
        {u"mnuCaseUpper"_s, u"format-text-uppercase"_s},
        {u"mnuCaseTitle"_s, u"format-text-capitalize"_s},
        {u"mnuFormatColour"_s, u"format-text-color"_s},
        {u"mnuPositionCentre"_s, u"format-justify-center"_s},
        {u"mnuPositionAlignCentre"_s, u"format-justify-center"_s},
        {u"mnuPositionAlignLeft"_s, u"format-justify-left"_s},
        {u"mnuPositionAlignRight"_s, u"format-justify-right"_s},
        {u"mnuPositionDecIndent"_s, u"format-indent-less"_s},
        {u"mnuPositionIncIndent"_s, u"format-indent-more"_s},
        {u"mnuFormatList"_s, u"format-list-unordered"_s},
        {u"mnuListUnorderedList"_s, u"format-list-unordered"_s},
        {u"mnuListOrderedList"_s, u"format-list-ordered"_s},
        {u"mnuFormatTable"_s, u"insert-table"_s},
        {u"mnuFormatLink"_s, u"insert-link"_s},
        {u"mnuInsertEmailLink"_s, u"mail-message-new"_s},
        {u"mnuInsertEmbImage"_s, u"insert-image"_s},
        {u"mnuInsertHorRule"_s, u"insert-horizontal-rule"_s},
        {u"mnuInsertPageSound"_s, u"audio-x-generic"_s},
        {u"mnuInsertAnchor"_s, u"anchor"_s},
        {u"mnuInsertComment"_s, u"edit-comment"_s},
        {u"mnuInsertSpecialChar"_s, u"character-set"_s},
        {u"mnuInsertDateTime"_s, u"view-calendar"_s},
        {u"mnuFormatRemoveAll"_s, u"edit-clear-all"_s},
        {u"mnuPageStructureCheck"_s, u"tools-check-spelling"_s},
        {u"mnuOptionsRefresh"_s, u"view-refresh"_s},
        {u"mnuOptionsPreferences"_s, u"preferences-system"_s},
        {u"mnuHelpContents"_s, u"help-contents"_s},
        {u"mnuHelpAbout"_s, u"help-about"_s},
    };
    return icons;
}

QString ToolIconName(const QString &toolName)
{
    for (const ToolIcon &icon : ToolIcons()) {
        if (icon.toolName == toolName)
            return icon.iconName;
    }
    return {};
}

} // namespace tavorin
