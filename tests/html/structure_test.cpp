#include "html/guards.h"
#include "html/insertstate.h"
#include "html/pageskeleton.h"
#include "html/structurecheck.h"
#include "settings/preferences.h"
#include "tests/html/golden.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Complete = u"<HTML>\r\n<HEAD>\r\n<TITLE>t</TITLE>\r\n</HEAD>\r\n<BODY>\r\n</BODY>\r\n</HTML>"_s;
const QString FrameSet = u"<html><head><title>f</title></head><frameset cols=\"*,*\"></frameset></html>"_s;
const QString Duplicate = u"There is already a %1 tag in this document!"_s;
const QString FrameMessage = u"This appears to be a frame document (as it contains FRAMESET tags).\r\n\r\n"
                             "The tag you have attempted to insert should not be used in a frame document."_s;

} // namespace

Q_DECLARE_METATYPE(std::optional<tavorin::TextRange>)

class StructureTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Prefs() = Preferences{};
        InsertCancelled = false;
    }

    void findRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("selected");
        QTest::newRow("title any case") << u"x<Title>Old</TITLE>y"_s << u"<title>"_s << u"</title>"_s << QString() << u"<Title>Old</TITLE>"_s;
        QTest::newRow("end searched after start") << u"> <body bgcolor=white>x"_s << u"<body"_s << u">"_s << u"<"_s << u"<body bgcolor=white>"_s;
        QTest::newRow("stops before <") << u"<body text=red\r\n<p>x"_s << u"<body"_s << u">"_s << u"<"_s << u"<body text=red\r\n"_s;
        QTest::newRow("stop after end ignored") << u"<body><p>"_s << u"<body"_s << u">"_s << u"<"_s << u"<body>"_s;
        QTest::newRow("no start") << u"<p>"_s << u"<body"_s << u">"_s << u"<"_s << QString();
        QTest::newRow("no end") << u"<title>unfinished"_s << u"<title>"_s << u"</title>"_s << QString() << QString();
    }
    void findRange()
    {
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, stop);
        QFETCH(QString, selected);
        const auto range = FindRange(text, start, end, stop);
        QCOMPARE(range.has_value(), !selected.isEmpty());
        QCOMPARE(RangeText(text, range), selected);
    }

    void rangeSelectors()
    {
        const QString text = u"<HTML>\r\n<TITLE>A</TITLE>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n"_s;
        QCOMPARE(TitleRange(text), (TextRange{8, 16}));
        QCOMPARE(RangeText(text, BodyTagRange(text)), u"<BODY BGCOLOR=\"#FFFFFF\">"_s);
    }

    void singleTagGuard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("html with attributes") << u"x\r\n<html lang=en>"_s << u"<HTML>"_s << u"<html lang=en>"_s
                                              << QStringList{Duplicate.arg(u"<HTML>"_s)};
        QTest::newRow("body end absent") << u"<BODY>"_s << u"</BODY>"_s << QString() << QStringList();
        QTest::newRow("body end in frames") << FrameSet << u"</BODY>"_s << QString() << QStringList{FrameMessage};
        QTest::newRow("body end twice in frames") << FrameSet + u"</body>"_s << u"</BODY>"_s << u"</body>"_s
                                                  << QStringList{Duplicate.arg(u"</BODY>"_s), FrameMessage};
        QTest::newRow("html start in frames is fine") << u"<FRAMESET>"_s << u"<HTML>"_s << QString() << QStringList();
    }
    void singleTagGuard()
    {
        QFETCH(QString, text);
        QFETCH(QString, tag);
        QFETCH(QString, existing);
        QFETCH(QStringList, messages);
        const GuardDecision decision = SingleTagGuard(text, tag);
        QCOMPARE(decision.refused, !messages.isEmpty());
        QCOMPARE(RangeText(text, decision.existingTag), existing);
        QCOMPARE(decision.messages, messages);

        ScriptedFacades facades;
        for (qsizetype i = 0; i < messages.size(); ++i)
            facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(ShowGuardRefusal(decision), !messages.isEmpty());
        QCOMPARE(InsertCancelled, !messages.isEmpty());
        QCOMPARE(facades.dialogs.messagePrompts(), messages);
        for (const MessageRequest &shown : facades.dialogs.messages()) {
            QCOMPARE(shown.title, u"HTML Syntax Error"_s);
            QCOMPARE(shown.icon, MessageIcon::Information);
        }
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void frameDocGuard()
    {
        QVERIFY(FrameDocGuard(u"<FrameSet rows=2>"_s).refused);
        QVERIFY(!FrameDocGuard(u"<FRAME SRC=a.htm>"_s).refused && FrameDocGuard(u"<FRAME SRC=a.htm>"_s).messages.isEmpty());
    }

    void structureReport()
    {
        Transcript t(u"structure/reports.txt"_s);
        t.addEach({QString(), u"<html><head><title></title></head><body bgcolor=white></body></html>"_s,
                   QString(Complete).remove(u"</HTML>"_s), FrameSet + u"<BODY>"_s,
                   u"<HTML><HEAD><TITLE></TITLE></HEAD><FRAMESET></FRAMESET></BODY>"_s},
                  StructureReport);

        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        CheckStructure(Complete);
        QCOMPARE(facades.dialogs.messagePrompts(), QStringList{StructureReport(Complete)});
        QCOMPARE(facades.dialogs.messages().value(0).title, u"HTML Page Structure Report"_s);
        QCOMPARE(facades.dialogs.messages().value(0).icon, MessageIcon::Information);
        QCOMPARE(facades.dialogs.messages().value(0).buttons, MessageButtons::Ok);
    }

    // The wizard's header, with its comments, shows in the wizard's golden pages.
    void pageHeader()
    {
        Transcript t(u"structure/pageheader.txt"_s);
        t.addEach({QString(), u"Home"_s}, [](const QString &title) { return PageHeader(title, false); });
    }

    void newPageText()
    {
        const QString head = PageHeader(QString(), false) + u"<BODY>\r\n"_s;
        const QString tail = u"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n</BODY>\r\n\r\n</HTML>"_s;
        const NewPage prompted = NewPageText(true);
        QCOMPARE(prompted.text, head + u"Your main content starts here\r\n"_s + tail);
        QCOMPARE(prompted.selection, (TextRange{head.size(), 29}));
        const NewPage plain = NewPageText(false);
        QCOMPARE(plain.text, head + u"\r\n\r\n"_s + tail);
        QCOMPARE(plain.selection, (TextRange{head.size(), 0}));
        Prefs().Prompt = true;
        QCOMPARE(NewPageText().text, prompted.text);
    }
};

QTEST_GUILESS_MAIN(StructureTest)
#include "structure_test.moc"
