#include "app/toolmodel.h"

#include "app/textrules.h"
#include "settings/preferences.h"
#include "settings/paths.h"

#include <QSet>

#include <utility>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

const QString RecentPrefix = u"mnuFileRecent"_s;
const QString WindowItemName = u"WindowListItem"_s;
constexpr int MaxRecentFiles = 9;
constexpr int ActiveWindowIdentifier = 20002;
constexpr int OtherWindowIdentifier = 20001;

} // namespace

QString ItemKey(const QString &name, const QString &commandText)
{
    return name + u'|' + commandText;
}

QChar AccessKeyOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return QChar();
}

QString EscapeAmpersands(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u"&"_s, u"&&"_s);
}

QString PlainCaption(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&')
                plain += u'&';
            ++i;
            if (i < caption.size() && caption[i] != u'&')
                plain += caption[i];
            continue;
        }
        plain += caption[i];
    }
    return plain;
}

namespace {

// No menu of the program nests this deep; a layout that does is damaged.
constexpr int MaxSubMenuDepth = 32;

// Walks the sub-menus from every band with a stack of its own (a layout
// file may chain tens of thousands of bands, far deeper than the call stack
// goes): a band that opens a band still open on the way there would open
// itself for ever, and menus nested beyond any use are refused as damage.
QString SubMenuProblem(const QList<Band> &bands, const QHash<QString, QStringList> &opens)
{
    struct Step {
        QString band;
        qsizetype next = 0; // the next of its sub-bands to visit
    };
    QSet<QString> open;
    QHash<QString, int> depthOf; // bands done: how many menus deep they reach
    for (const Band &start : bands) {
        if (depthOf.contains(start.name))
            continue;
        QList<Step> path{{start.name}};
        open.insert(start.name);
        while (!path.isEmpty()) {
            Step &step = path.last();
            const QStringList subs = opens.value(step.band);
            if (step.next < subs.size()) {
                const QString sub = subs[step.next++];
                if (open.contains(sub))
                    return u"the band \"%1\" opens itself again"_s.arg(start.name);
                if (!depthOf.contains(sub)) {
                    open.insert(sub);
                    path.append({sub});
                }
                continue;
            }
            int depth = 1;
            for (const QString &sub : subs)
                depth = qMax(depth, depthOf.value(sub) + 1);
            if (depth > MaxSubMenuDepth)
                return u"the band \"%1\" nests sub-menus more than %2 deep"_s.arg(step.band)
                    .arg(MaxSubMenuDepth);
            depthOf.insert(step.band, depth);
            open.remove(step.band);
            path.removeLast();
        }
    }
    return {};
}

} // namespace

QString LayoutProblem(const BarLayout &layout)
{
    QSet<QString> keys;
    for (const Tool &tool : layout.tools) {
        if (tool.key.isEmpty() || tool.name.isEmpty())
            return u"a tool without a name"_s;
        if (keys.contains(tool.key))
            return u"the tool \"%1\" is listed twice"_s.arg(tool.key);
        keys.insert(tool.key);
    }
    QSet<QString> bandNames;
    for (const Band &band : layout.bands) {
        if (band.name.isEmpty())
            return u"a band without a name"_s;
        if (bandNames.contains(band.name))
            return u"the band \"%1\" is listed twice"_s.arg(band.name);
        bandNames.insert(band.name);
        QSet<QString> inBand;
        for (const QString &key : band.tools) {
            if (!keys.contains(key))
                return u"the band \"%1\" holds the unknown tool \"%2\""_s.arg(band.name, key);
            if (inBand.contains(key))
                return u"the band \"%1\" holds \"%2\" twice"_s.arg(band.name, key);
            inBand.insert(key);
        }
    }
    if (!bandNames.contains(u"mnuMain"_s))
        return u"the menu bar band \"mnuMain\" is missing"_s;

    // Sub-bands must exist and must never lead back to a band that is
    // already open on the way there: that menu would open itself for ever.
    QHash<QString, QStringList> opens;
    for (const Tool &tool : layout.tools) {
        if (tool.subBand.isEmpty())
            continue;
        if (!bandNames.contains(tool.subBand))
            return u"the tool \"%1\" opens the unknown band \"%2\""_s.arg(tool.key, tool.subBand);
    }
    QHash<QString, const Tool *> toolOf;
    for (const Tool &tool : layout.tools)
        toolOf.insert(tool.key, &tool);
    for (const Band &band : layout.bands) {
        for (const QString &key : band.tools) {
            const QString &sub = toolOf.value(key)->subBand;
            if (!sub.isEmpty())
                opens[band.name].append(sub);
        }
    }
    return SubMenuProblem(layout.bands, opens);
}

