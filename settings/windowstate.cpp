#include "settings/windowstate.h"

#include "app/textrules.h"
#include "settings/settingsstore.h"

#include <QtMath>

#include <optional>

namespace tavorin {

namespace {

inline constexpr int KeepVisibleHeight = 600;
inline constexpr int KeepVisibleWidth = 1500;
inline constexpr double TwipsPerInch = 1440.0;

// A stored number: decimal text, surrounding spaces allowed; anything else
// is treated as absent.
std::optional<int> storedNumber(const QString &text)
{
    bool ok = false;
    const int value = TrimSpaces(text).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int positiveOr(const QString &text, int fallback)
{
    const auto value = storedNumber(text);
    return value && *value > 0 ? *value : fallback;
}

double resolution(double dotsPerInch)
{
    return dotsPerInch > 0 ? dotsPerInch : 96.0;
}

QString section()
{
    return QString::fromLatin1(AppStateSection);
}

} // namespace

AppPlacement PlaceAppWindow(int screenWidth, int screenHeight, const StoredAppState &stored)
{
    AppPlacement placement;

    int top = storedNumber(stored.top).value_or(0);
    if (top > screenHeight - KeepVisibleHeight)
        top = screenHeight - KeepVisibleHeight;
    if (top < 0)
        top = 0;
    placement.top = top;

    placement.height = qMin(positiveOr(stored.height, screenHeight), screenHeight);
    placement.width = qMin(positiveOr(stored.width, screenWidth), screenWidth);

    int left = storedNumber(stored.left).value_or(0);
    if (left < 0)
        left = 0;
    if (left > screenWidth - KeepVisibleWidth)
        left = screenWidth - KeepVisibleWidth;
    placement.left = left;

    const auto state = storedNumber(stored.state);
    placement.state = state && *state == int(AppWindowState::Normal) ? AppWindowState::Normal
                                                                     : AppWindowState::Maximized;
    return placement;
}

StoredAppState ReadStoredAppState()
{
    StoredAppState stored;
    stored.top = ReadSetting(section(), QStringLiteral("AppTop"), QString());
    stored.left = ReadSetting(section(), QStringLiteral("AppLeft"), QString());
    stored.width = ReadSetting(section(), QStringLiteral("AppWidth"), QString());
    stored.height = ReadSetting(section(), QStringLiteral("AppHeight"), QString());
    stored.state = ReadSetting(section(), QStringLiteral("AppState"), QString());
    return stored;
}

void WriteAppState(const AppPlacement &placement)
{
    if (placement.state == AppWindowState::Normal) {
        WriteSetting(section(), QStringLiteral("AppTop"), placement.top);
        WriteSetting(section(), QStringLiteral("AppHeight"), placement.height);
        WriteSetting(section(), QStringLiteral("AppWidth"), placement.width);
        WriteSetting(section(), QStringLiteral("AppLeft"), placement.left);
    }
    if (placement.state != AppWindowState::Minimized)
        WriteSetting(section(), QStringLiteral("AppState"), int(placement.state));
}

int PixelsToTwips(int pixels, double dotsPerInch)
{
    return qRound(pixels * TwipsPerInch / resolution(dotsPerInch));
}

int TwipsToPixels(int twips, double dotsPerInch)
{
    return qRound(twips * resolution(dotsPerInch) / TwipsPerInch);
}

} // namespace tavorin
