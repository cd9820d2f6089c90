#include "app/activebar.h"

#include "app/icontheme.h"
#include "app/toolmodel.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

const char *const ToolKeyProperty = "toolKey";

Qt::ToolBarArea QtArea(DockArea area)
{
    switch (area) {
    case DockArea::Bottom: return Qt::BottomToolBarArea;
    case DockArea::Left: return Qt::LeftToolBarArea;
    case DockArea::Right: return Qt::RightToolBarArea;
    case DockArea::Top: break;
    }
    return Qt::TopToolBarArea;
}

DockArea AreaOf(Qt::ToolBarArea area)
{
    switch (area) {
    case Qt::BottomToolBarArea: return DockArea::Bottom;
    case Qt::LeftToolBarArea: return DockArea::Left;
    case Qt::RightToolBarArea: return DockArea::Right;
    default: break;
    }
    return DockArea::Top;
}

// The text a menu entry shows: the caption and, after a tab, the key that
// runs the tool; QMenu puts that text where shortcuts stand.
QString MenuText(const Tool &tool)
{
    const QString keys = ShownKeyOf(tool.name);
    if (keys.isEmpty())
        return tool.caption;
    return tool.caption + u'\t' + QKeySequence(keys, QKeySequence::PortableText).toString(QKeySequence::NativeText);
}

} // namespace

ActiveBar::ActiveBar(ToolModel &model, QMainWindow *window)
    : QObject(window)
    , m_model(model)
    , m_window(window)
{
    setObjectName(u"ActiveBar1"_s);
    connect(&m_model, &ToolModel::toolChanged, this, &ActiveBar::onToolChanged);
    connect(&m_model, &ToolModel::bandChanged, this, &ActiveBar::onBandChanged);
    connect(&m_model, &ToolModel::layoutReplaced, this, [this] {
        clearAll();
        buildAll();
    });
    buildAll();
}

ActiveBar::~ActiveBar() = default;

QMenu *ActiveBar::menu(const QString &bandName) const
{
    return m_menus.value(bandName);
}

QToolBar *ActiveBar::toolBar(const QString &bandName) const
{
    return m_toolBars.value(bandName);
}

QList<QAction *> ActiveBar::actionsOf(const QString &toolKey) const
{
    return m_toolActions.value(toolKey);
}

QList<QAction *> ActiveBar::actionsOfBand(const QString &bandName) const
{
    return m_bandActions.value(bandName);
}

void ActiveBar::popUp(const QString &bandName, const QPoint &globalPosition)
{
    if (QMenu *shown = menu(bandName))
        shown->popup(globalPosition);
}

void ActiveBar::showSubBandOf(const QString &toolKey)
{
    const Tool *tool = m_model.ToolByKey(toolKey);
    QMenu *subMenu = tool ? menu(tool->subBand) : nullptr;
    if (!subMenu)
        return;
    // Below the tool-bar button that was clicked, as its arrow would show it.
    QAction *clicked = m_lastTriggered;
    auto *bar = clicked ? qobject_cast<QToolBar *>(clicked->parent()) : nullptr;
    if (QWidget *button = bar ? bar->widgetForAction(clicked) : nullptr; button && button->isVisible()) {
        subMenu->popup(button->mapToGlobal(button->rect().bottomLeft()));
        return;
    }
    subMenu->popup(QCursor::pos());
}

void ActiveBar::setToolTipsShown(bool shown)
{
    m_toolTipsShown = shown;
}

bool ActiveBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_toolTipsShown)
        return true;
    return QObject::eventFilter(watched, event);
}

void ActiveBar::clearAll()
{
    for (const QList<QAction *> &actions : std::as_const(m_bandActions)) {
        for (QAction *action : actions) {
            action->setParent(nullptr);
            action->deleteLater();
        }
    }
    m_bandActions.clear();
    m_toolActions.clear();
    for (QToolBar *bar : std::as_const(m_toolBarOrder)) {
        m_window->removeToolBar(bar);
        bar->deleteLater();
    }
    m_toolBars.clear();
    m_toolBarOrder.clear();
    for (QMenu *oldMenu : std::as_const(m_menus))
        oldMenu->deleteLater();
    m_menus.clear();
    if (m_menuBar)
        m_menuBar->clear();
    m_menuBarBand.clear();
}