// ---- ToolModel -------------------------------------------------------------

ToolModel::ToolModel(QObject *parent)
    : QObject(parent)
{
}

ToolModel::ToolModel(BarLayout layout, QObject *parent)
    : QObject(parent)
    , m_layout(std::move(layout))
{
}

ToolModel::~ToolModel() = default;

void ToolModel::ReplaceLayout(BarLayout layout)
{
    m_layout = std::move(layout);
    Q_EMIT layoutReplaced();
}

const Tool *ToolModel::ToolByKey(const QString &key) const
{
    for (const Tool &tool : m_layout.tools) {
        if (tool.key == key)
            return &tool;
    }
    return nullptr;
}

Tool *ToolModel::toolByKey(const QString &key)
{
    return const_cast<Tool *>(std::as_const(*this).ToolByKey(key));
}

const Tool *ToolModel::FindTool(const QString &name) const
{
    if (const Tool *tool = ToolByKey(name); tool && tool->name == name)
        return tool;
    for (const Tool &tool : m_layout.tools) {
        if (tool.name == name)
            return &tool;
    }
    return nullptr;
}

QList<const Tool *> ToolModel::ToolsNamed(const QString &name) const
{
    QList<const Tool *> found;
    for (const Tool &tool : m_layout.tools) {
        if (tool.name == name)
            found.append(&tool);
    }
    return found;
}

bool ToolModel::AddTool(Tool tool)
{
    if (tool.key.isEmpty())
        tool.key = tool.name;
    if (tool.key.isEmpty() || ToolByKey(tool.key))
        return false;
    m_layout.tools.append(std::move(tool));
    return true;
}

bool ToolModel::RemoveTool(const QString &key)
{
    const QStringList holders = BandsHolding(key);
    for (const QString &bandName : holders)
        RemoveFromBand(bandName, key);
    for (qsizetype i = 0; i < m_layout.tools.size(); ++i) {
        if (m_layout.tools[i].key == key) {
            m_layout.tools.removeAt(i);
            return true;
        }
    }
    return false;
}

bool ToolModel::ChangeTool(const QString &key, const std::function<void(Tool &)> &edit)
{
    Tool *tool = toolByKey(key);
    if (!tool)
        return false;
    const Tool before = *tool;
    edit(*tool);
    tool->key = before.key;
    if (tool->beginsGroup != before.beginsGroup || tool->subBand != before.subBand)
        announceBandsHolding(key);
    else
        Q_EMIT toolChanged(key);
    return true;
}

void ToolModel::announceBandsHolding(const QString &key)
{
    const QStringList holders = BandsHolding(key);
    for (const QString &bandName : holders)
        Q_EMIT bandChanged(bandName);
    if (holders.isEmpty())
        Q_EMIT toolChanged(key);
}

const Band *ToolModel::FindBand(const QString &name) const
{
    for (const Band &band : m_layout.bands) {
        if (band.name == name)
            return &band;
    }
    return nullptr;
}

Band *ToolModel::band(const QString &name)
{
    return const_cast<Band *>(std::as_const(*this).FindBand(name));
}

QStringList ToolModel::BandNames() const
{
    QStringList names;
    for (const Band &band : m_layout.bands)
        names.append(band.name);
    return names;
}

QList<const Tool *> ToolModel::ToolsOfBand(const QString &bandName) const
{
    QList<const Tool *> tools;
    if (const Band *found = FindBand(bandName)) {
        for (const QString &key : found->tools) {
            if (const Tool *tool = ToolByKey(key))
                tools.append(tool);
        }
    }
    return tools;
}

