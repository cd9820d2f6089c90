#include "settings/windowstate_ui.h"

#include "settings/windowstate.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tavorin {

namespace {

QScreen *screenOf(QWidget *window)
{
    QScreen *screen = window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

void RestoreAppState(QWidget *window)
{
    QScreen *screen = window ? screenOf(window) : nullptr;
    if (!screen)
        return;
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    const QRect area = screen->geometry();
    const AppPlacement placement = PlaceAppWindow(PixelsToTwips(area.width(), dpiX),
                                                  PixelsToTwips(area.height(), dpiY),
                                                  ReadStoredAppState());
    window->move(area.left() + TwipsToPixels(placement.left, dpiX),
                 area.top() + TwipsToPixels(placement.top, dpiY));
    window->resize(TwipsToPixels(placement.width, dpiX), TwipsToPixels(placement.height, dpiY));
    window->setWindowState(placement.state == AppWindowState::Maximized ? Qt::WindowMaximized
                                                                         : Qt::WindowNoState);
}

void SaveAppState(QWidget *window)
{
    QScreen *screen = window ? screenOf(window) : nullptr;
    if (!screen)
        return;
    const Qt::WindowStates states = window->windowState();
    AppPlacement placement;
    if (states & Qt::WindowMinimized)
        placement.state = AppWindowState::Minimized;
    else if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        placement.state = AppWindowState::Maximized;
    else
        placement.state = AppWindowState::Normal;
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    const QPoint origin = screen->geometry().topLeft();
    placement.top = PixelsToTwips(window->y() - origin.y(), dpiY);
    placement.left = PixelsToTwips(window->x() - origin.x(), dpiX);
    placement.width = PixelsToTwips(window->width(), dpiX);
    placement.height = PixelsToTwips(window->height(), dpiY);
    WriteAppState(placement);
}

} // namespace tavorin
