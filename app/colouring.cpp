#include "app/colouring.h"

#include "app/rtfreader.h"
#include "app/textrules.h"
#include "settings/paths.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace tavorin {

namespace {

// Writes into a QString through a raw pointer. Millions of tiny appends to a
// QString cost a size check and a possible detach each; here the caller
// reserves room once per piece and copies.
class RtfWriter {
public:
    explicit RtfWriter(qsizetype capacity)
    {
        m_text.resize(std::max<qsizetype>(capacity, 64));
        m_at = m_text.data();
        m_end = m_at + m_text.size();
    }

    void reserve(qsizetype count)
    {
        if (m_end - m_at < count)
            grow(count);
    }
    // The caller has reserved room.
    void put(char16_t c) { *m_at++ = QChar(c); }
    void put(const QChar *from, qsizetype count)
    {
        std::memcpy(static_cast<void *>(m_at), from, size_t(count) * sizeof(QChar));
        m_at += count;
    }
    template<size_t N>
    void put(const char16_t (&literal)[N])
    {
        put(reinterpret_cast<const QChar *>(literal), qsizetype(N - 1));
    }

    void append(const QChar *from, qsizetype count)
    {
        reserve(count);
        put(from, count);
    }
    void append(QStringView text) { append(text.data(), text.size()); }

    qsizetype size() const { return m_at - m_text.constData(); }
    const QChar *at(qsizetype position) const { return m_text.constData() + position; }

    QString finish()
    {
        m_text.resize(size());
        // Growing leaves up to half the buffer unused; give it back.
        if (m_text.capacity() - m_text.size() > m_text.size() / 8)
            m_text.squeeze();
        return std::move(m_text);
    }

private:
    void grow(qsizetype count)
    {
        const qsizetype used = size();
        const qsizetype capacity = std::max(m_text.size() + m_text.size() / 2, used + count + 64);
        m_text.resize(capacity);
        m_at = m_text.data() + used;
        m_end = m_text.data() + capacity;
    }

    QString m_text;
    QChar *m_at = nullptr;
    QChar *m_end = nullptr;
};

// Characters the body does not copy along with the text around them.
constexpr std::array<bool, 128> SpecialCharacters(bool colouring)
{
    std::array<bool, 128> table{};
    table['\\'] = table['{'] = table['}'] = table['\r'] = table['\n'] = true;
    if (colouring)
        table['<'] = table['>'] = true;
    return table;
}
constexpr auto PlainSpecials = SpecialCharacters(false);
constexpr auto ColourSpecials = SpecialCharacters(true);

// The body written as RTF: what TextToRtf puts in place of the template's
// placeholder.
class RtfBody {
public:
    explicit RtfBody(RtfWriter &out) : m_out(out) {}
    Q_DISABLE_COPY_MOVE(RtfBody)

    void colour(int entry)
    {
        m_out.reserve(5);
        m_out.put(u"\\cf");
        m_out.put(char16_t(u'0' + entry));
        m_out.put(u' ');
    }
    void text(const QChar *from, qsizetype count) { m_out.append(from, count); }
    // One character of the text that RTF reads as syntax or that the
    // colouring looked at.
    void character(char16_t c)
    {
        m_out.reserve(2);
        if (c == u'\\' || c == u'{' || c == u'}')
            m_out.put(u'\\');
        m_out.put(c);
    }
    void lineBreak()
    {
        m_out.reserve(8);
        m_out.put(u"\r\n\\par ");
    }
    // A "\r" or "\n" that is not half of a "\r\n" goes in as it is (RTF
    // readers skip it).
    void loneBreak(char16_t c)
    {
        m_out.reserve(1);
        m_out.put(c);
    }

private:
    RtfWriter &m_out;
};

// Hands the body for text to out, piece by piece. The twelve replacements
// collapse into rules on each character and its neighbours in the original
// text:
//  - "<" gets no colour before " " or "="; "\cf3 " when "<!-- %" starts
//    there, "\cf2 " before "!", "\cf1 " otherwise.
//  - ">" keeps its "\cf0 " unless a space stands before it (the step that
//    removes " >\cf0 " scans left to right, so in a run ">>>" it eats the
//    space ending the previous ">\cf0 " only when that one kept its own),
//    or "=" stands before it.
//  - "\r\n" is followed by "\par ".
template<typename Body>
void WriteBody(Body &out, QStringView text, bool colouring)
{
    const auto &special = colouring ? ColourSpecials : PlainSpecials;
    const QChar *const begin = text.data();
    const QChar *const end = begin + text.size();
    const QChar *p = begin;
    const QChar *plainFrom = begin;
    bool previousCloseMerged = false; // the last ">" lost its "\cf0 " to a space

    out.colour(0);
    while (p < end) {
        const char16_t c = p->unicode();
        if (c >= 128 || !special[c]) {
            ++p;
            continue;
        }
        out.text(plainFrom, p - plainFrom);
        switch (c) {
        case '\r':
            if (p + 1 < end && p[1] == u'\n') {
                out.lineBreak();
                ++p;
            } else {
                out.loneBreak(c);
            }
            break;
        case '\n':
            out.loneBreak(c);
            break;
        case '<': {
            const char16_t next = p + 1 < end ? p[1].unicode() : 0;
            if (next == '!')
                out.colour(end - p >= 6 && QStringView(p, 6) == u"<!-- %" ? 3 : 2);
            else if (next != ' ' && next != '=')
                out.colour(1);
            out.character(c);
            break;
        }
        case '>': {
            const char16_t before = p > begin ? p[-1].unicode() : 0;
            const bool merged = before == ' ' || (before == '>' && !previousCloseMerged);
            previousCloseMerged = merged;
            out.character(c);
            if (!merged && before != '=')
                out.colour(0);
            break;
        }
        default: // "\\", "{", "}"
            out.character(c);
        }
        ++p;
        plainFrom = p;
    }
    out.text(plainFrom, end - plainFrom);
}

void WriteRtfBody(RtfWriter &out, QStringView text, bool colouring)
{
    RtfBody body(out);
    WriteBody(body, text, colouring);
}

// The body as the RTF reader reads it back: paragraphs separated by "\n",
// colour runs in the colours of the template's four entries.
class ContentBody {
public:
    // The text written is at most as long as capacity.
    ContentBody(RtfContent &content, const std::array<quint32, 4> &colours, qsizetype capacity)
        : m_content(content), m_colours(colours)
    {
        m_content.text.resize(capacity);
        m_write = m_content.text.data();
    }
    Q_DISABLE_COPY_MOVE(ContentBody)

