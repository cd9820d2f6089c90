#pragma once

// The advanced table dialog's tags apart from its widget: the five table
// elements with the input fields each one holds (the attribute each field
// writes, in the order they are written), the classification of a selected
// text, the reader of a selected opening tag and the builder that replaces
// that opening tag or wraps the selection in a new element.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

namespace tavorin {

// The table elements in the order of their option buttons; None for a
// selected text that is none of them.
enum class TableElement { Block, Row, DataCell, Caption, HeaderCell, None };
inline constexpr int TableElementCount = 5; // Block to HeaderCell

enum class TableFieldKind { HAlign, VAlign, Colour, Number };

// One input field of an element. Its control is named control + "_" + the
// element's index ("txtWidth_2").
struct TableField {
    QStringView control;
    QStringView caption;
    QStringView attribute;
    TableFieldKind kind;
    int digits = 0;              // Number: the most digits it takes
    QStringView percentBox = {}; // WIDTH and HEIGHT: the check box that adds "%"
};
inline constexpr int MaxTableFields = 7;

// The fields of element, in the order the dialog holds them; none for None.
std::span<const TableField> TableFields(TableElement element);
// The index of the field writing attribute (any case) in TableFields(element), -1 for none.
int TableFieldIndex(TableElement element, QStringView attribute);
// The items of an alignment field's lookup combo; none for other kinds.
QStringList TableFieldItems(TableElement element, TableFieldKind kind);
// "TABLE", "TR", "TD", "CAPTION", "TH"; "" for None.
QString TableTagName(TableElement element);
// The caption of the element's frame ("Table Block" ... "Table Header") and of its option button ("Bloc&k" ...).
QString TableFrameCaption(TableElement element);
QString TableOptionCaption(TableElement element);
// Whether the element has a background image (all but the caption) and the no-wrap box (the cells).
bool HasTableBackground(TableElement element);
bool HasTableNoWrap(TableElement element);

struct TableOptions {
    TableElement element = TableElement::DataCell;
    std::array<QString, MaxTableFields> values;  // the text of each field, in TableFields order
    std::array<bool, MaxTableFields> percent{}; // for the fields with a percent box
    bool noWrap = false;                         // cells only
    QString background; // BACKGROUND; when building, the processed location ("" for none)
    friend bool operator==(const TableOptions &, const TableOptions &) = default;
};

// The text handed to the dialog: its kind, from how it begins once trimmed
// ("<TABLE", "<TR", "<TD", "<CAPTION", "<TH", any case), and its opening
// tag (OpeningTagOf; to the end of the text when its ">" is missing; "" for
// None).
struct TableSelection {
    QString text;
    TableElement kind = TableElement::None;
    QString openingTag;
};
TableSelection ClassifyTableText(const QString &selected);

// The options of element read from an opening tag (line breaks become
// blanks): every field's attribute, a final "%" of WIDTH and HEIGHT taken
// off into the percent box; NOWRAP anywhere for cells; BACKGROUND for all but
// the caption.
TableOptions ReadTableTag(TableElement element, const QString &openingTag);

// "<" + tag, the fields with a value in field order (WIDTH and HEIGHT as
// typed, with "%" when asked; the others quoted and trimmed), BACKGROUND,
// NOWRAP for a cell when asked, ">".
QString BuildTableTag(const TableOptions &options);

// The dialog's result: for a selection of the element's own kind the new
// opening tag in place of the old one; otherwise the selection wrapped in
// the new element, indented when IndentCode is on.
QString BuildTableText(const TableOptions &options, const TableSelection &selection);

} // namespace tavorin
