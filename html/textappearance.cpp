#include "html/textappearance.h"

#include "app/textrules.h"
#include "html/formattags.h"
#include "html/valuehelpers.h"
#include "settings/datafiles.h"

namespace tavorin {

namespace {

bool chosen(const TextAppearance &options, const QString &style)
{
    return options.styles.contains(style, Qt::CaseInsensitive);
}

QString withCase(const QString &text, TextAppearance::Case textCase)
{
    switch (textCase) {
    case TextAppearance::Case::Upper:
        return text.toUpper();
    case TextAppearance::Case::Lower:
        return text.toLower();
    case TextAppearance::Case::Title:
        return TitleCase(text);
    case TextAppearance::Case::None:
        break;
    }
    return text;
}

} // namespace

QStringList TextStyleNames()
{
    return {QStringLiteral("Address"),   QStringLiteral("Big"),        QStringLiteral("Blinking"),
            QStringLiteral("Blockquote"), QStringLiteral("Bold"),      QStringLiteral("Citation"),
            QStringLiteral("Code"),      QStringLiteral("Emphasised"), QStringLiteral("Italic"),
            QStringLiteral("Keyboard"),  QStringLiteral("Preformatted"), QStringLiteral("Sample"),
            QStringLiteral("Small"),     QStringLiteral("Strikeout"),  QStringLiteral("Strong"),
            QStringLiteral("Subscript"), QStringLiteral("SuperScript"), QStringLiteral("Typewriter"),
            QStringLiteral("Underlined"), QStringLiteral("Variable")};
}

QStringList FontSizeChoices()
{
    QStringList sizes{QStringLiteral("(default)")};
    for (const QString &sign : {QString(), QStringLiteral("+"), QStringLiteral("-")}) {
        for (int n = 1; n <= 7; ++n)
            sizes.append(sign + QString::number(n));
    }
    return sizes;
}

QString ApplyTextAppearance(const QString &text, const TextAppearance &options)
{
    const QString preformatted = QStringLiteral("Preformatted");
    const QString blockquote = QStringLiteral("Blockquote");
    QString t = withCase(text, options.textCase);
    if (options.dropCap)
        t = DropCap(t);
    if (chosen(options, preformatted))
        t = FormatTag(preformatted, t);
    if (options.headingLevel >= 1 && options.headingLevel <= 6)
        t = HeadingTag(t, options.headingLevel, options.indentCode, options.headingAlign);
    if (HasValue(options.fontSize) || HasValue(options.colour) || HasValue(options.fontFace))
        t = FontTag(t, options.fontFace, options.fontSize, options.colour);
    for (const QString &style : TextStyleNames()) {
        if (style != preformatted && style != blockquote && chosen(options, style))
            t = FormatTag(style, t);
    }
    if (HasValue(options.startTags))
        t = options.startTags + t;
    if (HasValue(options.endTags))
        t += options.endTags;
    if (HasValue(options.alignment))
        t = AlignDivTag(t, options.alignment, options.indentCode);
    else if (options.centre)
        t = FormatTag(QStringLiteral("Centre"), t);
    if (options.indent || chosen(options, blockquote))
        t = FormatTag(QStringLiteral("Increase Indent"), t);
    return t;
}

QString FontFaceFor(const QString &fontBox, bool useCollections)
{
    if (useCollections) {
        const QString name = TrimSpaces(fontBox);
        for (const FontCollection &collection : FontCollections()) {
            if (!collection.name.isEmpty() && EqualNoCase(collection.name, name))
                return collection.fonts;
        }
    }
    return fontBox;
}

QString BaseFontTag(const QString &size)
{
    return QStringLiteral("<BASEFONT SIZE=") + QuoteValue(size) + u'>';
}

double TextSizeSamplePoints(int size)
{
    return size * size * 0.5 + 6;
}

} // namespace tavorin
