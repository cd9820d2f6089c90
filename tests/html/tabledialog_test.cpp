// The table dialogs' text: the quick table against its example and its
// counts and banners, the advanced table's classification, reader and
// builder (replacing the opening tag or wrapping), and a round trip over
// generated elements.

#include "html/quicktable.h"
#include "html/tabledialog.h"
#include "html/valuehelpers.h"
#include "settings/preferences.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::TableElement)

namespace {

TableOptions element(TableElement kind, std::initializer_list<std::pair<QStringView, QString>> values)
{
    TableOptions options;
    options.element = kind;
    for (const auto &[attribute, value] : values)
        options.values[TableFieldIndex(kind, attribute)] = value;
    return options;
}

} // namespace

class TableDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Prefs().IndentCode = false; }

    void quickTable_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("comments");
        QTest::addColumn<bool>("indent");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("expected");
        QTest::newRow("example") << 1 << 2 << QString() << false << false << QString()
                                 << u"<TABLE>\r\n\r\n<TR>\r\n<TD>\r\n</TD>\r\n<TD>\r\n</TD>\r\n</TR>\r\n\r\n</TABLE>"_s;
        QTest::newRow("blank caption and selection in the first cell")
            << 2 << 1 << u"  "_s << false << false << u"Hi"_s
            << u"<TABLE>\r\n\r\n<TR>\r\n<TD>\r\nHi\r\n</TD>\r\n</TR>\r\n\r\n<TR>\r\n<TD>\r\n</TD>\r\n</TR>\r\n\r\n</TABLE>"_s;
        QTest::newRow("comments and caption")
            << 2 << 1 << u"Prices"_s << true << false << QString()
            << u"<!-- Start Of Table Block -->\r\n<TABLE>\r\n\r\n"
               "<!-- Start Of Table Caption -->\r\n<CAPTION>\r\nPrices\r\n</CAPTION>\r\n<!-- End of Table Caption -->"
               "\r\n\r\n"
               "<!-- Start Of Table Row 1 -->\r\n<TR>\r\n<TD>\r\n</TD>\r\n</TR>\r\n<!-- End of Table Row 1 -->\r\n\r\n"
               "<!-- Start Of Table Row 2 -->\r\n<TR>\r\n<TD>\r\n</TD>\r\n</TR>\r\n<!-- End of Table Row 2 -->\r\n\r\n"
               "</TABLE>\r\n<!-- End of Table Block -->"_s;
        QTest::newRow("indented")
            << 1 << 1 << QString() << false << true << u"Hi"_s
            << u"<TABLE>\r\n\r\n\t<TR>\r\n\t\t<TD>\r\n\t\t\tHi\r\n\t\t</TD>\r\n\t</TR>\r\n\r\n</TABLE>"_s;
    }
    void quickTable()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, caption);
        QFETCH(bool, comments);
        QFETCH(bool, indent);
        QFETCH(QString, selected);
        QFETCH(QString, expected);
        Prefs().IndentCode = indent;
        QCOMPARE(BuildQuickTable({rows, columns, caption, comments, selected}), expected);
    }

    void quickTableCounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count");
        QTest::newRow("zero") << u"0"_s << 1;
        QTest::newRow("empty") << QString() << 1;
        QTest::newRow("one") << u"1"_s << 1;
        QTest::newRow("leading zero") << u"07"_s << 7;
        QTest::newRow("largest") << u"99"_s << 99;
        QTest::newRow("beyond the box") << u"1000"_s << 99;
    }
    void quickTableCounts()
    {
        QFETCH(QString, typed);
        QFETCH(int, count);
        QCOMPARE(QuickTableCount(typed), count);
    }

    void classifies_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<TableElement>("kind");
        QTest::addColumn<QString>("openingTag");
        QTest::newRow("block") << u"<table border=1>\r\n<TR></TR></table>"_s << TableElement::Block
                               << u"<table border=1>"_s;
        QTest::newRow("row after spaces") << u"  <TR>x</TR>"_s << TableElement::Row << u"<TR>"_s;
        QTest::newRow("data cell") << u"<Td>x</Td>"_s << TableElement::DataCell << u"<Td>"_s;
        QTest::newRow("caption") << u"<CAPTION>x</CAPTION>"_s << TableElement::Caption << u"<CAPTION>"_s;
        QTest::newRow("header cell") << u"<TH>x</TH>"_s << TableElement::HeaderCell << u"<TH>"_s;
        QTest::newRow("unfinished tag") << u"<TD WIDTH=5"_s << TableElement::DataCell << u"<TD WIDTH=5"_s;
        QTest::newRow("after a tab") << u"\t<TD>x</TD>"_s << TableElement::None << QString();
        QTest::newRow("text") << u"a > b"_s << TableElement::None << QString();
        QTest::newRow("nothing") << QString() << TableElement::None << QString();
    }
    void classifies()
    {
        QFETCH(QString, selected);
        QFETCH(TableElement, kind);
        QFETCH(QString, openingTag);
        const TableSelection selection = ClassifyTableText(selected);
        QCOMPARE(selection.kind, kind);
        QCOMPARE(selection.openingTag, openingTag);
    }

    void readsOpeningTags()
    {
        TableOptions cell = ReadTableTag(TableElement::DataCell, u"<TD WIDTH=\"50%\"\r\nHEIGHT=20 valign=top nowrap>"_s);
        QCOMPARE(cell.values[TableFieldIndex(TableElement::DataCell, u"WIDTH")], u"50"_s);
        QVERIFY(cell.percent[TableFieldIndex(TableElement::DataCell, u"WIDTH")]);
        QCOMPARE(cell.values[TableFieldIndex(TableElement::DataCell, u"HEIGHT")], u"20"_s);
        QVERIFY(!cell.percent[TableFieldIndex(TableElement::DataCell, u"HEIGHT")]);
        QCOMPARE(cell.values[TableFieldIndex(TableElement::DataCell, u"VALIGN")], u"top"_s);
        QCOMPARE(cell.values[TableFieldIndex(TableElement::DataCell, u"ALIGN")], QString()); // not VALIGN's value
        QVERIFY(cell.noWrap);

        // The caption's vertical alignment is its ALIGN; it has no background.
        const TableOptions caption = ReadTableTag(TableElement::Caption, u"<CAPTION ALIGN=\"Bottom\" BACKGROUND=\"a.gif\">"_s);
        QCOMPARE(caption.values[0], u"Bottom"_s);
        QCOMPARE(caption.background, QString());
        QCOMPARE(ReadTableTag(TableElement::Row, u"<TR BACKGROUND=\"a.gif\" NOWRAP>"_s).background, u"a.gif"_s);
        QVERIFY(!ReadTableTag(TableElement::Row, u"<TR NOWRAP>"_s).noWrap);
    }

    void builds_data()
    {
        QTest::addColumn<TableOptions>("options");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("indent");
        QTest::addColumn<QString>("expected");

        TableOptions sixty = element(TableElement::DataCell, {{u"WIDTH", u"60"_s}});
        sixty.percent[TableFieldIndex(TableElement::DataCell, u"WIDTH")] = true;
        QTest::newRow("width edited to 60") << sixty << u"<TD WIDTH=\"50%\">text</TD>"_s << false
                                            << u"<TD WIDTH=\"60%\">text</TD>"_s;
        QTest::newRow("spaces before the tag stay") << sixty << u"  <TD>text</TD>"_s << false
                                                    << u"  <TD WIDTH=\"60%\">text</TD>"_s;
        QTest::newRow("row wraps a cell") << element(TableElement::Row, {}) << u"<TD>x</TD>"_s << false
                                          << u"<TR>\r\n<TD>x</TD>\r\n</TR>"_s;
        QTest::newRow("row wraps a cell, indented") << element(TableElement::Row, {}) << u"<TD>x</TD>\r\n<TD>y</TD>"_s
                                                    << true << u"<TR>\r\n\t<TD>x</TD>\r\n\t<TD>y</TD>\r\n</TR>"_s;
        QTest::newRow("nothing selected") << element(TableElement::DataCell, {}) << QString() << true
                                          << u"<TD>\r\n\r\n</TD>"_s;

        TableOptions block = element(TableElement::Block, {{u"HEIGHT", u"90"_s},
                                                           {u"CELLPADDING", u"4"_s},
                                                           {u"CELLSPACING", u"3"_s},
                                                           {u"BORDER", u"0"_s},
                                                           {u"WIDTH", u"400"_s},
                                                           {u"BGCOLOR", u" #FFCC00 "_s},
                                                           {u"ALIGN", u"Left"_s}});
        block.percent[TableFieldIndex(TableElement::Block, u"HEIGHT")] = true;
        block.background = u"pics/bg.gif"_s;
        block.noWrap = true; // a block has no NOWRAP
        QTest::newRow("block attribute order")
            << block << u"<TABLE BORDER=1>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>"_s << false
            << u"<TABLE ALIGN=\"Left\" BGCOLOR=\"#FFCC00\" WIDTH=\"400\" BORDER=\"0\" CELLSPACING=\"3\" "
               "CELLPADDING=\"4\" HEIGHT=\"90%\" BACKGROUND=\"pics/bg.gif\">\r\n<TR><TD>x</TD></TR>\r\n</TABLE>"_s;

        TableOptions header = element(TableElement::HeaderCell, {{u"BGCOLOR", u"(default)"_s},
                                                                 {u"ALIGN", u"  "_s},
                                                                 {u"COLSPAN", u"2"_s},
                                                                 {u"VALIGN", u"Baseline"_s}});
        header.noWrap = true;
        QTest::newRow("header cell, blanks left out")
            << header << u"Name"_s << false << u"<TH VALIGN=\"Baseline\" COLSPAN=\"2\" NOWRAP>\r\nName\r\n</TH>"_s;

        TableOptions caption = element(TableElement::Caption, {{u"ALIGN", u"Bottom"_s}});
        caption.background = u"ignored.gif"_s;
        QTest::newRow("caption writes ALIGN") << caption << u"Prices"_s << false
                                              << u"<CAPTION ALIGN=\"Bottom\">\r\nPrices\r\n</CAPTION>"_s;
    }
    void builds()
    {
        QFETCH(TableOptions, options);
        QFETCH(QString, selected);
        QFETCH(bool, indent);
        QFETCH(QString, expected);
        Prefs().IndentCode = indent;
        QCOMPARE(BuildTableText(options, ClassifyTableText(selected)), expected);
    }

    // Whatever the builder writes, the reader gives back; and a rebuilt
    // element applied to itself replaces only its opening tag.
    void roundTrip()
    {
        OptionGenerator generate;
        for (int round = 0; round < 500; ++round) {
            TableOptions options;
            options.element = TableElement(generate.index(TableElementCount));
            TableOptions expected;
            expected.element = options.element;
            const std::span<const TableField> fields = TableFields(options.element);
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const TableField &field = fields[i];
                QString &value = options.values[i];
                switch (field.kind) {
                case TableFieldKind::HAlign:
                case TableFieldKind::VAlign:
                    value = generate.pick(TableFieldItems(options.element, field.kind) << QString() << u"(default)"_s);
                    break;
                case TableFieldKind::Colour:
                    value = generate.pick({{}, u"(default)"_s, u"red"_s, u"#00FFCC"_s});
                    break;
                case TableFieldKind::Number:
                    value = generate.digits(field.digits);
                    break;
                }
                options.percent[i] = !field.percentBox.isEmpty() && generate.flip();
                if (HasValue(value)) {
                    expected.values[i] = value;
                    expected.percent[i] = options.percent[i];
                }
            }
            options.noWrap = generate.flip();
            options.background = generate.pick({{}, u"pics/bg.gif"_s, u"http://server/a b.gif"_s});
            expected.noWrap = HasTableNoWrap(options.element) && options.noWrap;
            expected.background = HasTableBackground(options.element) ? options.background : QString();

            const QString tag = BuildTableTag(options);
            QVERIFY2(ReadTableTag(options.element, tag) == expected, qPrintable(tag));

            const QString wrapped = BuildTableText(options, ClassifyTableText(u"inner"_s));
            const TableSelection selection = ClassifyTableText(wrapped);
            QCOMPARE(selection.kind, options.element);
            QCOMPARE(selection.openingTag, tag);
            QCOMPARE(BuildTableText(options, selection), wrapped);
        }
    }
};

QTEST_GUILESS_MAIN(TableDialogTest)
#include "tabledialog_test.moc"