QStringList ToolModel::BandsHolding(const QString &key) const
{
    QStringList holders;
    for (const Band &band : m_layout.bands) {
        if (band.tools.contains(key))
            holders.append(band.name);
    }
    return holders;
}

bool ToolModel::InsertInBand(const QString &bandName, const QString &key, int position)
{
    Band *target = band(bandName);
    if (!target || !ToolByKey(key) || target->tools.contains(key))
        return false;
    if (position < 0 || position > target->tools.size())
        position = int(target->tools.size());
    target->tools.insert(position, key);
    Q_EMIT bandChanged(bandName);
    return true;
}

bool ToolModel::RemoveFromBand(const QString &bandName, const QString &key)
{
    Band *target = band(bandName);
    if (!target || !target->tools.removeOne(key))
        return false;
    Q_EMIT bandChanged(bandName);
    return true;
}

bool ToolModel::SetBandPlace(const QString &bandName, bool visible, DockArea area, int line)
{
    Band *target = band(bandName);
    if (!target)
        return false;
    target->visible = visible;
    target->area = area;
    target->line = qMax(0, line);
    return true;
}

bool ToolModel::changeNamed(const QString &name, const std::function<void(Tool &)> &edit)
{
    QStringList keys;
    for (const Tool &tool : m_layout.tools) {
        if (tool.name == name)
            keys.append(tool.key);
    }
    for (const QString &key : keys)
        ChangeTool(key, edit);
    return !keys.isEmpty();
}

bool ToolModel::SetEnabled(const QString &name, bool enabled)
{
    return changeNamed(name, [enabled](Tool &tool) { tool.enabled = enabled; });
}

bool ToolModel::SetChecked(const QString &name, bool checked)
{
    return changeNamed(name, [checked](Tool &tool) { tool.checked = checked; });
}

bool ToolModel::SetVisible(const QString &name, bool visible)
{
    return changeNamed(name, [visible](Tool &tool) { tool.visible = visible; });
}

bool ToolModel::SetCaption(const QString &name, const QString &caption)
{
    return changeNamed(name, [&caption](Tool &tool) { tool.caption = caption; });
}

bool ToolModel::SetDescription(const QString &name, const QString &description)
{
    return changeNamed(name, [&description](Tool &tool) { tool.description = description; });
}

bool ToolModel::SetCommandText(const QString &name, const QString &commandText)
{
    return changeNamed(name, [&commandText](Tool &tool) { tool.commandText = commandText; });
}

bool ToolModel::IsEnabled(const QString &name) const
{
    const Tool *tool = FindTool(name);
    return tool && tool->enabled;
}

bool ToolModel::IsChecked(const QString &name) const
{
    const Tool *tool = FindTool(name);
    return tool && tool->checked;
}

// ---- Tool-state rules --------------------------------------------------

void SetDocumentToolsEnabled(ToolModel &model, bool enabled)
{
    QStringList code0;
    QStringList code2;
    for (const Tool &tool : model.layout().tools) {
        if (tool.documentCode == 0 && tool.enabled != enabled)
            code0.append(tool.key);
        else if (tool.documentCode == 2 && !enabled && tool.enabled)
            code2.append(tool.key);
    }
    for (const QString &key : std::as_const(code0))
        model.ChangeTool(key, [enabled](Tool &tool) { tool.enabled = enabled; });
    for (const QString &key : std::as_const(code2))
        model.ChangeTool(key, [](Tool &tool) { tool.enabled = false; });
}

void UpdateSelectionTools(ToolModel &model, bool hasSelection)
{
    // The selection changes all the time, so tools that already agree are
    // left alone. All five are compared, not Copy alone: the case tools are
    // switched on with the first document while Copy stays off, and must not
    // be left enabled without a selection.
    const QStringList names{u"mnuEditCopy"_s, u"mnuEditCut"_s, u"mnuCaseLower"_s, u"mnuCaseUpper"_s,
                            u"mnuCaseTitle"_s};
    for (const QString &name : names) {
        if (model.FindTool(name) && model.IsEnabled(name) != hasSelection)
            model.SetEnabled(name, hasSelection);
    }
}