void ActiveBar::buildAll()
{
    // Containers first, so that sub-band links find their menus.
    for (const Band &band : m_model.layout().bands) {
        switch (band.kind) {
        case BandKind::MenuBar:
            if (m_menuBarBand.isEmpty()) {
                m_menuBarBand = band.name;
                m_menuBar = m_window->menuBar();
                m_menuBar->setObjectName(band.name);
            }
            break;
        case BandKind::PopUp: {
            auto *popUpMenu = new QMenu(band.title, m_window);
            popUpMenu->setObjectName(band.name);
            const QString name = band.name;
            connect(popUpMenu, &QMenu::aboutToShow, this, [this, name] { Q_EMIT bandOpened(name); });
            m_menus.insert(band.name, popUpMenu);
            break;
        }
        case BandKind::ToolBar: {
            auto *bar = new QToolBar(band.title, m_window);
            bar->setObjectName(band.name);
            m_toolBars.insert(band.name, bar);
            m_toolBarOrder.append(bar);
            break;
        }
        }
    }
    placeToolBars();
    for (const Band &band : m_model.layout().bands)
        buildBand(band.name);
}

void ActiveBar::placeToolBars()
{
    struct Place {
        const Band *band;
        QToolBar *bar;
    };
    QList<Place> places;
    for (const Band &band : m_model.layout().bands) {
        if (QToolBar *bar = m_toolBars.value(band.name))
            places.append({&band, bar});
    }
    std::stable_sort(places.begin(), places.end(), [](const Place &a, const Place &b) {
        return std::pair(int(a.band->area), a.band->line) < std::pair(int(b.band->area), b.band->line);
    });
    for (qsizetype i = 0; i < places.size(); ++i) {
        const Band &band = *places[i].band;
        const bool newLine = i > 0 && places[i - 1].band->area == band.area && places[i - 1].band->line != band.line;
        if (newLine)
            m_window->addToolBarBreak(QtArea(band.area));
        m_window->addToolBar(QtArea(band.area), places[i].bar);
        places[i].bar->setVisible(band.visible);
    }
}

QWidget *ActiveBar::containerOf(const QString &bandName) const
{
    if (bandName == m_menuBarBand)
        return m_menuBar;
    if (QMenu *found = m_menus.value(bandName))
        return found;
    return m_toolBars.value(bandName);
}

void ActiveBar::buildBand(const QString &bandName)
{
    QWidget *container = containerOf(bandName);
    const Band *band = m_model.FindBand(bandName);
    if (!container || !band)
        return;
    const QList<QAction *> old = m_bandActions.take(bandName);
    for (QAction *action : old) {
        if (!action->isSeparator()) {
            const QString key = action->property(ToolKeyProperty).toString();
            QList<QAction *> &same = m_toolActions[key];
            same.removeOne(action);
            if (same.isEmpty())
                m_toolActions.remove(key);
        }
        container->removeAction(action);
        // A band may change while one of its own actions is still reporting
        // its click, so the old actions go once control returns to the loop;
        // until then they belong to no window, so no search finds them.
        action->setParent(nullptr);
        action->deleteLater();
    }
    QList<QAction *> placed;
    auto *bar = qobject_cast<QToolBar *>(container);
    for (const Tool *tool : m_model.ToolsOfBand(bandName)) {
        if (tool->beginsGroup && !placed.isEmpty()) {
            auto *separator = new QAction(container);
            separator->setSeparator(true);
            container->addAction(separator);
            placed.append(separator);
        }
        QAction *action = makeAction(*tool, container);
        container->addAction(action);
        placed.append(action);
        m_toolActions[tool->key].append(action);
        if (bar) {
            if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action))) {
                button->installEventFilter(this);
                if (action->menu())
                    button->setPopupMode(QToolButton::MenuButtonPopup);
            }
        }
    }
    m_bandActions.insert(bandName, placed);
    applyShortcuts();
}

