// The table dialogs' text: the quick table against its example and its
// counts and banners, the advanced table's classification, reader and
// builder (replacing the opening tag or wrapping), and a round trip over
// generated elements.

#include "html/quicktable.h"
#include "html/tabledialog.h"
#include "html/valuehelpers.h"
#include "settings/preferences.h"
#include "tests/html/golden.h"
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

    void quickTables()
    {
        Transcript t(u"tabledialog/quicktables.txt"_s);
        t.add(u"example"_s, BuildQuickTable({1, 2, {}, false, {}}));
        t.add(u"blank caption and selection in the first cell"_s, BuildQuickTable({2, 1, u"  "_s, false, u"Hi"_s}));
        t.add(u"comments and caption"_s, BuildQuickTable({2, 1, u"Prices"_s, true, {}}));
        Prefs().IndentCode = true;
        t.add(u"indented"_s, BuildQuickTable({1, 1, {}, false, u"Hi"_s}));
    }

    // The boxes take 1 to 99 rows or columns.
    void quickTableCounts()
    {
        const QList<std::pair<QString, int>> cases{{u"0"_s, 1}, {QString(), 1}, {u"1"_s, 1},
                                                   {u"07"_s, 7}, {u"99"_s, 99}, {u"100"_s, 99}};
        for (const auto &[typed, count] : cases)
            QVERIFY2(QuickTableCount(typed) == count, qPrintable(typed));
    }

    void classifies_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<TableElement>("kind");
        QTest::addColumn<QString>("openingTag");
        QTest::newRow("row after spaces") << u"  <TR>x</TR>"_s << TableElement::Row << u"<TR>"_s;
        QTest::newRow("data cell") << u"<Td>x</Td>"_s << TableElement::DataCell << u"<Td>"_s;
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

    // What the round trip cannot reach: other spellings, and attributes an
    // element does not have.
    void readsOpeningTags()
    {
        const auto field = [](QStringView name) { return TableFieldIndex(TableElement::DataCell, name); };
        const TableOptions cell = ReadTableTag(TableElement::DataCell, u"<td width=\"50%\"\r\nHEIGHT=20 nowrap>"_s);
        QCOMPARE(cell.values[field(u"WIDTH")] + u'|' + cell.values[field(u"HEIGHT")], u"50|20"_s);
        QVERIFY(cell.percent[field(u"WIDTH")] && !cell.percent[field(u"HEIGHT")] && cell.noWrap);
        QCOMPARE(ReadTableTag(TableElement::Caption, u"<CAPTION BACKGROUND=\"a.gif\">"_s).background, QString());
        QVERIFY(!ReadTableTag(TableElement::Row, u"<TR NOWRAP>"_s).noWrap);
    }

    // The opening tag replaced, or the selection wrapped; what the round trip
    // leaves out: the attribute order, the indent, other attributes before.
    void builds()
    {
        Transcript t(u"tabledialog/builds.txt"_s);
        const auto build = [&t](const char *name, const TableOptions &options, const QString &selected) {
            t.add(QString::fromLatin1(name), BuildTableText(options, ClassifyTableText(selected)));
        };
        TableOptions sixty = element(TableElement::DataCell, {{u"WIDTH", u"60"_s}});
        sixty.percent[TableFieldIndex(TableElement::DataCell, u"WIDTH")] = true;
        build("width edited to 60", sixty, u"<TD WIDTH=\"50%\">text</TD>"_s);
        build("spaces before the tag stay", sixty, u"  <TD>text</TD>"_s);

        TableOptions block = element(TableElement::Block, {{u"HEIGHT", u"90"_s}, {u"CELLPADDING", u"4"_s},
                                                           {u"CELLSPACING", u"3"_s}, {u"BORDER", u"0"_s},
                                                           {u"WIDTH", u"400"_s}, {u"BGCOLOR", u" #FFCC00 "_s},
                                                           {u"ALIGN", u"Left"_s}});
        block.percent[TableFieldIndex(TableElement::Block, u"HEIGHT")] = true;
        block.background = u"pics/bg.gif"_s;
        block.noWrap = true; // a block has no NOWRAP
        build("block attribute order", block, u"<TABLE BORDER=1>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>"_s);

        TableOptions header = element(TableElement::HeaderCell, {{u"BGCOLOR", u"(default)"_s}, {u"ALIGN", u"  "_s},
                                                                 {u"COLSPAN", u"2"_s}, {u"VALIGN", u"Baseline"_s}});
        header.noWrap = true;
        build("header cell, blanks left out", header, u"Name"_s);
        TableOptions caption = element(TableElement::Caption, {{u"ALIGN", u"Bottom"_s}});
        caption.background = u"ignored.gif"_s;
        build("caption writes ALIGN", caption, u"Prices"_s);

        Prefs().IndentCode = true;
        build("row wraps cells, indented", element(TableElement::Row, {}), u"<TD>x</TD>\r\n<TD>y</TD>"_s);
        build("nothing selected", element(TableElement::DataCell, {}), QString());
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