void UpdateTextTools(ToolModel &model, bool textNotEmpty)
{
    for (const QString &name : {u"mnuEditDelete"_s, u"mnuEditFind"_s, u"mnuEditFindNext"_s, u"mnuEditReplace"_s,
                                u"mnuEditSelectAll"_s, u"mnuEditLowerCasePaths"_s})
        model.SetEnabled(name, textNotEmpty);
}

void UpdateUndoTool(ToolModel &model, bool canUndo)
{
    model.SetEnabled(u"mnuEditUndo"_s, canUndo);
}

void UpdatePasteTool(ToolModel &model, bool clipboardHasText)
{
    model.SetEnabled(u"mnuEditPaste"_s, clipboardHasText);
}

void UpdateTemplateTool(ToolModel &model, const QString &templateLocation)
{
    model.SetEnabled(u"mnuFileEditTemplate"_s, !templateLocation.isEmpty());
}

void UpdateOptionChecks(ToolModel &model, const Preferences &prefs)
{
    model.SetChecked(u"mnuOptionsTemplates"_s, prefs.TemplatesOn);
    model.SetChecked(u"mnuOptionsWebPageWizard"_s, prefs.PageWizard);
    model.SetChecked(u"mnuOptionsSmartUpdates"_s, prefs.SmartUpdates);
    model.SetChecked(u"mnuOptionsTooltips"_s, prefs.ToolTips);
    model.SetChecked(u"mnuOptionsWordWrap"_s, prefs.WordWrap);
}

void UpdateFileMenuTools(ToolModel &model, int documentCount)
{
    model.SetEnabled(u"mnuFileCloseAll"_s, documentCount >= 2);
    model.SetEnabled(u"mnuFileSaveAll"_s, documentCount >= 2);
}

namespace {

// Shows a named entry (browser, guide) in its tool, or hides the tool.
void ShowEntryTool(ToolModel &model, const QString &toolName, const QString &name, const QString &location,
                   bool locationAsDescription)
{
    const bool shown = !name.isEmpty() && !location.isEmpty();
    model.ChangeTool(toolName, [&](Tool &tool) {
        tool.visible = shown;
        if (!shown)
            return;
        tool.caption = EscapeAmpersands(name);
        if (locationAsDescription)
            tool.description = location;
    });
}

} // namespace

void UpdateBrowserTools(ToolModel &model, const Preferences &prefs)
{
    for (int i = 1; i <= 7; ++i) {
        const LocationEntry &entry = prefs.Browsers[std::size_t(i)];
        ShowEntryTool(model, u"mnuBrowser%1"_s.arg(i), entry.name, entry.location, false);
    }
}

void UpdateUserGuideTools(ToolModel &model, const Preferences &prefs)
{
    for (int i = 1; i <= 7; ++i) {
        const bool stored = std::size_t(i) < prefs.Guides.size();
        const LocationEntry entry = stored ? prefs.Guides[std::size_t(i)] : LocationEntry{};
        ShowEntryTool(model, u"mnuRefGuideUser%1"_s.arg(i), entry.name, entry.location, true);
    }
}

void SetSystemGuideTools(ToolModel &model, const QStringList &names, const QStringList &locations)
{
    for (int i = 1; i <= 3; ++i) {
        const QString name = names.value(i - 1).left(30);
        const QString location = locations.value(i - 1);
        const QString toolName = u"mnuRefGuideSystem%1"_s.arg(i);
        model.ChangeTool(toolName, [&](Tool &tool) {
            tool.visible = !name.isEmpty() && !location.isEmpty();
            if (!tool.visible)
                return;
            tool.caption = EscapeAmpersands(name);
            tool.description = location;
        });
    }
}

// ---- Lists built at run time ---------------------------------------------

