// The colour selector and the image preview on their own.

#include "controls/colourselector.h"
#include "controls/imagepreview.h"
#include "settings/preferences.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// A 1 x 1 GIF, written by hand: Qt reads GIF but cannot write it.
const QByteArray TinyGif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colourSelectorShowsAndChoosesColours()
    {
        ScriptedFacades facades;
        ColourSelector selector;
        QCOMPARE(selector.text(), u"(default)"_s);
        QCOMPARE(selector.indicatorColour(), 0xBFBFBFu);
        selector.setDefaultColour(u"blue"_s);
        QCOMPARE(selector.indicatorColour(), 0xFF0000u);

        QSignalSpy changes(&selector, &ColourSelector::Change);
        auto *edit = selector.findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClicks(edit, u"gr"_s); // completes "Gray"
        QCOMPARE(selector.text(), u"Gray"_s);
        QCOMPARE(selector.indicatorColour(), 0x7F7F7Fu);
        QVERIFY(changes.count() >= 1);

        Prefs().SafePalette = true;
        facades.dialogs.answerColour(0x0040FF); // red FF, green 40
        facades.dialogs.answerColour(std::nullopt);
        auto *custom = selector.findChild<QToolButton *>(u"cmdTextColour"_s);
        custom->click();
        QCOMPARE(selector.text(), u"#FF3300"_s);
        custom->click(); // cancelled: unchanged
        QCOMPARE(selector.text(), u"#FF3300"_s);
        Prefs().SafePalette = false;
        QCOMPARE(selector.size(), selector.sizeHint());
        // Whatever the desktop's font, the longest entry fits the edit field.
        selector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&selector));
        QVERIFY(edit->width() >= edit->fontMetrics().horizontalAdvance(u"(default)"_s));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void imagePreviewLoadsPicturesOnly()
    {
        ScriptedFacades facades;
        TestEnvironment env;
        const QString folder = env.root() + u'/';
        env.writeFile(u"images/a.gif"_s, TinyGif);
        QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(folder + u"b.jpg"_s));
        QVERIFY(QImage(7, 5, QImage::Format_ARGB32).save(folder + u"c.png"_s));
        env.writeFile(u"notes.gif"_s, "just text, no picture\n");

        ImagePreview preview;
        preview.resize(100, 80);
        auto *picture = preview.findChild<QLabel *>(u"picImage"_s);
        QCOMPARE(preview.findChild<QLabel *>(u"lblPreview"_s)->text(), u"No Preview Available"_s);
        QList<std::tuple<QString, bool, int, int>> cases{
            {u"images\\a.gif"_s, true, 1, 1}, // relative, below the document's folder
            {u"images/a.gif"_s, false, 1, 1}, // the same path again: nothing reloaded
            {folder + u"b.jpg"_s, true, 40, 30},
            {folder + u"c.png"_s, true, 7, 5},
            {u"notes.gif"_s, false, 0, 0},
            {u"c.png"_s, true, 7, 5},
            {u"missing.gif"_s, false, 0, 0},
        };
        // Formats the set-up's plugins add.
        if (QImageReader::supportedImageFormats().contains("svg")) {
            env.writeFile(u"d.svg"_s, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"12\" height=\"9\"/>");
            cases.append({u"d.svg"_s, true, 12, 9});
        }
        if (QImageReader::supportedImageFormats().contains("webp")) {
            QVERIFY(QImage(6, 4, QImage::Format_RGB32).save(folder + u"e.webp"_s));
            cases.append({u"e.webp"_s, true, 6, 4});
        }
        for (const auto &[path, shown, width, height] : cases) {
            QCOMPARE(preview.ShowPreview(path, folder), shown);
            QCOMPARE(QSize(preview.ImageWidth(), preview.ImageHeight()), QSize(width, height));
            QCOMPARE(!picture->isHidden(), shown || (width > 0));
        }

        preview.ShowPreview(u"c.png"_s, folder);
        QTest::mouseDClick(picture, Qt::LeftButton);
        QCOMPARE(facades.launcher.started.size(), 1);
        QCOMPARE(facades.launcher.started.first().arguments, QStringList{folder + u"c.png"_s});
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_guitest.moc"
