#include "html/entities.h"
#include "html/formattags.h"
#include "html/insertstate.h"
#include "html/linktags.h"
#include "html/metatags.h"
#include "settings/preferences.h"
#include "tests/html/golden.h"
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

    void formatTags()
    {
        Transcript t(u"tagbuilders/format.txt"_s);
        const QList<std::tuple<QString, QString, bool>> cases{
            {u"sTrIkEoUt"_s, u"x"_s, false}, {u"Centre"_s, u"Hello"_s, true}, {u"Centre"_s, u"Hello"_s, false},
            {u"Preformatted"_s, u"a\r\nb"_s, true}, {u"Increase Indent"_s, u"a\r\n\r\nb"_s, true},
            {u"Blockquote"_s, u"\r\nx\r\n"_s, true}, {u"Table Data Cell"_s, QString(), true}, {u"Bolder"_s, u"x"_s, true}};
        for (const auto &[command, text, indent] : cases) {
            Prefs().IndentCode = indent;
            t.add(command + (indent ? u" indented "_s : u" flat "_s) + text, FormatTag(command, text));
        }
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

    void builders()
    {
        Transcript t(u"tagbuilders/builders.txt"_s);
        t.add(u"font all"_s, FontTag(u"t"_s, u" Arial "_s, u"+1"_s, u"Red"_s));
        t.add(u"font none"_s, FontTag(u"t"_s, u""_s, u"(default)"_s, u"(none)"_s));
        t.addEach({u"été"_s, u"\U0001D49Cbc"_s, QString()}, DropCap);
        t.add(u"comment"_s, CommentTag(u"Hi"_s));
        t.add(u"paragraph"_s, ParagraphTag(u"p"_s) + ParagraphTag(QString()));
        t.add(u"div indented"_s, AlignDivTag(u"a\r\nb"_s, u"Center"_s, true));
        t.add(u"heading aligned indented"_s, HeadingTag(u"T"_s, 1, true, u"Center"_s));
        t.add(u"heading levels 0 and 7"_s, HeadingTag(u"T"_s, 0, false, QString()) + HeadingTag(u"T"_s, 7, false, QString()));
        t.add(u"ordered 1"_s, OrderedListTag(u"<LI>a"_s, u"1"_s, false));
        t.add(u"ordered indented"_s, OrderedListTag(u"<LI>a\r\n<LI>b"_s, u"A"_s, true));
        t.add(u"item, term, description, title"_s,
              ListItemTag(u"x"_s) + DefinitionTermTag(u"y"_s) + DefinitionDescTag(u"z"_s) + TitleTag(u"My page"_s));
        t.add(u"target none"_s, LinkTag(u"a.htm"_s, u"A"_s, u"(none)"_s, QString()));
        t.add(u"target and extra"_s, LinkTag(u" a.htm "_s, u"A"_s, u"_top"_s, u" NAME=\"n\""_s));
        t.add(u"mailto"_s, MailtoLink(u" me@x.org "_s));
        t.add(u"anchor gets #"_s, AnchorRefLink(u" top "_s, u"Up"_s, QString(), QString()));
        t.add(u"anchor keeps #"_s, AnchorRefLink(u"#top"_s, u"Up"_s, QString(), QString()));
        t.add(u"named blank text"_s, NamedLink(u"docs/a.htm#top"_s, u"  "_s, QString(), QString()));
        t.add(u"named backslash"_s, NamedLink(u"docs\\b.htm"_s, QString(), QString(), QString()));
        t.add(u"file link slashes"_s, FileLink(u"web\\a.htm"_s, u"A"_s, QString(), QString()));
        t.add(u"file link file: text"_s, FileLink(u"FILE:///c:\\web\\a.htm"_s, QString(), QString(), QString()));
        t.add(u"home page"_s, HomePageLink());
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
