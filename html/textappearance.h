#pragma once

// What the text appearance window does to the selected text: the case, the
// drop cap, the styles, the heading, the font, the user's own tags, the
// alignment and the indent, applied in one fixed order so the tags nest the
// same way every time (the first applied is the innermost).

#include <QString>
#include <QStringList>

namespace tavorin {

struct TextAppearance {
    enum class Case { None, Title, Lower, Upper };
    Case textCase = Case::None;
    bool dropCap = false;
    QStringList styles;   // the selected names of TextStyleNames(), any order
    int headingLevel = 0; // 1 to 6; 0 for no heading
    QString headingAlign;
    QString fontFace;     // the font names to write, a collection already resolved
    QString fontSize;     // "(default)" for none
    QString colour;
    QString startTags;
    QString endTags;
    QString alignment;
    bool centre = false;
    bool indent = false;
    bool indentCode = false; // the IndentCode preference, for headings and DIVs
};

// The style names the window offers, in list order.
QStringList TextStyleNames();

// The sizes the size box offers: "(default)", "1" to "7", "+1" to "+7", "-1" to "-7".
QStringList FontSizeChoices();

// The text wrapped as the options ask; the text itself when nothing is chosen.
QString ApplyTextAppearance(const QString &text, const TextAppearance &options);

// The font names for a font box: the fonts of the collection of that name
// (any case) when collections are in use and one has it, the box's text otherwise.
QString FontFaceFor(const QString &fontBox, bool useCollections);

// "<BASEFONT SIZE="n">" for the page text size n.
QString BaseFontTag(const QString &size);

// The point size of the page text size sample: n * n * 0.5 + 6.
double TextSizeSamplePoints(int size);

} // namespace tavorin
