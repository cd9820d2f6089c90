#include "html/formattags.h"

#include "app/textrules.h"
#include "html/insertstate.h"
#include "html/valuehelpers.h"
#include "settings/preferences.h"

#include <array>

namespace tavorin {

namespace {

struct FormatRow {
    const char16_t *name;
    const char16_t *tag;
    bool block;  // content on lines of its own
    bool indent; // content indented when IndentCode is on
};

constexpr std::array FormatTable{
    FormatRow{u"No Frames", u"NOFRAMES", true, true},
    FormatRow{u"No Break", u"NOBR", true, false},
    FormatRow{u"Bold", u"B", false, false},
    FormatRow{u"Centre", u"CENTER", true, true},
    FormatRow{u"Sample", u"SAMP", false, false},
    FormatRow{u"Citation", u"CITE", false, false},
    FormatRow{u"Code", u"CODE", false, false},
    FormatRow{u"Keyboard", u"KBD", false, false},
    FormatRow{u"Variable", u"VAR", false, false},
    FormatRow{u"Italic", u"I", false, false},
    FormatRow{u"Strikeout", u"STRIKE", false, false},
    FormatRow{u"Small", u"SMALL", false, false},
    FormatRow{u"Preformatted", u"PRE", true, false},
    FormatRow{u"Underlined", u"U", false, false},
    FormatRow{u"Typewriter", u"TT", false, false},
    FormatRow{u"Emphasised", u"EM", false, false},
    FormatRow{u"Strong", u"STRONG", false, false},
    FormatRow{u"Big", u"BIG", false, false},
    FormatRow{u"Superscript", u"SUP", false, false},
    FormatRow{u"Subscript", u"SUB", false, false},
    FormatRow{u"Blinking", u"BLINK", false, false},
    FormatRow{u"Increase Indent", u"BLOCKQUOTE", true, true},
    FormatRow{u"Blockquote", u"BLOCKQUOTE", true, true},
    FormatRow{u"Address", u"ADDRESS", false, false},
    FormatRow{u"Unordered List", u"UL", true, true},
    FormatRow{u"Definition List", u"DL", true, true},
    FormatRow{u"Menu List", u"MENU", true, true},
    FormatRow{u"Directory List", u"DIR", true, true},
    FormatRow{u"Table Block", u"TABLE", true, true},
    FormatRow{u"Table Row", u"TR", true, true},
    FormatRow{u"Table Data Cell", u"TD", true, true},
    FormatRow{u"Table Header Cell", u"TH", true, true},
    FormatRow{u"Table Caption", u"CAPTION", true, true},
};

const FormatRow *findFormatRow(const QString &name)
{
    for (const FormatRow &row : FormatTable) {
        if (EqualNoCase(name, QStringView(row.name)))
            return &row;
    }
    return nullptr;
}

// Block content on lines of its own, indented when asked.
QString blockContent(const QString &text, bool indent)
{
    const QString wrapped = WrapInLineBreaks(text);
    return indent ? IndentLines(1, wrapped) : wrapped;
}

} // namespace

bool IsFormatCommand(const QString &name)
{
    return findFormatRow(name) != nullptr;
}

QStringList FormatCommandNames()
{
    QStringList names;
    for (const FormatRow &row : FormatTable)
        names << QString::fromUtf16(row.name);
    return names;
}

QString FormatTag(const QString &commandName, const QString &text, const CaptionPrompt &askCaption)
{
    const FormatRow *row = findFormatRow(commandName);
    if (!row)
        return {};
    QString content = text;
    if (QStringView(row->tag) == u"CAPTION" && askCaption) {
        content = askCaption(text);
        if (InsertCancelled)
            return {};
    }
    if (row->block)
        content = blockContent(content, row->indent && Prefs().IndentCode);
    const QString tag = QString::fromUtf16(row->tag);
    return u'<' + tag + u'>' + content + QStringLiteral("</") + tag + u'>';
}

QString FontTag(const QString &text, const QString &face, const QString &size, const QString &colour)
{
    QString result = QStringLiteral("<FONT");
    if (HasValue(face))
        result += QStringLiteral(" FACE=") + QuoteValue(face);
    if (HasValue(size))
        result += QStringLiteral(" SIZE=") + QuoteValue(size);
    if (HasValue(colour))
        result += QStringLiteral(" COLOR=") + QuoteValue(colour);
    return result + u'>' + text + QStringLiteral("</FONT>");
}

QString DropCap(const QString &text)
{
    const QString rest = TrimLeadingSpaces(text);
    // A character outside the basic plane is two units; keep them together.
    qsizetype first = rest.isEmpty() ? 0 : 1;
    if (rest.size() > 1 && rest[0].isHighSurrogate() && rest[1].isLowSurrogate())
        first = 2;
    return FontTag(UpperSameLength(rest.left(first)), QString(), QStringLiteral("+2"), QString())
        + rest.mid(first);
}

QString FontColourTag(const QString &text, const QString &colour)
{
    return QStringLiteral("<FONT COLOR=") + QuoteValue(colour) + u'>' + text + QStringLiteral("</FONT>");
}

QString CommentTag(const QString &text)
{
    return QStringLiteral("<!-- ") + text + QStringLiteral(" -->");
}

QString ParagraphTag(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("<P>");
    return QStringLiteral("<P>") + text + QStringLiteral("</P>");
}

QString AlignDivTag(const QString &text, const QString &alignment, bool indent)
{
    const QString content = indent ? IndentLines(1, text) : text;
    return QStringLiteral("<DIV ALIGN=") + QuoteValue(alignment) + u'>' + WrapInLineBreaks(content)
        + QStringLiteral("</DIV>");
}

QString HeadingTag(const QString &text, int level, bool indent, const QString &alignment)
{
    if (level < 1 || level > 6)
        level = 6;
    const QString content = indent ? IndentLines(1, text) : text;
    QString result = QStringLiteral("<H") + QString::number(level);
    if (HasValue(alignment))
        result += QStringLiteral(" ALIGN=") + QuoteValue(alignment);
    return result + u'>' + WrapInLineBreaks(content) + QStringLiteral("</H") + QString::number(level)
        + u'>';
}

QString OrderedListTag(const QString &items, const QString &type, bool indent)
{
    QString result = QStringLiteral("<OL");
    if (type != u"1" && HasValue(type))
        result += QStringLiteral(" TYPE=") + QuoteValue(type);
    return result + QStringLiteral(">\r\n") + (indent ? IndentLines(1, items) : items)
        + QStringLiteral("\r\n</OL>");
}

QString ListItemTag(const QString &text)
{
    return QStringLiteral("<LI>") + text;
}

QString DefinitionTermTag(const QString &text)
{
    return QStringLiteral("<DT>") + text;
}

QString DefinitionDescTag(const QString &text)
{
    return QStringLiteral("<DD>") + text;
}

QString TitleTag(const QString &text)
{
    return QStringLiteral("<TITLE>") + text + QStringLiteral("</TITLE>");
}

} // namespace tavorin