QAction *ActiveBar::makeAction(const Tool &tool, QWidget *container)
{
    auto *action = new QAction(container);
    action->setObjectName(tool.name);
    action->setProperty(ToolKeyProperty, tool.key);
    if (QMenu *subMenu = m_menus.value(tool.subBand); subMenu && subMenu != container)
        action->setMenu(subMenu);
    action->setIcon(ToolPicture(tool.name));
    applyTool(action, tool);
    connect(action, &QAction::triggered, this, [this, action] { onTriggered(action); });
    connect(action, &QAction::hovered, this, [this, action] {
        if (const Tool *hovered = m_model.ToolByKey(action->property(ToolKeyProperty).toString()))
            Q_EMIT toolHighlighted(hovered->description);
    });
    return action;
}

void ActiveBar::applyTool(QAction *action, const Tool &tool) const
{
    // Tool-bar buttons show the caption where they have no picture; menus
    // also show the key that runs the tool.
    action->setText(qobject_cast<QMenu *>(action->parent()) ? MenuText(tool) : tool.caption);
    action->setToolTip(tool.commandText);
    action->setStatusTip(tool.description);
    action->setEnabled(tool.enabled);
    action->setVisible(tool.visible);
    // Only a checked tool shows a mark; the model decides, so a click never
    // flips the mark by itself.
    action->setCheckable(tool.checked);
    action->setChecked(tool.checked);
}

void ActiveBar::applyShortcuts()
{
    // One action per shortcut: the same key on several actions would be
    // ambiguous and do nothing. A menu entry is preferred, as menus show it.
    for (const ToolShortcut &shortcut : ToolShortcuts()) {
        const QList<QAction *> actions = actionsOf(shortcut.toolName);
        QAction *chosen = nullptr;
        for (QAction *action : actions) {
            if (!chosen || (qobject_cast<QMenu *>(action->parent()) && !qobject_cast<QMenu *>(chosen->parent())))
                chosen = action;
        }
        for (QAction *action : actions)
            action->setShortcut(action == chosen ? QKeySequence(shortcut.keys, QKeySequence::PortableText)
                                                 : QKeySequence());
        if (chosen)
            chosen->setShortcutContext(Qt::WindowShortcut);
    }
}

void ActiveBar::onToolChanged(const QString &key)
{
    const Tool *tool = m_model.ToolByKey(key);
    if (!tool)
        return;
    for (QAction *action : actionsOf(key))
        applyTool(action, *tool);
}

void ActiveBar::onBandChanged(const QString &bandName)
{
    buildBand(bandName);
}

void ActiveBar::onTriggered(QAction *action)
{
    const QString key = action->property(ToolKeyProperty).toString();
    m_lastTriggered = action;
    if (const Tool *tool = m_model.ToolByKey(key)) {
        action->setCheckable(tool->checked);
        action->setChecked(tool->checked);
    }
    Q_EMIT toolClicked(key);
}

void ActiveBar::storeToolBarPlaces()
{
    // Tool bars of one area share a line when they sit at the same height
    // (top and bottom) or the same distance from the edge (left and right).
    const bool laidOut = m_window->isVisible();
    QHash<int, QList<int>> lineStarts;
    for (QToolBar *bar : std::as_const(m_toolBarOrder)) {
        const DockArea area = AreaOf(m_window->toolBarArea(bar));
        const int start = (area == DockArea::Top || area == DockArea::Bottom) ? bar->y() : bar->x();
        if (!lineStarts[int(area)].contains(start))
            lineStarts[int(area)].append(start);
    }
    for (QList<int> &starts : lineStarts)
        std::sort(starts.begin(), starts.end());
    for (QToolBar *bar : std::as_const(m_toolBarOrder)) {
        const Band *band = m_model.FindBand(bar->objectName());
        if (!band)
            continue;
        const DockArea area = AreaOf(m_window->toolBarArea(bar));
        int line = band->line;
        if (laidOut) {
            const int start = (area == DockArea::Top || area == DockArea::Bottom) ? bar->y() : bar->x();
            line = int(lineStarts.value(int(area)).indexOf(start));
            if (area == DockArea::Bottom || area == DockArea::Right)
                line = int(lineStarts.value(int(area)).size()) - 1 - line; // counted from the window's edge
        }
        m_model.SetBandPlace(band->name, !bar->isHidden(), laidOut ? area : band->area, line);
    }
}

} // namespace tavorin