    void colour(int entry) { m_colour = m_colours[size_t(entry)]; }
    void text(const QChar *from, qsizetype count) { put(from, count); }
    void character(char16_t c) { put(reinterpret_cast<const QChar *>(&c), 1); }
    void lineBreak() { character(u'\n'); }
    // A line break character in RTF source is no text.
    void loneBreak(char16_t) {}

    // Like the reader, keeps no final paragraph mark unless asked to.
    void finish(bool keepFinalBreak)
    {
        qsizetype length = m_write - m_content.text.constData();
        if (!keepFinalBreak && length > 0 && m_content.text.at(length - 1) == u'\n') {
            --length;
            if (--m_content.runs.last().length == 0)
                m_content.runs.removeLast();
        }
        m_content.text.resize(length);
    }

private:
    void put(const QChar *from, qsizetype count)
    {
        if (count <= 0)
            return;
        QList<RtfColourRun> &runs = m_content.runs;
        if (runs.isEmpty() || runs.constLast().colour != m_colour)
            runs.append(RtfColourRun{m_write - m_content.text.constData(), 0, m_colour});
        runs.last().length += count;
        std::memcpy(static_cast<void *>(m_write), from, size_t(count) * sizeof(QChar));
        m_write += count;
    }

    RtfContent &m_content;
    const std::array<quint32, 4> m_colours;
    quint32 m_colour = RtfAutoColour;
    QChar *m_write = nullptr;
};

} // namespace

QString RtfColour(quint32 colour)
{
    const quint32 red = colour & 0xFF;
    const quint32 green = (colour >> 8) & 0xFF;
    const quint32 blue = (colour >> 16) & 0xFF;
    return u"\\red%1\\green%2\\blue%3;"_s.arg(red).arg(green).arg(blue);
}

QString MakeColourTable(const QString &rtf, quint32 c0, quint32 c1, quint32 c2, quint32 c3)
{
    const QString tableStart = u"{\\colortbl"_s;
    const qsizetype start = rtf.indexOf(tableStart);
    if (start < 0)
        return rtf;
    const qsizetype close = rtf.indexOf(u'}', start);
    if (close < 0)
        return rtf;
    return rtf.left(start) + tableStart + RtfColour(c0) + RtfColour(c1) + RtfColour(c2) + RtfColour(c3)
        + rtf.mid(close);
}

int TabStopCount(int tabWidth)
{
    if (tabWidth < 1)
        return 0;
    // 200 / tabWidth rounded to the nearest whole number, halves to even.
    int count = 200 / tabWidth;
    const int twiceRemainder = 2 * (200 % tabWidth);
    if (twiceRemainder > tabWidth || (twiceRemainder == tabWidth && count % 2 == 1))
        ++count;
    return std::min(count, 30);
}