void BuildRecentFileTools(ToolModel &model, const QStringList &paths)
{
    const QString fileBand = u"mnuFile"_s;
    const Band *band = model.FindBand(fileBand);
    if (!band)
        return;
    const QStringList keys = band->tools;
    for (const QString &key : keys) {
        const Tool *tool = model.ToolByKey(key);
        if (tool && (tool->name.chopped(1) == RecentPrefix || tool->name == u"mnuFileExit"_s))
            model.RemoveFromBand(fileBand, key);
    }
    for (int i = 1; i <= MaxRecentFiles && i <= paths.size(); ++i) {
        const QString &path = paths[i - 1];
        if (path.isEmpty())
            break;
        const QString name = RecentPrefix + QString::number(i);
        if (!model.ToolByKey(name)) {
            Tool tool;
            tool.name = name;
            tool.category = u"File"_s;
            tool.description = u"Open this document"_s;
            tool.documentCode = 1;
            model.AddTool(tool);
        }
        model.ChangeTool(name, [&](Tool &tool) {
            tool.caption = u"&%1 "_s.arg(i) + EscapeAmpersands(ShortenPath(path));
            tool.commandText = path;
            tool.tag = path;
            tool.beginsGroup = (i == 1);
            tool.visible = true;
        });
        model.InsertInBand(fileBand, name);
    }
    model.InsertInBand(fileBand, u"mnuFileExit"_s);
}

void BuildWindowList(ToolModel &model, const QStringList &documentCaptions, int activeIndex)
{
    const QString windowBand = u"mnuWindow"_s;
    const QList<const Tool *> old = model.ToolsNamed(WindowItemName);
    QStringList oldKeys;
    for (const Tool *tool : old)
        oldKeys.append(tool->key);
    for (const QString &key : std::as_const(oldKeys))
        model.RemoveTool(key);
    for (int i = 1; i <= documentCaptions.size(); ++i) {
        Tool tool;
        tool.name = WindowItemName;
        tool.commandText = u"Window%1"_s.arg(i);
        tool.key = ItemKey(tool.name, tool.commandText);
        tool.tag = tool.commandText;
        tool.category = u"Window"_s;
        const QString shown = EscapeAmpersands(documentCaptions[i - 1]);
        tool.caption = i < 10 ? u"&%1 "_s.arg(i) + shown : shown;
        tool.description = u"Switches to the window containing this document"_s;
        tool.identifier = (i - 1 == activeIndex) ? ActiveWindowIdentifier : OtherWindowIdentifier;
        tool.checked = (i - 1 == activeIndex);
        tool.beginsGroup = (i == 1);
        tool.documentCode = 1;
        const QString key = tool.key;
        model.AddTool(std::move(tool));
        model.InsertInBand(windowBand, key);
    }
}

ContextEditChoice ContextEditFor(const QString &selectedText)
{
    const QString sel = TrimSpaces(selectedText);
    const auto starts = [&sel](const QString &prefix) { return StartsWithNoCase(sel, prefix); };
    const auto has = [&sel](const QString &part) { return sel.contains(part, Qt::CaseInsensitive); };

    ContextEditChoice choice;
    choice.available = true;
    choice.caption = u"&Edit Selected Tags..."_s;
    choice.description = u"Opens the appropriate form for editing the selected tags"_s;
    if (starts(u"<IMG"_s)) {
        choice.commandText = u"Embedded Image"_s;
    } else if (starts(u"<A"_s) && !has(u"HREF"_s) && has(u"NAME"_s)) {
        choice.commandText = u"Anchor"_s;
    } else if (starts(u"<A"_s) && has(u"HREF"_s)) {
        choice.commandText = has(u"<IMG"_s) ? u"Embedded Image"_s : u"Link"_s;
    } else if (starts(u"<HR"_s)) {
        choice.commandText = u"Horizontal Rule"_s;
    } else if (starts(u"<BODY"_s)) {
        choice.commandText = u"Page Colours & Background"_s;
    } else if (starts(u"<META"_s)
               && StartsWithNoCase(TrimSpaces(QStringView(sel).mid(6)).left(20), u"HTTP-EQUIV=\"Refresh\""_s)) {
        choice.commandText = u"Timer Auto-Load"_s;
    } else if (starts(u"<TITLE"_s)) {
        choice.commandText = u"Page Title"_s;
    } else if (starts(u"<EMBED"_s)) {
        choice.commandText = u"Page Sound"_s;
    } else if (starts(u"<FRAME"_s) || starts(u"<NOFRAMES"_s)) {
        choice.commandText = u"Advanced Frames"_s;
    } else if (starts(u"<TABLE"_s) || starts(u"<CAPTION"_s) || starts(u"<TD"_s) || starts(u"<TR"_s)
               || starts(u"<TH"_s)) {
        choice.commandText = u"Advanced Table"_s;
    } else if (starts(u"http://"_s) || starts(u"file://"_s) || starts(u"ftp://"_s) || starts(u"news:"_s)) {
        choice.commandText = u"Quick Link"_s;
        choice.caption = u"&Quick Link"_s;
        choice.description = u"Formats the selected URL as a link to itself"_s;
    } else {
        choice.available = false;
    }
    return choice;
}

