#include "app/rtfreader.h"

#include "app/textrules.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace tavorin {

namespace {

enum class Destination : quint8 { Text, Skip, FontTable, ColourTable };

enum class Word : quint8 {
    Unknown,
    Par,
    Tab,
    Cell,
    Char, // a word that stands for one character (\emdash, \bullet, ...)
    Cf,
    U,
    Uc,
    Bin,
    F,
    Fs,
    B,
    I,
    Plain,
    Pard,
    Tx,
    Deff,
    Deftab,
    Red,
    Green,
    Blue,
    FontTable,
    ColourTable,
    SkipDestination,
};

struct WordEntry {
    std::string_view name;
    Word word;
    char16_t character = 0;
};

// Sorted by name for the binary search.
constexpr WordEntry Words[] = {
    {"aftnsep", Word::SkipDestination},
    {"aftnsepc", Word::SkipDestination},
    {"b", Word::B},
    {"bin", Word::Bin},
    {"blue", Word::Blue},
    {"bullet", Word::Char, 0x2022},
    {"cell", Word::Cell},
    {"cf", Word::Cf},
    {"colorschememapping", Word::SkipDestination},
    {"colortbl", Word::ColourTable},
    {"datastore", Word::SkipDestination},
    {"deff", Word::Deff},
    {"deftab", Word::Deftab},
    {"emdash", Word::Char, 0x2014},
    {"emspace", Word::Char, 0x2003},
    {"endash", Word::Char, 0x2013},
    {"enspace", Word::Char, 0x2002},
    {"f", Word::F},
    {"filetbl", Word::SkipDestination},
    {"fldinst", Word::SkipDestination},
    {"fonttbl", Word::FontTable},
    {"footer", Word::SkipDestination},
    {"footerf", Word::SkipDestination},
    {"footerl", Word::SkipDestination},
    {"footerr", Word::SkipDestination},
    {"footnote", Word::SkipDestination},
    {"fs", Word::Fs},
    {"ftnsep", Word::SkipDestination},
    {"ftnsepc", Word::SkipDestination},
    {"generator", Word::SkipDestination},
    {"green", Word::Green},
    {"header", Word::SkipDestination},
    {"headerf", Word::SkipDestination},
    {"headerl", Word::SkipDestination},
    {"headerr", Word::SkipDestination},
    {"i", Word::I},
    {"info", Word::SkipDestination},
    {"latentstyles", Word::SkipDestination},
    {"ldblquote", Word::Char, 0x201C},
    {"line", Word::Par},
    {"listoverridetable", Word::SkipDestination},
    {"listtable", Word::SkipDestination},
    {"lquote", Word::Char, 0x2018},
    {"ltrmark", Word::Char, 0x200E},
    {"nestcell", Word::Cell},
    {"objdata", Word::SkipDestination},
    {"page", Word::Par},
    {"par", Word::Par},
    {"pard", Word::Pard},
    {"pgdsctbl", Word::SkipDestination},
    {"pict", Word::SkipDestination},
    {"plain", Word::Plain},
    {"qmspace", Word::Char, 0x2005},
    {"rdblquote", Word::Char, 0x201D},
    {"red", Word::Red},
    {"revtbl", Word::SkipDestination},
    {"row", Word::Par},
    {"rquote", Word::Char, 0x2019},
    {"rsidtbl", Word::SkipDestination},
    {"rtlmark", Word::Char, 0x200F},
    {"sect", Word::Par},
    {"stylesheet", Word::SkipDestination},
    {"tab", Word::Tab},
    {"tc", Word::SkipDestination},
    {"themedata", Word::SkipDestination},
    {"tx", Word::Tx},
    {"u", Word::U},
    {"uc", Word::Uc},
    {"xe", Word::SkipDestination},
    {"xmlnstbl", Word::SkipDestination},
    {"zwj", Word::Char, 0x200D},
    {"zwnj", Word::Char, 0x200C},
};

const WordEntry *FindWord(std::string_view name)
{
    const auto *found = std::lower_bound(std::begin(Words), std::end(Words), name,
                                         [](const WordEntry &entry, std::string_view n) { return entry.name < n; });
    return found != std::end(Words) && found->name == name ? found : nullptr;
}

constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Characters that end a run of literal text.
constexpr std::array<bool, 128> TextStops = [] {
    std::array<bool, 128> table{};
    table['\\'] = table['{'] = table['}'] = table['\r'] = table['\n'] = true;
    return table;
}();

constexpr int MaxDepth = 1000;
constexpr int MaxTabStops = 64;
constexpr int MaxTwips = 31680; // 22 inches
constexpr int MaxHalfPoints = 3276;
constexpr int MaxWordLength = 32;

struct GroupState {
    Destination destination = Destination::Text;
    bool fresh = true; // nothing read in the group yet: a destination word may follow
    bool bold = false;
    bool italic = false;
    quint8 unicodeSkip = 1;
    int font = -1;
    int halfPoints = 0;
    quint32 colour = RtfAutoColour;
};

class Parser {
public:
    explicit Parser(QStringView rtf)
        : m_at(rtf.data()), m_end(rtf.data() + rtf.size())
    {
        // No character of output takes more than one character of input.
        m_out.text.resize(rtf.size());
        m_write = m_out.text.data();
        m_stack.reserve(64);
        m_stack.push_back(GroupState{});
    }

