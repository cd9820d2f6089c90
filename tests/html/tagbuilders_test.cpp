#include "html/entities.h"
#include "html/formattags.h"
#include "html/insertstate.h"
#include "html/linktags.h"
#include "html/metatags.h"
#include "settings/preferences.h"
#include "tests/support/scripteddialogs.h"

#include <QLocale>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class TagBuildersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void init()
    {
        Prefs() = Preferences{};
        InsertCancelled = false;
    }

    void formatTag_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("indentCode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name any case") << u"sTrIkEoUt"_s << u"x"_s << false << u"<STRIKE>x</STRIKE>"_s;
        QTest::newRow("centre indented") << u"Centre"_s << u"Hello"_s << true << u"<CENTER>\r\n\tHello\r\n</CENTER>"_s;
        QTest::newRow("centre flat") << u"Centre"_s << u"Hello"_s << false << u"<CENTER>\r\nHello\r\n</CENTER>"_s;
        QTest::newRow("preformatted never indented") << u"Preformatted"_s << u"a\r\nb"_s << true << u"<PRE>\r\na\r\nb\r\n</PRE>"_s;
        QTest::newRow("increase indent") << u"Increase Indent"_s << u"a\r\n\r\nb"_s << true
                                         << u"<BLOCKQUOTE>\r\n\ta\r\n\r\n\tb\r\n</BLOCKQUOTE>"_s;
        QTest::newRow("blockquote already on lines") << u"Blockquote"_s << u"\r\nx\r\n"_s << true
                                                     << u"<BLOCKQUOTE>\r\n\tx\r\n</BLOCKQUOTE>"_s;
        QTest::newRow("table data cell, empty") << u"Table Data Cell"_s << u""_s << true << u"<TD>\r\n</TD>"_s;
        QTest::newRow("unknown") << u"Bolder"_s << u"x"_s << true << QString();
    }
    void formatTag()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(bool, indentCode);
        QFETCH(QString, expected);
        Prefs().IndentCode = indentCode;
        QCOMPARE(FormatTag(command, text), expected);
    }

    void everyFormatCommandBuildsItsTag()
    {
        const QStringList names = FormatCommandNames();
        for (const QString &name : names) {
            QVERIFY2(IsFormatCommand(name.toUpper()), qPrintable(name));
            const QString tag = FormatTag(name, u"x"_s);
            QVERIFY2(tag.startsWith(u'<') && tag.endsWith(u'>') && tag.contains(u'x'), qPrintable(name));
        }
        QVERIFY(!IsFormatCommand(u"Paragraph"_s));
    }

    void tableCaptionAsksThroughThePrompt()
    {
        Prefs().IndentCode = true;
        QStringList asked;
        const CaptionPrompt prompt = [&](const QString &text) {
            asked << text;
            return text.trimmed().isEmpty() ? u"Prices"_s : text;
        };
        QCOMPARE(FormatTag(u"Table Caption"_s, u"  "_s, prompt), u"<CAPTION>\r\n\tPrices\r\n</CAPTION>"_s);
        QCOMPARE(asked, QStringList{u"  "_s});

        const CaptionPrompt cancelled = [](const QString &) {
            InsertCancelled = true;
            return QString();
        };
        QCOMPARE(FormatTag(u"Table Caption"_s, QString(), cancelled), QString());
        QVERIFY(InsertCancelled);
    }

    void builders_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("font all") << FontTag(u"t"_s, u" Arial "_s, u"+1"_s, u"Red"_s)
                                  << u"<FONT FACE=\"Arial\" SIZE=\"+1\" COLOR=\"Red\">t</FONT>"_s;
        QTest::newRow("font none") << FontTag(u"t"_s, u""_s, u"(default)"_s, u"(none)"_s) << u"<FONT>t</FONT>"_s;
        QTest::newRow("drop cap accented") << DropCap(u"été"_s) << u"<FONT SIZE=\"+2\">É</FONT>té"_s;
        QTest::newRow("drop cap keeps a surrogate pair whole") << DropCap(u"\U0001D49Cbc"_s) << u"<FONT SIZE=\"+2\">\U0001D49C</FONT>bc"_s;
        QTest::newRow("drop cap empty") << DropCap(QString()) << u"<FONT SIZE=\"+2\"></FONT>"_s;
        QTest::newRow("comment") << CommentTag(u"Hi"_s) << u"<!-- Hi -->"_s;
        QTest::newRow("paragraph") << ParagraphTag(u"p"_s) + ParagraphTag(QString()) << u"<P>p</P><P>"_s;
        QTest::newRow("div indented") << AlignDivTag(u"a\r\nb"_s, u"Center"_s, true)
                                      << u"<DIV ALIGN=\"Center\">\r\n\ta\r\n\tb\r\n</DIV>"_s;
        QTest::newRow("heading aligned indented") << HeadingTag(u"T"_s, 1, true, u"Center"_s) << u"<H1 ALIGN=\"Center\">\r\n\tT\r\n</H1>"_s;
        QTest::newRow("heading levels 0 and 7") << HeadingTag(u"T"_s, 0, false, QString()) + HeadingTag(u"T"_s, 7, false, QString())
                                                << u"<H6>\r\nT\r\n</H6><H6>\r\nT\r\n</H6>"_s;
        QTest::newRow("ordered 1") << OrderedListTag(u"<LI>a"_s, u"1"_s, false) << u"<OL>\r\n<LI>a\r\n</OL>"_s;
        QTest::newRow("ordered indented") << OrderedListTag(u"<LI>a\r\n<LI>b"_s, u"A"_s, true)
                                          << u"<OL TYPE=\"A\">\r\n\t<LI>a\r\n\t<LI>b\r\n</OL>"_s;
        QTest::newRow("item, term, description, title")
            << ListItemTag(u"x"_s) + DefinitionTermTag(u"y"_s) + DefinitionDescTag(u"z"_s) + TitleTag(u"My page"_s)
            << u"<LI>x<DT>y<DD>z<TITLE>My page</TITLE>"_s;
        QTest::newRow("target none") << LinkTag(u"a.htm"_s, u"A"_s, u"(none)"_s, QString()) << u"<A HREF=\"a.htm\">A</A>"_s;
        QTest::newRow("target and extra") << LinkTag(u" a.htm "_s, u"A"_s, u"_top"_s, u" NAME=\"n\""_s)
                                          << u"<A HREF=\"a.htm\" TARGET=\"_top\" NAME=\"n\">A</A>"_s;
        QTest::newRow("mailto") << MailtoLink(u" me@x.org "_s) << u"<A HREF=\"mailto:me@x.org\">me@x.org</A>"_s;
        QTest::newRow("anchor gets #") << AnchorRefLink(u" top "_s, u"Up"_s, QString(), QString()) << u"<A HREF=\"#top\">Up</A>"_s;
        QTest::newRow("anchor keeps #") << AnchorRefLink(u"#top"_s, u"Up"_s, QString(), QString()) << u"<A HREF=\"#top\">Up</A>"_s;
        QTest::newRow("named blank text") << NamedLink(u"docs/a.htm#top"_s, u"  "_s, QString(), QString())
                                          << u"<A HREF=\"docs/a.htm#top\">a.htm</A>"_s;
        QTest::newRow("named backslash") << NamedLink(u"docs\\b.htm"_s, QString(), QString(), QString())
                                         << u"<A HREF=\"docs\\b.htm\">b.htm</A>"_s;
        QTest::newRow("file link slashes") << FileLink(u"web\\a.htm"_s, u"A"_s, QString(), QString()) << u"<A HREF=\"web/a.htm\">A</A>"_s;
        QTest::newRow("file link file: text") << FileLink(u"FILE:///c:\\web\\a.htm"_s, QString(), QString(), QString())
                                              << u"<A HREF=\"FILE:///c:/web/a.htm\">a.htm</A>"_s;
        QTest::newRow("home page") << HomePageLink() << u"<A HREF=\"https://www.kestavel.example/tavorin/\">Tavorin</A>"_s;
    }
    void builders()
    {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(result, expected);
    }

    void datesAndSmartFields_data()
    {
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("defaults") << u"dddd, d mmmm yyyy"_s << u"h:nn AM/PM"_s << u"Saturday, 7 March 2026"_s << u"2:05 PM"_s;
        QTest::newRow("blank patterns fall back") << u" "_s << QString() << u"Saturday, 7 March 2026"_s << u"2:05 PM"_s;
    }
    void datesAndSmartFields()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QFETCH(QString, date);
        QFETCH(QString, time);
        ScriptedFacades facades; // the clock reads 7 March 2026 14:05:09
        Prefs().DateFormat = dateFormat;
        Prefs().TimeFormat = timeFormat;
        QCOMPARE(FormattedDate(), date);
        QCOMPARE(FormattedTime(), time);
        QCOMPARE(FormattedDateTime(), date + u' ' + time);
        QCOMPARE(SmartDateField(), u"<!-- %DATE% -->"_s + date + u"<!-- %/DATE% -->"_s);
        QCOMPARE(SmartTimeField(), u"<!-- %TIME% -->"_s + time + u"<!-- %/TIME% -->"_s);
        QCOMPARE(SmartYearField(), u"<!-- %YEAR% -->2026<!-- %/YEAR% -->"_s);
    }

    void entities()
    {
        for (const CharacterEntity &entity : CharacterEntities()) {
            QVERIFY(entity.text.startsWith(u'&') && entity.text.endsWith(u';'));
            QCOMPARE(EntityText(entity.name.toLower()), entity.text);
        }
        QCOMPARE(EntityText(u"Plus-Or-Minus"_s), u"&plusmn;"_s);
        QCOMPARE(EntityText(u"Non-Breaking Space"_s), u"&nbsp;"_s);
        QCOMPARE(EntityText(u"Euro"_s), QString());
    }
};

QTEST_GUILESS_MAIN(TagBuildersTest)
#include "tagbuilders_test.moc"
