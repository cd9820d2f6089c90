#include "settings/preferences.h"

#include "settings/settingsstore.h"
#include "settings/userinformation.h"

#include <limits>
#include <span>
#include <variant>

namespace tavorin {

namespace {

// A stored preference: where it lives, which field of the record it fills
// and the text its default is stored as. Whole numbers are 16-bit, colours
// 32-bit, flags "True"/"False".
using Field = std::variant<bool Preferences::*, int Preferences::*, quint32 Preferences::*,
                           QString Preferences::*>;

struct Stored {
    const char16_t *section;
    const char16_t *name;
    Field field;
    const char16_t *defaultText;
};

// Display, date and time, general and options, in the order they are read
// and written.
const Stored MainValues[] = {
    {u"Display Preferences", u"BackColour", &Preferences::BackColour, u"16777215"},
    {u"Display Preferences", u"TextColour", &Preferences::TextColour, u"0"},
    {u"Display Preferences", u"TagColour", &Preferences::TagColour, u"16721960"},
    {u"Display Preferences", u"CommentColour", &Preferences::CommentColour, u"8421376"},
    {u"Display Preferences", u"SmartColour", &Preferences::SmartColour, u"33023"},
    {u"Display Preferences", u"Highlighting", &Preferences::Highlighting, u"True"},
    {u"Display Preferences", u"FontName", &Preferences::FontName, u"MS Sans Serif"},
    {u"Display Preferences", u"FontSize", &Preferences::FontSize, u"10"},
    {u"Display Preferences", u"FontBold", &Preferences::FontBold, u"False"},
    {u"Display Preferences", u"FontItalic", &Preferences::FontItalic, u"False"},
    {u"Display Preferences", u"TabStops", &Preferences::TabStops, u"4"},
    {u"Display Preferences", u"WindowState", &Preferences::WindowState, u"2"},
    {u"DateAndTime", u"DateFormat", &Preferences::DateFormat, u"dddd, d mmmm yyyy"},
    {u"DateAndTime", u"TimeFormat", &Preferences::TimeFormat, u"h:nn AM/PM"},
    {u"General", u"AnchorLists", &Preferences::AnchorLists, u"True"},
    {u"General", u"FontCollections", &Preferences::FontCollections, u"False"},
    {u"General", u"SafePalette", &Preferences::SafePalette, u"False"},
    {u"General", u"SaveBeforeView", &Preferences::SaveBeforeView, u"False"},
    {u"General", u"ExplorerIntegration", &Preferences::ExplorerIntegration, u"False"},
    {u"General", u"LowerCasePaths", &Preferences::LowerCasePaths, u"False"},
    {u"General", u"NeverAskRelative", &Preferences::NeverAskRelative, u"False"},
    {u"General", u"IndentCode", &Preferences::IndentCode, u"True"},
    {u"Options", u"LastPrefOption", &Preferences::LastPrefOption, u"0"},
    {u"Options", u"PageWizard", &Preferences::PageWizard, u"False"},
    {u"Options", u"SmartUpdates", &Preferences::SmartUpdates, u"True"},
    {u"Options", u"ToolTips", &Preferences::ToolTips, u"True"},
    {u"Options", u"WordWrap", &Preferences::WordWrap, u"True"},
};

const Stored TemplateValues[] = {
    {u"Templates", u"TemplatesOn", &Preferences::TemplatesOn, u"True"},
    {u"Templates", u"Template Location", &Preferences::TemplateLocation, u""},
    {u"Templates", u"ActiveTemplate", &Preferences::ActiveTemplate, u"0"},
    {u"Templates", u"Prompt", &Preferences::Prompt, u"True"},
};

const Stored UserValues[] = {
    {u"User Information", u"UserName", &Preferences::UserName, u""},
    {u"User Information", u"UserEmailAddress", &Preferences::UserEmailAddress, u""},
    {u"User Information", u"UserHomePage", &Preferences::UserHomePage, u""},
    {u"User Information", u"UserCompanyName", &Preferences::UserCompanyName, u""},
};

constexpr qsizetype MaxEntryNameLength = 30;
constexpr int BrowserCount = 8;
constexpr int GuideCount = 7;

QString Text(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// A whole number within [low, high], or nothing when the text is not one.
std::optional<qint64> NumberIn(const QString &text, qint64 low, qint64 high)
{
    const std::optional<qint64> value = SettingToWholeNumber(text);
    if (value && *value >= low && *value <= high)
        return value;
    return std::nullopt;
}

// Converts the text into the field; a text that does not convert leaves it.
struct Assign {
    Preferences &record;
    const QString &text;

    void operator()(bool Preferences::*field) const
    {
        if (const auto flag = SettingToBool(text))
            record.*field = *flag;
    }
    void operator()(int Preferences::*field) const
    {
        if (const auto number = NumberIn(text, std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max()))
            record.*field = int(*number);
    }
    void operator()(quint32 Preferences::*field) const
    {
        if (const auto number = NumberIn(text, std::numeric_limits<qint32>::min(),
                                         std::numeric_limits<quint32>::max()))
            record.*field = quint32(*number);
    }
    void operator()(QString Preferences::*field) const { record.*field = text; }
};

// The values of one save, gathered so that each key of the store is written
// once (a write replaces the key's file, which costs a disk sync). Values
// keep their order within a key; keys are written in the order they first
// appear.
class SaveBatch {
public:
    void add(const QString &section, const QString &name, const QString &text)
    {
        for (auto &[keySection, values] : m_keys) {
            if (keySection == section) {
                values.append({name, text});
                return;
            }
        }
        m_keys.append({section, {{name, text}}});
    }

    void write() const
    {
        for (const auto &[section, values] : m_keys)
            WriteSettings(section, values);
    }

private:
    QList<std::pair<QString, QList<NamedValue>>> m_keys;
};

// The stored text of a field.
struct ToText {
    const Preferences &record;

    QString operator()(bool Preferences::*field) const { return SettingText(record.*field); }
    QString operator()(int Preferences::*field) const { return QString::number(record.*field); }
    QString operator()(quint32 Preferences::*field) const { return QString::number(record.*field); }
    QString operator()(QString Preferences::*field) const { return record.*field; }
};

void LoadValues(Preferences &record, std::span<const Stored> values)
{
    for (const Stored &value : values) {
        const QString text =
            ReadSetting(Text(value.section), Text(value.name), Text(value.defaultText));
        std::visit(Assign{record, text}, value.field);
    }
}

void SaveValues(SaveBatch &batch, const Preferences &record, std::span<const Stored> values)
{
    for (const Stored &value : values)
        batch.add(Text(value.section), Text(value.name), std::visit(ToText{record}, value.field));
}

// Entries 1 ... count-1 of a name/location table kept under base + "\Name"
// and base + "\Location", values named by the entry number.
template <std::size_t N>
void LoadEntries(std::array<LocationEntry, N> &entries, const QString &base)
{
    for (std::size_t i = 1; i < N; ++i) {
        const QString number = QString::number(i);
        entries[i].name =
            ReadSetting(base + QStringLiteral("\\Name"), number).left(MaxEntryNameLength);
        entries[i].location = ReadSetting(base + QStringLiteral("\\Location"), number);
    }
}

template <std::size_t N>
void SaveEntries(SaveBatch &batch, const std::array<LocationEntry, N> &entries, const QString &base)
{
    for (std::size_t i = 1; i < N; ++i) {
        const QString number = QString::number(i);
        batch.add(base + QStringLiteral("\\Name"), number, entries[i].name);
        batch.add(base + QStringLiteral("\\Location"), number, entries[i].location);
    }
}

void CheckLoadedValues(Preferences &record)
{
    if (record.ActiveBrowser < 0 || record.ActiveBrowser >= BrowserCount ||
        record.Browsers[std::size_t(record.ActiveBrowser)].location.isEmpty())
        record.ActiveBrowser = 0;
    if (record.ActiveTemplate < 0 || record.ActiveTemplate > 2)
        record.ActiveTemplate = 0;
    if (record.FontSize < 0 || record.FontSize > 25)
        record.FontSize = 8;
    // Document windows open normal (0) or maximised (2); a minimised or
    // unknown stored state opens them normal.
    if (record.WindowState != 0 && record.WindowState != 2)
        record.WindowState = 0;
    if (record.TabStops < 0 || record.TabStops > 99)
        record.TabStops = 4;
}

} // namespace

static_assert(std::tuple_size_v<decltype(Preferences::Browsers)> == BrowserCount);
static_assert(std::tuple_size_v<decltype(Preferences::Guides)> == GuideCount);

Preferences &Prefs()
{
    static Preferences record;
    return record;
}

PreferenceHooks &PrefHooks()
{
    static PreferenceHooks hooks;
    return hooks;
}

void LoadPreferences()
{
    Preferences &record = Prefs();
    LoadUserInformation();
    LoadValues(record, MainValues);

    const QString browsers = QStringLiteral("Browsers");
    LoadEntries(record.Browsers, browsers);
    record.Browsers[0] = {QString(), QStringLiteral("DEFAULT")};
    std::visit(
        Assign{record, ReadSetting(browsers, QStringLiteral("ActiveBrowser"), QStringLiteral("0"))},
        Field(&Preferences::ActiveBrowser));

    LoadValues(record, TemplateValues);
    LoadEntries(record.Guides, QStringLiteral("Reference"));
    CheckLoadedValues(record);

    if (PrefHooks().showToolTips)
        PrefHooks().showToolTips(record.ToolTips);
}

void SavePreferences()
{
    if (PrefHooks().saveToolBarLayout)
        PrefHooks().saveToolBarLayout();
    const Preferences &record = Prefs();
    SaveBatch batch;
    SaveValues(batch, record, UserValues);
    SaveValues(batch, record, MainValues);
    SaveEntries(batch, record.Browsers, QStringLiteral("Browsers"));
    batch.add(QStringLiteral("Browsers"), QStringLiteral("ActiveBrowser"),
              QString::number(record.ActiveBrowser));
    SaveValues(batch, record, TemplateValues);
    SaveEntries(batch, record.Guides, QStringLiteral("Reference"));
    batch.write();
}

void SaveUserInformation()
{
    SaveBatch batch;
    SaveValues(batch, Prefs(), UserValues);
    batch.write();
}

} // namespace tavorin