    RtfContent run()
    {
        m_out.isRtf = true;
        while (m_at < m_end)
            step();
        finish();
        return std::move(m_out);
    }

private:
    GroupState &state() { return m_stack.back(); }

    void step()
    {
        const char16_t c = m_at->unicode();
        switch (c) {
        case '{':
            ++m_at;
            openGroup();
            return;
        case '}':
            ++m_at;
            closeGroup();
            return;
        case '\\':
            ++m_at;
            controlSequence();
            return;
        case '\r':
        case '\n':
            ++m_at; // line breaks in RTF source are not text
            return;
        default:
            literalText();
        }
    }

    void openGroup()
    {
        m_pendingSkip = 0;
        if (int(m_stack.size()) >= MaxDepth) {
            ++m_excessDepth;
            return;
        }
        GroupState inner = state();
        inner.fresh = true;
        m_stack.push_back(inner);
    }

    void closeGroup()
    {
        m_pendingSkip = 0;
        if (m_excessDepth > 0) {
            --m_excessDepth;
            return;
        }
        if (state().destination == Destination::FontTable)
            storeFont();
        // A document without text still tells its format at its end.
        if (m_stack.size() == 2 && !m_formatFixed)
            fixFormat();
        if (m_stack.size() > 1) {
            m_stack.pop_back();
            if (m_stack.size() == 1)
                m_rootClosed = true;
        }
    }

    void literalText()
    {
        GroupState &s = state();
        s.fresh = false;
        if (m_pendingSkip == 0 && (s.destination == Destination::Text || s.destination == Destination::Skip)) {
            const QChar *from = m_at;
            while (m_at < m_end && (m_at->unicode() >= 128 || !TextStops[m_at->unicode()]))
                ++m_at;
            if (s.destination == Destination::Skip)
                return;
            if (m_rootClosed)
                return dropTrailingControls(from);
            put(from, m_at - from);
            return;
        }
        const char16_t c = m_at->unicode();
        ++m_at;
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        character(c);
    }

    // After the document's closing brace only real text is kept; files
    // often end in a NUL or other padding.
    void dropTrailingControls(const QChar *from)
    {
        for (const QChar *p = from; p < m_at; ++p) {
            if (p->unicode() >= 0x20)
                put(p, 1);
        }
    }