void PrepareContextEditTool(ToolModel &model, const QString &selectedText)
{
    const ContextEditChoice choice = ContextEditFor(selectedText);
    model.ChangeTool(u"mnuContextEdit"_s, [&choice](Tool &tool) {
        tool.caption = choice.caption;
        tool.description = choice.description;
        tool.enabled = choice.available;
        if (choice.available)
            tool.commandText = choice.commandText;
    });
}

// ---- Keyboard shortcuts ----------------------------------------------------

const QList<ToolShortcut> &ToolShortcuts()
{
    static const QList<ToolShortcut> shortcuts{
        {u"mnuFileNew"_s, u"Ctrl+N"_s},
        {u"mnuFileOpen"_s, u"Ctrl+O"_s},
        {u"mnuFileSave"_s, u"Ctrl+S"_s},
        {u"mnuFilePrint"_s, u"Ctrl+P"_s},
        {u"mnuFileClose"_s, u"Ctrl+F4"_s},
        {u"mnuFileExit"_s, u"Ctrl+Q"_s},
        {u"mnuEditFind"_s, u"Ctrl+F"_s},
        {u"mnuEditFindNext"_s, u"F3"_s},
        {u"mnuEditReplace"_s, u"Ctrl+H"_s},
        {u"mnuFormatBold"_s, u"Ctrl+B"_s},
        {u"mnuFormatItalic"_s, u"Ctrl+I"_s},
        {u"mnuOptionsRefresh"_s, u"F5"_s},
        {u"mnuHelpContents"_s, u"F1"_s},
    };
    return shortcuts;
}

const QStringList &TextBoxKeys()
{
    // The document's text box runs these itself (Anchor, Paste, Copy, Undo,
    // Cut, Delete, Tab Indent, Line Break, Paragraph) or swallows them (Esc).
    static const QStringList keys{
        u"Ctrl+A"_s, u"Ctrl+V"_s, u"Ctrl+C"_s,       u"Ctrl+Z"_s,     u"Ctrl+X"_s,     u"Esc"_s,
        u"Del"_s,    u"Tab"_s,    u"Shift+Return"_s, u"Alt+Return"_s, u"Ctrl+Return"_s, u"Shift+Enter"_s,
        u"Alt+Enter"_s, u"Ctrl+Enter"_s, u"Backspace"_s,
    };
    return keys;
}

const QList<ToolShortcut> &TextBoxToolKeys()
{
    static const QList<ToolShortcut> keys{
        {u"mnuEditUndo"_s, u"Ctrl+Z"_s},          {u"mnuEditCut"_s, u"Ctrl+X"_s},
        {u"mnuEditCopy"_s, u"Ctrl+C"_s},          {u"mnuEditPaste"_s, u"Ctrl+V"_s},
        {u"mnuEditDelete"_s, u"Del"_s},           {u"mnuInsertAnchor"_s, u"Ctrl+A"_s},
        {u"mnuBreakParaBreak"_s, u"Ctrl+Return"_s}, {u"mnuBreakLineBreak"_s, u"Shift+Return"_s},
    };
    return keys;
}

QString ShownKeyOf(const QString &toolName)
{
    for (const QList<ToolShortcut> *list : {&ToolShortcuts(), &TextBoxToolKeys()}) {
        for (const ToolShortcut &shortcut : *list) {
            if (shortcut.toolName == toolName)
                return shortcut.keys;
        }
    }
    return {};
}

} // namespace tavorin
