#pragma once

// ActiveBar shows a ToolModel on a main window: the menu bar from the band
// "mnuMain", one QMenu per pop-up band (sub-menus follow the tools' sub-band
// links, the context menu "mnuPopUpEdit" pops up on demand) and one QToolBar
// per tool-bar band. Each place a tool stands in gets its own QAction whose
// object name is the tool's name. The widgets follow the model's changes;
// clicks come back as toolClicked with the tool's key.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace tavorin {

class ToolModel;
struct Band;
struct Tool;

class ActiveBar : public QObject {
    Q_OBJECT

public:
    ActiveBar(ToolModel &model, QMainWindow *window);
    ~ActiveBar() override;
    Q_DISABLE_COPY_MOVE(ActiveBar)

    ToolModel &model() const { return m_model; }
    QMenuBar *menuBar() const { return m_menuBar; }
    // The menu of a pop-up band, or nullptr.
    QMenu *menu(const QString &bandName) const;
    QToolBar *toolBar(const QString &bandName) const;
    // Every action standing for the tool, one per place.
    QList<QAction *> actionsOf(const QString &toolKey) const;
    // The actions of one band in order, separators included.
    QList<QAction *> actionsOfBand(const QString &bandName) const;

    // Shows a pop-up band (the context menu) at a screen position; returns at once.
    void popUp(const QString &bandName, const QPoint &globalPosition);
    // Opens the sub-menu of a tool: below its tool-bar button when that was
    // clicked last, else at the mouse. Returns at once.
    void showSubBandOf(const QString &toolKey);

    // Tool-bar buttons show their command text as a tip only while this is on.
    void setToolTipsShown(bool shown);
    bool toolTipsShown() const { return m_toolTipsShown; }

    // Copies the tool bars' current docking places and visibility into the
    // model, so that a saved layout keeps where the user put them.
    void storeToolBarPlaces();

Q_SIGNALS:
    void toolClicked(const QString &toolKey);
    void bandOpened(const QString &bandName);
    void toolHighlighted(const QString &description);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildAll();
    void clearAll();
    void buildBand(const QString &bandName);
    QWidget *containerOf(const QString &bandName) const;
    QAction *makeAction(const Tool &tool, QWidget *container);
    void applyTool(QAction *action, const Tool &tool) const;
    void applyShortcuts();
    void placeToolBars();
    void onToolChanged(const QString &key);
    void onBandChanged(const QString &bandName);
    void onTriggered(QAction *action);

    ToolModel &m_model;
    QMainWindow *m_window;
    QMenuBar *m_menuBar = nullptr;
    QString m_menuBarBand;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QToolBar *> m_toolBars;
    QList<QToolBar *> m_toolBarOrder;
    QHash<QString, QList<QAction *>> m_bandActions; // by band, separators included
    QHash<QString, QList<QAction *>> m_toolActions; // by tool key
    bool m_toolTipsShown = true;
    QPointer<QAction> m_lastTriggered; // the action whose click is being reported
};

} // namespace tavorin