QString AddTabStops(const QString &rtf, int tabWidth)
{
    const int count = TabStopCount(tabWidth);
    if (count == 0)
        return rtf;
    QString stops = u"\\pard"_s;
    for (int i = 0; i < count; ++i) {
        stops += u"\\tx"_s;
        stops += QString::number(static_cast<long long>(i) * tabWidth * 120);
    }
    QString result = rtf;
    result.replace(u"\\pard"_s, stops, Qt::CaseInsensitive);
    return result;
}

QString MakeRtfTemplate(const QString &fontName, int pointSize, bool bold, bool italic)
{
    // Only plain ASCII letters go in as they are: "!" would be taken for the
    // placeholder, ";" would end the name, and "\", "{", "}" are RTF syntax.
    QString name;
    for (const QChar ch : fontName) {
        const char16_t c = ch.unicode();
        if (c < 0x20 || c == 0x7F)
            continue;
        if (c == '!' || c == ';' || c == '\\' || c == '{' || c == '}')
            name += u"\\'%1"_s.arg(int(c), 2, 16, QChar(u'0'));
        else if (c >= 0x80)
            name += u"\\u%1?"_s.arg(int(static_cast<qint16>(c)));
        else
            name += ch;
    }

    QString rtf = u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl{\\f0\\fnil\\fcharset0 "_s + name
        + u";}}\r\n{\\colortbl ;\\red0\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\f0"_s;
    if (pointSize > 0) {
        rtf += u"\\fs"_s;
        rtf += QString::number(static_cast<long long>(pointSize) * 2);
    }
    if (bold)
        rtf += u"\\b"_s;
    if (italic)
        rtf += u"\\i"_s;
    rtf += u" !}"_s;
    return rtf;
}

QString TextToRtfBody(QStringView text, bool colouring)
{
    RtfWriter out(text.size() + text.size() / 4 + 16);
    WriteRtfBody(out, text, colouring);
    return out.finish();
}

QString TextToRtf(QStringView text, QStringView rtfTemplate, bool colouring)
{
    RtfWriter out(rtfTemplate.size() + text.size() + text.size() / 4 + 16);
    qsizetype bodyStart = -1;
    qsizetype bodyLength = 0;
    qsizetype from = 0;
    for (qsizetype bang = rtfTemplate.indexOf(u'!'); bang >= 0; bang = rtfTemplate.indexOf(u'!', from)) {
        out.append(rtfTemplate.mid(from, bang - from));
        if (bodyStart < 0) {
            bodyStart = out.size();
            WriteRtfBody(out, text, colouring);
            bodyLength = out.size() - bodyStart;
        } else {
            out.reserve(bodyLength);
            out.put(out.at(bodyStart), bodyLength);
        }
        from = bang + 1;
    }
    out.append(rtfTemplate.mid(from));
    return out.finish();
}

RtfContent ColouredContent(QStringView text, QStringView rtfTemplate, bool colouring, bool keepFinalBreak)
{
    const auto throughRtf = [&] {
        if (keepFinalBreak)
            return ReadRtf(TextToRtf(text.toString() + u"\r\n"_s, rtfTemplate, colouring));
        return ReadRtf(TextToRtf(text, rtfTemplate, colouring));
    };
    // The template's format and colours come from a sample that shows each
    // colour once and ends in a line break. A template that adds text of
    // its own or holds the placeholder more than once goes the long way, and
    // so does text that leaves nothing to read (the format is then the one
    // at the document's end).
    const QString sample = u"a<b><!c><!-- %d>"_s;
    RtfContent content = ReadRtf(TextToRtf(sample + u"\r\n"_s, rtfTemplate, colouring));
    if (content.text != sample)
        return throughRtf();
    const auto colourAt = [&content](qsizetype position) {
        return std::find_if(content.runs.cbegin(), content.runs.cend(), [position](const RtfColourRun &run) {
                   return position < run.start + run.length;
               })->colour;
    };
    const std::array<quint32, 4> colours{colourAt(0), colourAt(1), colourAt(4), colourAt(8)};
    content.text.clear();
    content.runs.clear();
    ContentBody body(content, colours, text.size());
    WriteBody(body, text, colouring);
    body.finish(keepFinalBreak);
    if (content.text.isEmpty())
        return throughRtf();
    return content;
}

bool IsHtmlDocumentPath(const QString &path)
{
    const QString trimmed = TrimSpaces(path);
    if (!HasDrive(trimmed))
        return true;
    const QStringView extension = QStringView(trimmed).mid(trimmed.lastIndexOf(u'.') + 1);
    for (const auto html : {u"asp", u"htm", u"html", u"shtml"}) {
        if (EqualNoCase(extension, QStringView(html)))
            return true;
    }
    return false;
}

} // namespace tavorin
