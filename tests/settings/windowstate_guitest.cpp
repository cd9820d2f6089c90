#include "settings/settingsstore.h"
#include "settings/windowstate.h"
#include "settings/windowstate_ui.h"
#include "tests/support/testenvironment.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Application State"_s;
const QStringList Names{u"AppTop"_s, u"AppLeft"_s, u"AppWidth"_s, u"AppHeight"_s, u"AppState"_s};

QStringList stored()
{
    QStringList values;
    for (const QString &name : Names)
        values.append(ReadSetting(Section, name));
    return values;
}

} // namespace

class WindowStateGuiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A normal window stores its place in twips and comes back there on the
    // next run; a maximized one stores only its state and comes back
    // maximized; a minimized one stores nothing.
    void savingFollowsTheWindowState_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::addColumn<QString>("stateWritten");
        QTest::newRow("normal") << Qt::WindowNoState << u"0"_s;
        QTest::newRow("maximized keeps the normal geometry") << Qt::WindowMaximized << u"2"_s;
        QTest::newRow("minimized changes nothing") << Qt::WindowMinimized << u"9"_s;
    }
    void savingFollowsTheWindowState()
    {
        QFETCH(Qt::WindowState, state);
        QFETCH(QString, stateWritten);
        TestEnvironment environment;
        const QStringList before{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"9"_s};
        for (int i = 0; i < Names.size(); ++i)
            WriteSetting(Section, Names[i], before[i]);
        {
            QWidget window;
            window.move(60, 45);
            window.resize(320, 240);
            window.setWindowState(state);
            SaveAppState(&window);
        }
        if (state != Qt::WindowNoState) {
            QCOMPARE(stored(), before.first(4) + QStringList{stateWritten});
            QWidget next;
            RestoreAppState(&next);
            QVERIFY(state != Qt::WindowMaximized || next.windowState() & Qt::WindowMaximized);
            return;
        }
        const double dpiX = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        QCOMPARE(stored().at(2), QString::number(PixelsToTwips(320, dpiX)));
        QCOMPARE(stored().at(4), stateWritten);
        QWidget next;
        RestoreAppState(&next);
        QCOMPARE(next.windowState(), Qt::WindowNoState);
        QCOMPARE(next.pos(), QPoint(60, 45));
        QCOMPARE(next.size(), QSize(320, 240));
    }
};

QTEST_MAIN(WindowStateGuiTest)
#include "windowstate_guitest.moc"
