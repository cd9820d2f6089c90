#include "html/colours.h"

#include "app/textrules.h"

#include <array>

namespace tavorin {

namespace {

struct NamedColour {
    const char16_t *name;
    quint32 rgb; // 0xRRGGBB as written
};

// Half intensities are 7F and the light grey BF, as the program has them.
constexpr std::array NamedColours{
    NamedColour{u"Aqua", 0x00FFFF},  NamedColour{u"Black", 0x000000},   NamedColour{u"Blue", 0x0000FF},
    NamedColour{u"Fuchsia", 0xFF00FF}, NamedColour{u"Gray", 0x7F7F7F},  NamedColour{u"Green", 0x007F00},
    NamedColour{u"Lime", 0x00FF00},  NamedColour{u"Maroon", 0x7F0000},  NamedColour{u"Navy", 0x00007F},
    NamedColour{u"Olive", 0x7F7F00}, NamedColour{u"Purple", 0x7F007F},  NamedColour{u"Red", 0xFF0000},
    NamedColour{u"Silver", 0xBFBFBF}, NamedColour{u"Teal", 0x007F7F},   NamedColour{u"White", 0xFFFFFF},
    NamedColour{u"Yellow", 0xFFFF00},
};

quint32 fromRgb(int red, int green, int blue)
{
    return quint32(red) | quint32(green) << 8 | quint32(blue) << 16;
}

int pairAt(QStringView digits, qsizetype at)
{
    bool ok = false;
    const int value = digits.mid(at, 2).toInt(&ok, 16);
    return ok && value >= 0 ? value : 0;
}

} // namespace

QStringList ColourNames()
{
    QStringList names;
    for (const NamedColour &colour : NamedColours)
        names.append(QString::fromUtf16(colour.name));
    return names;
}

QString ColourName(int n)
{
    if (n < 1 || n > int(NamedColours.size()))
        return {};
    return QString::fromUtf16(NamedColours[n - 1].name);
}

std::optional<quint32> ColourValue(const QString &text)
{
    if (text.startsWith(u'#')) {
        const QStringView digits = QStringView(text).mid(1);
        return fromRgb(pairAt(digits, 0), pairAt(digits, 2), pairAt(digits, 4));
    }
    for (const NamedColour &colour : NamedColours) {
        if (EqualNoCase(text, colour.name))
            return fromRgb(int(colour.rgb >> 16), int(colour.rgb >> 8 & 0xFF), int(colour.rgb & 0xFF));
    }
    return std::nullopt;
}

quint32 IndicatorColourOf(const QString &text, const QString &defaultColour)
{
    if (const std::optional<quint32> value = ColourValue(text))
        return *value;
    if (!defaultColour.isEmpty()) {
        if (const std::optional<quint32> value = ColourValue(defaultColour))
            return *value;
    }
    return *ColourValue(QStringLiteral("silver"));
}

int BrowserSafeLevel(int pair)
{
    constexpr std::array<std::pair<int, int>, 5> Levels{{{0x19, 0x00}, {0x4C, 0x33}, {0x7F, 0x66}, {0xB2, 0x99}, {0xE5, 0xCC}}};
    for (const auto &[upTo, level] : Levels) {
        if (pair <= upTo)
            return level;
    }
    return 0xFF;
}

QString ChosenColourText(quint32 value, bool safePalette)
{
    QString text = QStringLiteral("#");
    for (const int shift : {0, 8, 16}) {
        const int pair = int(value >> shift & 0xFF);
        text += QStringLiteral("%1").arg(safePalette ? BrowserSafeLevel(pair) : pair, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

} // namespace tavorin
