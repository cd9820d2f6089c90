#include "app/facades.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;

class FacadesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageBoxTakesApplicationTitleWhenNoneGiven()
    {
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Yes);
        QCOMPARE(MsgBox(QStringLiteral("Save?"), MessageButtons::YesNoCancel, MessageIcon::Exclamation),
                 MessageAnswer::Yes);
        QCOMPARE(facades.dialogs.messages().value(0).title, QStringLiteral("Tavorin"));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void unexpectedPromptIsCancelledAndReported_data()
    {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("ok") << MessageButtons::Ok << MessageAnswer::Ok;
        QTest::newRow("yes/no") << MessageButtons::YesNo << MessageAnswer::No;
        QTest::newRow("yes/no/cancel") << MessageButtons::YesNoCancel << MessageAnswer::Cancel;
        QTest::newRow("abort/retry/ignore") << MessageButtons::AbortRetryIgnore << MessageAnswer::Abort;
    }
    void unexpectedPromptIsCancelledAndReported()
    {
        QFETCH(MessageButtons, buttons);
        QFETCH(MessageAnswer, answer);
        ScriptedFacades facades;
        QCOMPARE(MsgBox(QStringLiteral("?"), buttons), answer);
        QCOMPARE(facades.dialogs.problems().size(), 1);
    }

    // An answer left unused or of the wrong kind is a problem, which the
    // editor's tests report.
    void unusedOrWrongAnswersAreProblems()
    {
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(facades.dialogs.problems().size(), 1);
        facades.dialogs.clear();
        facades.dialogs.answerFiles({QStringLiteral("/tmp/a.htm")});
        MsgBox(QStringLiteral("?"));
        QCOMPARE(facades.dialogs.problems().size(), 2); // the wrong kind, then the unused answer
    }

    void fallbacksReturnAfterScriptEnds()
    {
        {
            ScriptedFacades facades;
            QCOMPARE(appClock().now().date(), QDate(2026, 3, 7));
        }
        QVERIFY(appClock().now().date().year() >= 2026);
        QCOMPARE(MsgBox(QStringLiteral("?"), MessageButtons::YesNo), MessageAnswer::No);
        QVERIFY(!launcher().startProgram(QStringLiteral("true"), {}));
    }
};

QTEST_GUILESS_MAIN(FacadesTest)
#include "facades_test.moc"
