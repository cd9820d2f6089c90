#include "html/sounddialog.h"

#include "app/textrules.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"

#include <cmath>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

// A VOLUME value as the slider takes it: a number within its range.
std::optional<int> volumeOf(const QString &value)
{
    bool numeric = false;
    const double volume = TrimSpaces(value).toDouble(&numeric);
    if (!numeric || !(volume >= 0 && volume <= MaximumVolume)) // NaN fails too
        return std::nullopt;
    return int(std::lround(volume));
}

} // namespace

void KeepSoundConsistent(SoundOptions &options)
{
    if (!options.controls)
        options.startAuto = true;
    if (!options.startAuto)
        options.controls = true;
}

SoundOptions ReadSound(const QString &selected)
{
    const QString flat = CrLfToSpace(selected);
    SoundOptions options;
    options.source = GetAttributeValue(flat, u"SRC");
    options.sourceKind = AddressKind(options.source) == LinkKind::Internet ? LinkKind::Internet : LinkKind::LocalFile;
    options.volume = volumeOf(GetAttributeValue(flat, u"VOLUME")).value_or(MaximumVolume);
    options.loop = EqualNoCase(GetAttributeValue(flat, u"LOOP"), u"True");
    options.startAuto = EqualNoCase(GetAttributeValue(flat, u"AUTOSTART"), u"True");
    options.controls = EqualNoCase(GetAttributeValue(flat, u"CONTROLS"), u"SmallConsole");
    KeepSoundConsistent(options);
    return options;
}

QString BuildSound(const SoundOptions &options)
{
    const QString yes = QuoteValue(u"True"_s);
    QString tag = u"<EMBED SRC="_s + QuoteValue(options.source) + u" VOLUME="_s
                  + QuoteValue(QString::number(options.volume));
    if (options.controls)
        tag += u" CONTROLS="_s + QuoteValue(u"SmallConsole"_s) + u" WIDTH="_s + QuoteValue(u"145"_s) + u" HEIGHT="_s
               + QuoteValue(u"25"_s);
    else
        tag += u" HIDDEN="_s + yes;
    if (options.loop)
        tag += u" LOOP="_s + yes;
    if (options.startAuto)
        tag += u" AUTOSTART="_s + yes;
    return tag + u'>';
}

} // namespace tavorin