    // One character read from the current group. Only a literal ";" ends a
    // table entry; an escaped one is part of a font name.
    void character(char16_t c, bool literal = true)
    {
        switch (state().destination) {
        case Destination::Text:
            put(&c, 1);
            break;
        case Destination::FontTable:
            if (c == ';' && literal)
                storeFont();
            else
                m_fontName += QChar(c);
            break;
        case Destination::ColourTable:
            if (c == ';' && literal) {
                m_colours.push_back(m_colourSet ? m_red | (m_green << 8) | (m_blue << 16) : RtfAutoColour);
                m_red = m_green = m_blue = 0;
                m_colourSet = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    // A character that comes from an escape (\'hh, \uN): line breaks and NUL
    // are not text there.
    void escapedCharacter(char16_t c)
    {
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        if (c == '\r' || c == '\n' || c == 0)
            return;
        character(c, false);
    }

    void put(const char16_t *from, qsizetype count) { put(reinterpret_cast<const QChar *>(from), count); }
    void put(const QChar *from, qsizetype count)
    {
        if (count <= 0)
            return;
        const GroupState &s = state();
        const qsizetype position = m_write - m_out.text.constData();
        if (!m_formatFixed)
            fixFormat();
        if (m_out.runs.isEmpty() || m_out.runs.constLast().colour != s.colour)
            m_out.runs.append(RtfColourRun{position, 0, s.colour});
        m_out.runs.last().length += count;
        std::memcpy(static_cast<void *>(m_write), from, size_t(count) * sizeof(QChar));
        m_write += count;
    }

    void paragraphBreak()
    {
        if (state().destination != Destination::Text)
            return;
        const QChar lineFeed(u'\n');
        put(&lineFeed, 1);
    }

    // The format the document's first character has.
    void fixFormat()
    {
        m_formatFixed = true;
        const GroupState &s = state();
        const int font = s.font >= 0 ? s.font : m_defaultFont;
        for (const auto &entry : m_fonts) {
            if (entry.first == font)
                m_out.fontName = entry.second;
        }
        m_out.halfPoints = s.halfPoints;
        m_out.bold = s.bold;
        m_out.italic = s.italic;
        m_out.tabStops = m_tabStops;
    }

    void storeFont()
    {
        if (!m_fontName.isEmpty() || m_fontEntry >= 0) {
            if (m_fonts.size() < 4096)
                m_fonts.emplace_back(m_fontEntry, m_fontName);
        }
        m_fontName.clear();
        m_fontEntry = -1;
    }

    void controlSequence()
    {
        if (m_at >= m_end)
            return;
        const char16_t c = m_at->unicode();
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            controlWord();
            return;
        }
        ++m_at;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            state().fresh = false;
            if (m_pendingSkip > 0)
                --m_pendingSkip;
            else
                character(c, false);
            return;
        case '\'':
            hexCharacter();
            return;
        case '*':
            // An optional destination: nothing in it is text this reader
            // knows. Never the document's own group.
            if (state().fresh && m_stack.size() > 2)
                state().destination = Destination::Skip;
            return;
        case '\r':
        case '\n':
            paragraphBreak();
            return;
        case '~':
            escapedCharacter(0x00A0);
            return;
        case '_':
            escapedCharacter(0x2011);
            return;
        default:
            // \- (optional hyphen), \| \: and unknown symbols: nothing to show.
            state().fresh = false;
            return;
        }
    }

    void hexCharacter()
    {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_at < m_end) {
            const char16_t h = m_at->unicode();
            int digit;
            if (h >= '0' && h <= '9')
                digit = h - '0';
            else if (h >= 'a' && h <= 'f')
                digit = h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
                digit = h - 'A' + 10;
            else
                break;
            value = value * 16 + digit;
            ++digits;
            ++m_at;
        }
        state().fresh = false;
        if (digits < 2) // a damaged escape stands for nothing
            return;
        escapedCharacter(Windows1252Char(static_cast<unsigned char>(value)));
    }

