#pragma once

// The program's own RTF reader. It turns RTF into plain text with colour
// runs and the little formatting the document box uses (one font, tab stops).
// It understands what the colouring writes (font and colour tables, \cfN,
// \par, \tx, \b, \i, \fs, \f, escaped \\ \{ \}, \'hh in Windows-1252, \uN
// with \ucN fallbacks), skips other destinations and unknown control words,
// and keeps the text of any other RTF. Damaged RTF (unbalanced braces,
// truncation, huge numbers, deep nesting) yields whatever text it holds.

#include <QList>
#include <QString>
#include <QStringView>

namespace tavorin {

// The colour of text that names no colour (or an automatic table entry).
inline constexpr quint32 RtfAutoColour = 0xFFFFFFFFu;

struct RtfColourRun {
    qsizetype start = 0;
    qsizetype length = 0;
    quint32 colour = RtfAutoColour; // 0x00BBGGRR or RtfAutoColour
};

struct RtfContent {
    // False when the input did not start with "{\rtf" and was taken as plain
    // text; text then holds it with every line break ("\r\n", "\r", "\n")
    // made "\n", and there are no runs.
    bool isRtf = false;
    // Paragraphs separated by "\n". Like the platform's box, the reader does
    // not keep the final paragraph mark: "a\par " reads as "a".
    QString text;
    // Consecutive runs covering text from its start to its end; neighbours
    // differ in colour. Empty when text is empty.
    QList<RtfColourRun> runs;
    // Character format of the first character (or of the end, without text).
    QString fontName;   // "" when the RTF names none
    int halfPoints = 0; // font size in half points; 0 when the RTF gives none
    bool bold = false;
    bool italic = false;
    // Tab stops of the first paragraph, in twips, as given (\txN).
    QList<int> tabStops;
    int defaultTab = 720; // \deftabN, twips
    // Entry 0 of the colour table (what \cf0 means); RtfAutoColour when
    // there is no table or the entry is automatic.
    quint32 baseColour = RtfAutoColour;
};

// Reads rtf; text that does not start with "{\rtf" is plain text.
RtfContent ReadRtf(QStringView rtf);
// Plain text as content without colours: every line break made "\n".
RtfContent PlainTextContent(QStringView text);

// The text a document gets from a file's text: RTF reduced to its plain
// text, anything else as it stands; every line break made "\r\n".
QString DocumentTextOf(const QString &fileText);

// The character of a Windows-1252 byte (unassigned bytes keep their value).
char16_t Windows1252Char(unsigned char byte);

} // namespace tavorin
