#pragma once

// The menus, the context menu and the tool bars as data: bands holding tools.
// The main window realises the model with widgets (ActiveBar); every decision
// about which tools exist, what they say and whether they are enabled or
// checked is made here, so it can be tested without a display.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace tavorin {

struct Preferences;

enum class BandKind { MenuBar, PopUp, ToolBar };
enum class DockArea { Top, Bottom, Left, Right };

// One command of the menus and tool bars. The same tool may stand in several
// bands; it has one state wherever it stands.
struct Tool {
    QString key;         // unique in a layout: the name, or name + "|" + command text for item families
    QString name;        // "mnuFileNew"; several tools share "mnuColourItem", "WindowListItem", ...
    QString commandText; // "New"; also the tool tip
    QString category;    // "File", "Edit", "Insert", "Format", "Window", "Options", "Help", "Built-In Menus"
    QString caption;     // menu text with "&" before the access key
    QString description; // status text while the tool is highlighted
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    bool beginsGroup = false; // a separator above it (left of it in a tool bar)
    int documentCode = 0;     // 0 follows the open documents, 2 goes off with the last one, 1 untouched
    QString subBand;          // the band it opens as a sub-menu, or ""
    QString tag;              // recent files: the full path; window items: "Window" + number
    int identifier = 0;       // window items: 20002 for the active document, 20001 otherwise
};

struct Band {
    QString name;  // "mnuFile"
    QString title; // "File Menu"
    BandKind kind = BandKind::PopUp;
    QStringList tools; // tool keys, in order
    // Tool bars only: shown or hidden, and where they are docked. Tool bars
    // with the same area and line share one row (or column), in list order.
    bool visible = true;
    DockArea area = DockArea::Top;
    int line = 0;
};

// Every band and tool of the control, including the tools held outside any band.
struct BarLayout {
    QList<Band> bands;
    QList<Tool> tools;
};

// The key of one member of an item family ("mnuColourItem|Aqua").
QString ItemKey(const QString &name, const QString &commandText);

// The layout the program is built with: every band and tool, with captions,
// descriptions, categories and document codes.
BarLayout BuiltInLayout();

// The problem with a layout ("" when it is sound): duplicate or empty keys,
// bands naming unknown tools, sub-bands that do not exist or open themselves
// again, no menu bar band "mnuMain".
QString LayoutProblem(const BarLayout &layout);

// The access key of a caption ("&Open" -> 'o'), lower case; 0 when none.
// "&&" is a literal ampersand, not an access key.
QChar AccessKeyOf(const QString &caption);
// The text with every "&" doubled, so it shows as typed in a menu.
QString EscapeAmpersands(const QString &text);
// The caption text as shown: access-key marks removed, "&&" as "&".
QString PlainCaption(const QString &caption);

// The live layout of the main window. Changes are announced so that the
// widgets can follow: toolChanged for a tool's texts and states,
// bandChanged when a band's list of tools (or a separator) changes,
// layoutReplaced when everything was swapped.
class ToolModel : public QObject {
    Q_OBJECT

public:
    explicit ToolModel(QObject *parent = nullptr);
    explicit ToolModel(BarLayout layout, QObject *parent = nullptr);
    ~ToolModel() override;
    Q_DISABLE_COPY_MOVE(ToolModel)

    const BarLayout &layout() const { return m_layout; }
    // Replaces every band and tool (a loaded or reset layout).
    void ReplaceLayout(BarLayout layout);

    // Tools.
    const Tool *ToolByKey(const QString &key) const;
    // The tool of that name (the first when several share it), or nullptr.
    const Tool *FindTool(const QString &name) const;
    QList<const Tool *> ToolsNamed(const QString &name) const;
    // Adds a tool outside any band; false (nothing changes) when its key is
    // empty or already taken. An empty key means the name.
    bool AddTool(Tool tool);
    // Removes the tool from every band and from the model.
    bool RemoveTool(const QString &key);
    // Changes one tool; the key stays. False when there is no such tool.
    bool ChangeTool(const QString &key, const std::function<void(Tool &)> &edit);

    // Bands.
    const Band *FindBand(const QString &name) const;
    QStringList BandNames() const;
    QList<const Tool *> ToolsOfBand(const QString &bandName) const;
    // The bands in which the tool stands.
    QStringList BandsHolding(const QString &key) const;
    // Puts a tool into a band at a position (-1 or past the end: last).
    // False when band or tool is unknown or the tool already stands there.
    bool InsertInBand(const QString &bandName, const QString &key, int position = -1);
    bool RemoveFromBand(const QString &bandName, const QString &key);
    // Tool-bar placement and visibility.
    bool SetBandPlace(const QString &bandName, bool visible, DockArea area, int line);