    void controlWord()
    {
        char name[MaxWordLength + 1];
        int length = 0;
        while (m_at < m_end) {
            const char16_t c = m_at->unicode();
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
                break;
            if (length < MaxWordLength)
                name[length] = char(c);
            ++length;
            ++m_at;
        }
        bool hasValue = false;
        bool negative = false;
        long long value = 0;
        if (m_at < m_end && *m_at == u'-' && m_at + 1 < m_end && m_at[1].isDigit()) {
            negative = true;
            ++m_at;
        }
        while (m_at < m_end && m_at->unicode() >= '0' && m_at->unicode() <= '9') {
            hasValue = true;
            if (value < 1'000'000'000)
                value = value * 10 + (m_at->unicode() - '0');
            ++m_at;
        }
        if (m_at < m_end && *m_at == u' ')
            ++m_at;
        if (negative)
            value = -value;
        const int parameter = int(std::clamp<long long>(value, -1'000'000'000, 1'000'000'000));

        const bool fresh = state().fresh;
        state().fresh = false;
        if (length > MaxWordLength)
            return countAsFallback();
        const std::string_view word(name, size_t(length));
        // The colouring writes these two by the million.
        if (word == "cf")
            return setColour(hasValue ? parameter : 0);
        if (word == "par")
            return fallbackOr([this] { paragraphBreak(); });
        const WordEntry *entry = FindWord(word);
        if (!entry)
            return countAsFallback();
        apply(*entry, hasValue, parameter, fresh);
    }

    // A control word inside a \uN fallback counts as one skipped character.
    void countAsFallback()
    {
        if (m_pendingSkip > 0)
            --m_pendingSkip;
    }

    template<typename Action>
    void fallbackOr(Action action)
    {
        if (m_pendingSkip > 0)
            --m_pendingSkip;
        else
            action();
    }

    void setColour(int index)
    {
        countAsFallback();
        state().colour = index >= 0 && index < int(m_colours.size()) ? m_colours[size_t(index)] : RtfAutoColour;
    }

    void apply(const WordEntry &entry, bool hasValue, int parameter, bool fresh)
    {
        GroupState &s = state();
        switch (entry.word) {
        case Word::Unknown:
            return countAsFallback();
        case Word::Par:
            return fallbackOr([this] { paragraphBreak(); });
        case Word::Tab:
        case Word::Cell:
            return escapedCharacter(u'\t');
        case Word::Char:
            return escapedCharacter(entry.character);
        case Word::Cf:
            return setColour(hasValue ? parameter : 0);
        case Word::U: {
            const char16_t c = char16_t(parameter < 0 ? parameter + 65536 : parameter);
            m_pendingSkip = 0;
            escapedCharacter(c);
            m_pendingSkip = s.unicodeSkip;
            return;
        }
        case Word::Uc:
            s.unicodeSkip = quint8(std::clamp(hasValue ? parameter : 1, 0, 10));
            return;
        case Word::Bin: {
            // Raw binary data follows: skip it unread.
            const qsizetype count = std::clamp<qsizetype>(parameter, 0, m_end - m_at);
            m_at += count;
            return;
        }
        case Word::F:
            s.font = hasValue ? parameter : 0;
            if (s.destination == Destination::FontTable)
                m_fontEntry = s.font;
            return;
        case Word::Fs:
            s.halfPoints = hasValue ? std::clamp(parameter, 0, MaxHalfPoints) : 24;
            return;
        case Word::B:
            s.bold = !hasValue || parameter != 0;
            return;
        case Word::I:
            s.italic = !hasValue || parameter != 0;
            return;
        case Word::Plain:
            s.bold = s.italic = false;
            s.font = -1;
            s.halfPoints = 24;
            s.colour = RtfAutoColour;
            return;
        case Word::Pard:
            if (s.destination == Destination::Text && !m_formatFixed)
                m_tabStops.clear();
            return;
        case Word::Tx:
            if (s.destination == Destination::Text && !m_formatFixed && hasValue && parameter >= 0
                && parameter <= MaxTwips && m_tabStops.size() < MaxTabStops)
                m_tabStops.append(parameter);
            return;
        case Word::Deff:
            m_defaultFont = parameter;
            return;
        case Word::Deftab:
            if (hasValue && parameter > 0 && parameter <= MaxTwips)
                m_out.defaultTab = parameter;
            return;
        case Word::Red:
        case Word::Green:
        case Word::Blue: {
            if (s.destination != Destination::ColourTable)
                return;
            const quint32 component = quint32(std::clamp(parameter, 0, 255));
            (entry.word == Word::Red ? m_red : entry.word == Word::Green ? m_green : m_blue) = component;
            m_colourSet = true;
            return;
        }
        case Word::FontTable:
        case Word::ColourTable:
        case Word::SkipDestination:
            // Destinations only count at the start of their own group; one
            // elsewhere must not swallow the rest of the document.
            if (!fresh || m_stack.size() < 3 || s.destination == Destination::Skip)
                return;
            s.destination = entry.word == Word::FontTable     ? Destination::FontTable
                : entry.word == Word::ColourTable ? Destination::ColourTable
                                                  : Destination::Skip;
            if (s.destination == Destination::ColourTable) {
                m_colours.clear();
                m_colourSet = false;
                m_red = m_green = m_blue = 0;
            }
            return;
        }
    }

    void finish()
    {
        if (!m_formatFixed)
            fixFormat();
        qsizetype length = m_write - m_out.text.constData();
        // The final paragraph mark is not kept.
        if (length > 0 && m_out.text.at(length - 1) == u'\n') {
            --length;
            RtfColourRun &last = m_out.runs.last();
            if (--last.length == 0)
                m_out.runs.removeLast();
        }
        m_out.text.resize(length);
        m_out.text.squeeze();
        m_out.runs.squeeze();
        m_out.baseColour = m_colours.empty() ? RtfAutoColour : m_colours.front();
    }

    const QChar *m_at;
    const QChar *const m_end;
    RtfContent m_out;
    QChar *m_write = nullptr;
    std::vector<GroupState> m_stack;
    int m_excessDepth = 0;
    bool m_rootClosed = false;
    int m_pendingSkip = 0;
    bool m_formatFixed = false;
    QList<int> m_tabStops;
    int m_defaultFont = 0;
    std::vector<std::pair<int, QString>> m_fonts;
    int m_fontEntry = -1;
    QString m_fontName;
    std::vector<quint32> m_colours;
    quint32 m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;
};

RtfContent PlainText(QStringView text)
{
    RtfContent content;
    content.text.resize(text.size());
    QChar *write = content.text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            *write++ = QChar(u'\n');
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            *write++ = c;
        }
    }
    content.text.resize(write - content.text.constData());
    return content;
}

} // namespace

RtfContent PlainTextContent(QStringView text)
{
    return PlainText(text);
}

char16_t Windows1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : char16_t(byte);
}

RtfContent ReadRtf(QStringView rtf)
{
    if (!rtf.startsWith(u"{\\rtf"))
        return PlainText(rtf);
    return Parser(rtf).run();
}

QString DocumentTextOf(const QString &fileText)
{
    if (!fileText.startsWith(QLatin1String("{\\rtf")))
        return NormaliseLineBreaks(fileText);
    QString text = ReadRtf(fileText).text;
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

} // namespace tavorin
