// The sound and auto-load dialogs' readers and builders: their examples,
// the consistency of the player's boxes, the values refused, and round trips
// over every volume and delay allowed.

#include "html/autoloaddialog.h"
#include "html/sounddialog.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::SoundOptions)
Q_DECLARE_METATYPE(tavorin::AutoLoadOptions)

namespace {

SoundOptions sound(int volume, bool controls, bool loop, bool startAuto, const QString &source = u"tune.mid"_s)
{
    SoundOptions options;
    options.source = source;
    options.volume = volume;
    options.controls = controls;
    options.loop = loop;
    options.startAuto = startAuto;
    return options;
}

AutoLoadOptions autoLoad(int delay, AutoLoadTarget target = AutoLoadTarget::Current, const QString &location = {})
{
    return AutoLoadOptions{target, location, delay};
}

} // namespace

class SoundAutoLoadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildsSounds()
    {
        QCOMPARE(BuildSound(sound(80, false, true, true, u"sounds/tune.mid"_s)),
                 u"<EMBED SRC=\"sounds/tune.mid\" VOLUME=\"80\" HIDDEN=\"True\" LOOP=\"True\" AUTOSTART=\"True\">"_s);
        QCOMPARE(BuildSound(sound(0, true, false, false)),
                 u"<EMBED SRC=\"tune.mid\" VOLUME=\"0\" CONTROLS=\"SmallConsole\" WIDTH=\"145\" HEIGHT=\"25\">"_s);
    }

    // Beside the round trips below, which reach every volume and delay allowed.
    void readsSounds_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<SoundOptions>("expected");
        QTest::newRow("console, any case, over lines")
            << u"<embed src=tune.mid\r\ncontrols=smallconsole loop=TRUE autostart=false>"_s
            << sound(100, true, true, false);
        QTest::newRow("another console: hidden, so it starts by itself")
            << u"<EMBED SRC=\"tune.mid\" CONTROLS=\"Console\">"_s << sound(100, false, false, true);
        QTest::newRow("nothing: hidden and automatic") << QString() << sound(100, false, false, true, {});
        QTest::newRow("first volume refused") << u"<EMBED SRC=tune.mid VOLUME=101 CONTROLS=SmallConsole>"_s
                                              << sound(100, true, false, false);
        QTest::newRow("negative volume") << u"<EMBED SRC=tune.mid VOLUME=\"-1\" CONTROLS=SmallConsole>"_s
                                         << sound(100, true, false, false);
        QTest::newRow("volume no number") << u"<EMBED SRC=tune.mid VOLUME=\"loud\" CONTROLS=SmallConsole>"_s
                                          << sound(100, true, false, false);
        SoundOptions web = sound(100, false, false, true, u"http://server/a.wav"_s);
        web.sourceKind = LinkKind::Internet;
        QTest::newRow("address") << u"<EMBED SRC=\"http://server/a.wav\">"_s << web;
    }
    void readsSounds()
    {
        QFETCH(QString, selected);
        QFETCH(SoundOptions, expected);
        QCOMPARE(ReadSound(selected), expected);
    }

    void keepsPlayerConsistent()
    {
        for (const bool controls : {false, true}) {
            for (const bool startAuto : {false, true}) {
                SoundOptions options = sound(50, controls, false, startAuto);
                KeepSoundConsistent(options);
                QCOMPARE(options.controls, controls);
                QCOMPARE(options.startAuto, startAuto || !controls);
            }
        }
    }

    void buildsAutoLoads()
    {
        QCOMPARE(BuildAutoLoad(autoLoad(5)), u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5\">"_s);
        QCOMPARE(BuildAutoLoad(autoLoad(10, AutoLoadTarget::LocalFile, u"next.htm"_s)),
                 u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"10;URL=next.htm\">"_s);
        QCOMPARE(BuildAutoLoad(autoLoad(0, AutoLoadTarget::Current, u"ignored.htm"_s)),
                 u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"0\">"_s);
    }

    void readsAutoLoads_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<AutoLoadOptions>("expected");
        QTest::newRow("address, any case, blanks")
            << u"<meta http-equiv=\"refresh\"\r\ncontent=\"30; url=http://server/a.htm\">"_s
            << autoLoad(30, AutoLoadTarget::Internet, u"http://server/a.htm"_s);
        QTest::newRow("unquoted") << u"<META HTTP-EQUIV=Refresh CONTENT=7;URL=b.htm>"_s
                                  << autoLoad(7, AutoLoadTarget::LocalFile, u"b.htm"_s);
        QTest::newRow("first delay refused") << u"<META CONTENT=\"1000\">"_s << autoLoad(1);
        QTest::newRow("negative delay") << u"<META CONTENT=\"-3\">"_s << autoLoad(1);
        QTest::newRow("no CONTENT: nothing read") << u"<META HTTP-EQUIV=\"Refresh\" URL=a.htm>"_s << autoLoad(1);
        QTest::newRow("URL without =") << u"<META CONTENT=\"2;URL\">"_s << autoLoad(2);
    }
    void readsAutoLoads()
    {
        QFETCH(QString, selected);
        QFETCH(AutoLoadOptions, expected);
        QCOMPARE(ReadAutoLoad(selected), expected);
    }

    void soundRoundTrip()
    {
        OptionGenerator generate;
        const QStringList sources{u"tune.mid"_s, u"sounds/a b.wav"_s, u"http://server/x.au"_s};
        for (int round = 0; round < 2 * (MaximumVolume + 1); ++round) {
            SoundOptions options = sound(round % (MaximumVolume + 1), generate.flip(), generate.flip(),
                                         generate.flip(), generate.pick(sources));
            options.sourceKind = options.source.startsWith(u"http"_s) ? LinkKind::Internet : LinkKind::LocalFile;
            KeepSoundConsistent(options);
            const QString text = BuildSound(options);
            QVERIFY2(ReadSound(text) == options, qPrintable(text));
        }
    }

    void autoLoadRoundTrip()
    {
        OptionGenerator generate;
        const QStringList files{u"next.htm"_s, u"pages/b.htm"_s};
        const QStringList addresses{u"http://server/"_s, u"https://server/a.htm?x=1"_s};
        for (int delay = 0; delay <= MaximumDelay; ++delay) {
            AutoLoadOptions options = autoLoad(delay, AutoLoadTarget(generate.index(3)));
            if (options.target != AutoLoadTarget::Current)
                options.location = generate.pick(options.target == AutoLoadTarget::Internet ? addresses : files);
            const QString text = BuildAutoLoad(options);
            QVERIFY2(ReadAutoLoad(text) == options, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(SoundAutoLoadTest)
#include "soundautoload_test.moc"
