#include "html/tabledialog.h"

#include "app/textrules.h"
#include "html/elementedit.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

using Kind = TableFieldKind;

constexpr TableField HAlign{u"colHAlign", u"Hori&zontal Align:", u"ALIGN", Kind::HAlign};
constexpr TableField VAlign{u"colVAlign", u"&Vertical Align:", u"VALIGN", Kind::VAlign};

constexpr std::array BlockFields{
    HAlign,
    TableField{u"colBlockColour", u"Background C&olour:", u"BGCOLOR", Kind::Colour},
    TableField{u"txtWidth", u"Table &Width:", u"WIDTH", Kind::Number, 4, u"chkWidthPercent"},
    TableField{u"txtBlockBorderSize", u"&Border Size:", u"BORDER", Kind::Number, 3},
    TableField{u"txtBlockCSpacing", u"Cell &Spacing:", u"CELLSPACING", Kind::Number, 3},
    TableField{u"txtBlockCPadding", u"Cell &Padding:", u"CELLPADDING", Kind::Number, 3},
    TableField{u"txtHeight", u"Table H&eight:", u"HEIGHT", Kind::Number, 4, u"chkHeightPercent"},
};
constexpr std::array RowFields{
    HAlign,
    TableField{u"colRowColour", u"Background C&olour:", u"BGCOLOR", Kind::Colour},
    VAlign,
};
constexpr std::array CellFields{
    HAlign,
    TableField{u"colDataColour", u"Background C&olour:", u"BGCOLOR", Kind::Colour},
    VAlign,
    TableField{u"txtWidth", u"Cell &Width:", u"WIDTH", Kind::Number, 4, u"chkWidthPercent"},
    TableField{u"txtHeight", u"Cell H&eight:", u"HEIGHT", Kind::Number, 4, u"chkHeightPercent"},
    TableField{u"txtDataColSpan", u"Colu&mn Span:", u"COLSPAN", Kind::Number, 3},
    TableField{u"txtDataRowSpan", u"Row &Span:", u"ROWSPAN", Kind::Number, 3},
};
// The caption's vertical alignment is written as ALIGN.
constexpr std::array CaptionFields{
    TableField{u"colVAlign", u"&Vertical Align:", u"ALIGN", Kind::VAlign},
};

struct ElementRow {
    QStringView tag;
    QStringView frameCaption;
    QStringView optionCaption;
};
constexpr std::array<ElementRow, TableElementCount> Elements{
    ElementRow{u"TABLE", u"Table Block", u"Bloc&k"},
    ElementRow{u"TR", u"Table Row", u"&Row"},
    ElementRow{u"TD", u"Table Data Cell", u"&Data Cell"},
    ElementRow{u"CAPTION", u"Table Caption", u"&Caption"},
    ElementRow{u"TH", u"Table Header", u"&Header Cell"},
};

const ElementRow *elementRow(TableElement element)
{
    const int index = int(element);
    return index >= 0 && index < TableElementCount ? &Elements[index] : nullptr;
}

bool isCell(TableElement element)
{
    return element == TableElement::DataCell || element == TableElement::HeaderCell;
}

} // namespace

std::span<const TableField> TableFields(TableElement element)
{
    switch (element) {
    case TableElement::Block:
        return BlockFields;
    case TableElement::Row:
        return RowFields;
    case TableElement::DataCell:
    case TableElement::HeaderCell:
        return CellFields;
    case TableElement::Caption:
        return CaptionFields;
    case TableElement::None:
        break;
    }
    return {};
}

int TableFieldIndex(TableElement element, QStringView attribute)
{
    const std::span<const TableField> fields = TableFields(element);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (EqualNoCase(fields[i].attribute, attribute))
            return int(i);
    }
    return -1;
}

QStringList TableFieldItems(TableElement element, TableFieldKind kind)
{
    switch (kind) {
    case Kind::HAlign:
        // A table block is placed left or right; there is no centred one.
        return element == TableElement::Block ? QStringList{u"Left"_s, u"Right"_s} : AlignValues();
    case Kind::VAlign:
        return element == TableElement::Caption ? QStringList{u"Top"_s, u"Bottom"_s} : VAlignValues();
    case Kind::Colour:
    case Kind::Number:
        break;
    }
    return {};
}

QString TableTagName(TableElement element)
{
    const ElementRow *row = elementRow(element);
    return row ? row->tag.toString() : QString();
}

QString TableFrameCaption(TableElement element)
{
    const ElementRow *row = elementRow(element);
    return row ? row->frameCaption.toString() : QString();
}

QString TableOptionCaption(TableElement element)
{
    const ElementRow *row = elementRow(element);
    return row ? row->optionCaption.toString() : QString();
}

bool HasTableBackground(TableElement element)
{
    return elementRow(element) && element != TableElement::Caption;
}

bool HasTableNoWrap(TableElement element)
{
    return isCell(element);
}

TableSelection ClassifyTableText(const QString &selected)
{
    TableSelection selection;
    selection.text = selected;
    const QString trimmed = TrimSpaces(selected);
    // "<TABLE" before "<TR", "<TD" and "<TH", which it does not begin with anyway.
    for (const TableElement element : {TableElement::Block, TableElement::Row, TableElement::DataCell,
                                       TableElement::Caption, TableElement::HeaderCell}) {
        if (StartsWithNoCase(trimmed, u'<' + TableTagName(element))) {
            selection.kind = element;
            break;
        }
    }
    if (selection.kind != TableElement::None)
        selection.openingTag = OpeningTagOf(selected);
    return selection;
}

TableOptions ReadTableTag(TableElement element, const QString &openingTag)
{
    const QString flat = CrLfToSpace(openingTag);
    TableOptions options;
    options.element = element;
    const std::span<const TableField> fields = TableFields(element);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        QString value = GetAttributeValue(flat, fields[i].attribute);
        if (!fields[i].percentBox.isEmpty() && value.endsWith(u'%')) {
            value.chop(1);
            options.percent[i] = true;
        }
        options.values[i] = value;
    }
    if (HasTableNoWrap(element))
        options.noWrap = flat.contains(u"NOWRAP"_s, Qt::CaseInsensitive);
    if (HasTableBackground(element))
        options.background = GetAttributeValue(flat, u"BACKGROUND");
    return options;
}

QString BuildTableTag(const TableOptions &options)
{
    QString tag = u'<' + TableTagName(options.element);
    const std::span<const TableField> fields = TableFields(options.element);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString &value = options.values[i];
        if (!HasValue(value))
            continue;
        const QString attribute = u' ' + fields[i].attribute.toString() + u'=';
        if (fields[i].percentBox.isEmpty())
            tag += attribute + QuoteValue(value);
        else
            tag += attribute + u'"' + value + (options.percent[i] ? u"%\""_s : u"\""_s);
    }
    if (HasTableBackground(options.element) && !options.background.isEmpty())
        tag += u" BACKGROUND="_s + QuoteValue(options.background);
    if (HasTableNoWrap(options.element) && options.noWrap)
        tag += u" NOWRAP"_s;
    return tag + u'>';
}

QString BuildTableText(const TableOptions &options, const TableSelection &selection)
{
    return ReplaceOrWrapElement(BuildTableTag(options), selection.text, options.element == selection.kind,
                                TableTagName(options.element));
}

} // namespace tavorin
