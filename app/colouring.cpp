#include "app/colouring.h"

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

// Characters that never stand for themselves in the body.
constexpr std::array<bool, 128> SpecialCharacters(bool colouring)
{
    std::array<bool, 128> table{};
    table['\\'] = table['{'] = table['}'] = table['\r'] = true;
    if (colouring)
        table['<'] = table['>'] = true;
    return table;
}
constexpr auto PlainSpecials = SpecialCharacters(false);
constexpr auto ColourSpecials = SpecialCharacters(true);

// Appends the body for text. The twelve replacements collapse into rules on
// each character and its neighbours in the original text:
//  - "<" gets no colour before " " or "="; "\cf3 " when "<!-- %" starts
//    there, "\cf2 " before "!", "\cf1 " otherwise.
//  - ">" keeps its "\cf0 " unless a space stands before it (the step that
//    removes " >\cf0 " scans left to right, so in a run ">>>" it eats the
//    space ending the previous ">\cf0 " only when that one kept its own),
//    or "=" stands before it.
//  - "\r\n" is followed by "\par ".
void WriteBody(RtfWriter &out, QStringView text, bool colouring)
{
    const auto &special = colouring ? ColourSpecials : PlainSpecials;
    const QChar *const begin = text.data();
    const QChar *const end = begin + text.size();
    const QChar *p = begin;
    const QChar *plainFrom = begin;
    bool previousCloseMerged = false; // the last ">" lost its "\cf0 " to a space

    out.append(u"\\cf0 ");
    while (p < end) {
        const char16_t c = p->unicode();
        if (c >= 128 || !special[c]) {
            ++p;
            continue;
        }
        out.append(plainFrom, p - plainFrom);
        out.reserve(8);
        switch (c) {
        case '\\':
            out.put(u"\\\\");
            break;
        case '{':
            out.put(u"\\{");
            break;
        case '}':
            out.put(u"\\}");
            break;
        case '\r':
            if (p + 1 < end && p[1] == u'\n') {
                out.put(u"\r\n\\par ");
                ++p;
            } else {
                out.put(u'\r');
            }
            break;
        case '<': {
            const char16_t next = p + 1 < end ? p[1].unicode() : 0;
            if (next == ' ' || next == '=') {
                out.put(u'<');
            } else if (next == '!') {
                const bool smart = end - p >= 6 && QStringView(p, 6) == u"<!-- %";
                out.put(smart ? u"\\cf3 <" : u"\\cf2 <");
            } else {
                out.put(u"\\cf1 <");
            }
            break;
        }
        case '>': {
            const char16_t before = p > begin ? p[-1].unicode() : 0;
            const bool merged = before == ' ' || (before == '>' && !previousCloseMerged);
            previousCloseMerged = merged;
            out.put(u'>');
            if (!merged && before != '=')
                out.put(u"\\cf0 ");
            break;
        }
        }
        ++p;
        plainFrom = p;
    }
    out.append(plainFrom, end - plainFrom);
}

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
    WriteBody(out, text, colouring);
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
            WriteBody(out, text, colouring);
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