    // States by name: every tool of that name changes. False when none has it.
    bool SetEnabled(const QString &name, bool enabled);
    bool SetChecked(const QString &name, bool checked);
    bool SetVisible(const QString &name, bool visible);
    bool SetCaption(const QString &name, const QString &caption);
    bool SetDescription(const QString &name, const QString &description);
    bool SetCommandText(const QString &name, const QString &commandText);
    bool IsEnabled(const QString &name) const;
    bool IsChecked(const QString &name) const;

Q_SIGNALS:
    void toolChanged(const QString &key);
    void bandChanged(const QString &bandName);
    void layoutReplaced();

private:
    Tool *toolByKey(const QString &key);
    Band *band(const QString &name);
    bool changeNamed(const QString &name, const std::function<void(Tool &)> &edit);
    void announceBandsHolding(const QString &key);

    BarLayout m_layout;
};

// ---- Tool-state rules ---------------------------------------------------

// Document tools: code 0 tools are enabled exactly when a document is open;
// code 2 tools go off when the last document closes and are otherwise left.
void SetDocumentToolsEnabled(ToolModel &model, bool enabled);
// Copy, Cut and the case tools follow whether text is selected (only when the
// state of "mnuEditCopy" differs, as the selection changes often).
void UpdateSelectionTools(ToolModel &model, bool hasSelection);
// Delete, Find, Find Next, Replace, Select All and Lower Case Paths follow
// whether the document's text is not empty.
void UpdateTextTools(ToolModel &model, bool textNotEmpty);
void UpdateUndoTool(ToolModel &model, bool canUndo);
void UpdatePasteTool(ToolModel &model, bool clipboardHasText);
// "mnuFileEditTemplate" is enabled exactly when a template location is set.
void UpdateTemplateTool(ToolModel &model, const QString &templateLocation);
// The check marks of the Options menu, from the preference record.
void UpdateOptionChecks(ToolModel &model, const Preferences &prefs);
// "Close All" and "Save All" need two or more documents.
void UpdateFileMenuTools(ToolModel &model, int documentCount);
// Browser items 1 to 7 of the View menu: shown, captioned with the browser's
// name, when both name and location are set; hidden otherwise.
void UpdateBrowserTools(ToolModel &model, const Preferences &prefs);
// User reference guides 1 to 6 (7 has no record): shown with the guide's name
// as caption and its location as description when both are set.
void UpdateUserGuideTools(ToolModel &model, const Preferences &prefs);
// System reference guides 1 to 3 from the guide data file: a guide without a
// name or a location is hidden; names are cut to 30 characters.
void SetSystemGuideTools(ToolModel &model, const QStringList &names, const QStringList &locations);

// ---- Lists built at run time --------------------------------------------

// The recent-files part of the File menu: tools "mnuFileRecent1".. for the
// given paths (newest first, up to nine, up to the first empty one), then
// "mnuFileExit" again so that it stays last.
void BuildRecentFileTools(ToolModel &model, const QStringList &paths);

// The document list of the Window menu: one "WindowListItem" per document
// caption; activeIndex (from 0) names the active document.
void BuildWindowList(ToolModel &model, const QStringList &documentCaptions, int activeIndex);

// The context menu's "mnuContextEdit" tool for the selected text: which
// command it runs, with which caption and description, or unavailable.
struct ContextEditChoice {
    bool available = false;
    QString commandText;
    QString caption;
    QString description;
};
ContextEditChoice ContextEditFor(const QString &selectedText);
void PrepareContextEditTool(ToolModel &model, const QString &selectedText);

// ---- Keyboard shortcuts ---------------------------------------------------

struct ToolShortcut {
    QString toolName;
    QString keys; // portable key text, "Ctrl+N"
};
// The shortcuts of the menu and tool-bar control. None uses a key that the
// document's text box handles itself (TextBoxKeys).
const QList<ToolShortcut> &ToolShortcuts();
// The keys the document's text box claims for its own commands.
const QStringList &TextBoxKeys();
// The text box's keys that run a tool (Ctrl+Z runs Undo). Menus show them
// beside the tool, but no action takes them: the text box must receive them.
const QList<ToolShortcut> &TextBoxToolKeys();
// The portable key text a menu shows beside the tool ("" for none): its
// shortcut, or the text box's key that runs it.
QString ShownKeyOf(const QString &toolName);

} // namespace tavorin
