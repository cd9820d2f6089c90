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
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].title, QStringLiteral("Tavorin"));
        QCOMPARE(asked[0].icon, MessageIcon::Exclamation);
        QCOMPARE(asked[0].buttons, MessageButtons::YesNoCancel);
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

    void unusedAnswerIsAProblem()
    {
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(facades.dialogs.problems().size(), 1);
    }

    void wrongKindOfAnswerIsAProblem()
    {
        ScriptedFacades facades;
        facades.dialogs.answerFiles({QStringLiteral("/tmp/a.htm")});
        MsgBox(QStringLiteral("?"));
        QVERIFY(!facades.dialogs.problems().isEmpty());
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
