#include "settings/preferences.h"
#include "settings/settingsstore.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QTest>

#include <tuple>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// A whole-number view of the fields the table below looks at.
qint64 Field(const Preferences &p, const QString &name)
{
    const QHash<QString, qint64> fields{
        {u"FontSize"_s, p.FontSize},           {u"TabStops"_s, p.TabStops},
        {u"WindowState"_s, p.WindowState},     {u"ActiveTemplate"_s, p.ActiveTemplate},
        {u"ActiveBrowser"_s, p.ActiveBrowser}, {u"LastPrefOption"_s, p.LastPrefOption},
        {u"TagColour"_s, p.TagColour},         {u"Highlighting"_s, p.Highlighting},
        {u"PageWizard"_s, p.PageWizard},
    };
    Q_ASSERT(fields.contains(name));
    return fields.value(name);
}

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Prefs() = Preferences{};
        PrefHooks() = PreferenceHooks{};
    }
    void cleanup() { init(); }

    void emptyStoreGivesTheDefaultsWrittenAsText()
    {
        TestEnvironment env;
        LoadPreferences();
        const Preferences &defaults = Prefs();
        QCOMPARE(defaults.FontName, u"MS Sans Serif");
        QCOMPARE(defaults.DateFormat, u"dddd, d mmmm yyyy");
        QCOMPARE(defaults.Browsers[0].location, u"DEFAULT");

        SavePreferences();
        QCOMPARE(ReadSetting(u"General"_s, u"IndentCode"_s), u"True");
        QCOMPARE(ReadSetting(u"Display Preferences"_s, u"TagColour"_s), u"16721960");
        // Empty texts are written as empty values; entry 0 is never written.
        QCOMPARE(ReadBytes(RegistryRootFolder(RegistryRoot::CurrentUser)
                           + u"/Software/Kestavel Software/Tavorin/Browsers/Name/.values"_s),
                 QByteArray("1=\n2=\n3=\n4=\n5=\n6=\n7=\n"));
    }

    // A stored text that does not convert keeps the record's value; an empty
    // one takes the default; the load-time checks mend values out of range.
    void storedValues_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("expected");
        const QString d = u"Display Preferences"_s;
        QTest::newRow("flag false in lower case") << d << "Highlighting" << "false" << qint64(0);
        QTest::newRow("flag yes keeps the value") << "Options" << "PageWizard" << "yes" << qint64(1);
        QTest::newRow("empty flag takes the default") << "Options" << "PageWizard" << "" << qint64(0);
        QTest::newRow("colour white keeps the value") << d << "TagColour" << "white" << qint64(7);
        QTest::newRow("colour beyond 32 bits keeps the value") << d << "TagColour" << "4294967296" << qint64(7);
        QTest::newRow("number with spaces") << d << "FontSize" << " 12 " << qint64(12);
        QTest::newRow("number beyond 16 bits keeps the value") << d << "FontSize" << "40000" << qint64(14);
        QTest::newRow("fraction keeps the value") << "Options" << "LastPrefOption" << "2.5" << qint64(3);
        QTest::newRow("FontSize 25 kept") << d << "FontSize" << "25" << qint64(25);
        QTest::newRow("FontSize 26 becomes 8") << d << "FontSize" << "26" << qint64(8);
        QTest::newRow("TabStops 100 becomes 4") << d << "TabStops" << "100" << qint64(4);
        QTest::newRow("WindowState 1 becomes 0") << d << "WindowState" << "1" << qint64(0);
        QTest::newRow("ActiveTemplate 3 becomes 0") << "Templates" << "ActiveTemplate" << "3" << qint64(0);
        QTest::newRow("ActiveBrowser 5 with location") << "Browsers" << "ActiveBrowser" << "5" << qint64(5);
        QTest::newRow("ActiveBrowser 3 without location") << "Browsers" << "ActiveBrowser" << "3" << qint64(0);
    }
    void storedValues()
    {
        QFETCH(QString, section);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(qint64, expected);
        TestEnvironment env;
        WriteSetting(u"Browsers\\Location"_s, u"5"_s, u"/usr/bin/firefox"_s);
        WriteSetting(section, name, stored);
        // Values that differ from the defaults, to tell "kept" from "default".
        Preferences &p = Prefs();
        std::tie(p.FontSize, p.TagColour, p.LastPrefOption) = std::tuple(14, 7u, 3);
        p.Highlighting = p.PageWizard = true;
        LoadPreferences();
        QCOMPARE(Field(Prefs(), name), expected);
    }

    // Names are cut to 30 letters, entry 0 is always the desktop's browser, and user
    // details missing from the store come from an older browser's, except the home page.
    void tablesAndUserInformation()
    {
        TestEnvironment env;
        const QString forty = u"A browser name of exactly forty letters!"_s;
        WriteSetting(u"Browsers\\Name"_s, u"1"_s, forty);
        WriteSetting(u"Browsers\\Location"_s, u"0"_s, u"/elsewhere"_s);
        WriteSetting(u"Browsers\\Location"_s, u"7"_s, u"/usr/bin/w3m"_s);
        WriteSetting(u"Browsers"_s, u"ActiveBrowser"_s, 7);
        WriteSetting(u"Reference\\Name"_s, u"6"_s, u"HTML 4"_s);
        WriteSetting(u"Reference\\Location"_s, u"6"_s, u"/doc/html4"_s);
        const QString older = u"Software\\Netscape\\Netscape Navigator\\User"_s;
        WriteRegString(RegistryRoot::CurrentUser, older, u"User_Name"_s, u"Nat"_s);
        WriteRegString(RegistryRoot::CurrentUser, older, u"Reply_To"_s, u"nat@example.org"_s);
        WriteRegString(RegistryRoot::CurrentUser, older, u"User_Organization"_s, u"Nat Ltd"_s);
        WriteSetting(u"User Information"_s, u"UserCompanyName"_s, u"Own Ltd"_s);
        LoadPreferences();
        const Preferences &p = Prefs();
        QCOMPARE(p.Browsers[1].name, forty.left(30));
        QCOMPARE(p.Browsers[0], (LocationEntry{QString(), u"DEFAULT"_s}));
        QCOMPARE(p.Browsers[7].location, u"/usr/bin/w3m");
        QCOMPARE(p.ActiveBrowser, 7);
        QCOMPARE(p.Guides[6], (LocationEntry{u"HTML 4"_s, u"/doc/html4"_s}));
        QCOMPARE((QStringList{p.UserName, p.UserEmailAddress, p.UserHomePage, p.UserCompanyName}),
                 (QStringList{u"Nat"_s, u"nat@example.org"_s, QString(), u"Own Ltd"_s}));
    }

    // Saving runs the tool-bar layout hook first; loading hands the tool tip flag on.
    void saveThenLoadGivesTheSameRecord()
    {
        TestEnvironment env;
        QList<bool> toolTips;
        bool storeEmptyWhenLayoutSaved = false;
        PrefHooks().showToolTips = [&](bool show) { toolTips.append(show); };
        PrefHooks().saveToolBarLayout = [&] {
            storeEmptyWhenLayoutSaved = !QDir(RegistryRootFolder(RegistryRoot::CurrentUser)).exists();
        };
        Preferences p;
        p.TextColour = 4294967295u;
        std::tie(p.FontName, p.FontSize, p.UserName) = std::tuple(u"DejaVu Sans"_s, 12, u"Ada"_s);
        // Empty texts would load as their defaults.
        std::tie(p.DateFormat, p.TimeFormat, p.UserCompanyName) = std::tuple(u"d/m/yy"_s, u"hh:nn"_s, u"Engines & Co"_s);
        p.FontItalic = p.LowerCasePaths = p.PageWizard = true;
        p.ToolTips = false;
        p.UserEmailAddress = u"ada@example.org"_s; // an empty one would be asked of git
        p.TemplateLocation = u"/home/me/template.htm"_s;
        p.Browsers[0].location = u"DEFAULT"_s;
        p.Browsers[2] = {u"Lynx"_s, u"/usr/bin/lynx"_s};
        p.ActiveBrowser = 2;
        p.Guides[3] = {u"CSS"_s, u"/doc/css = \\ index.htm"_s};
        Prefs() = p;
        SavePreferences();
        QVERIFY(storeEmptyWhenLayoutSaved);
        QCOMPARE(ReadSetting(u"Templates"_s, u"Template Location"_s), p.TemplateLocation);
        QCOMPARE(ReadSetting(u"Options"_s, u"ToolTips"_s), u"False");

        Prefs() = Preferences{};
        LoadPreferences();
        QVERIFY(Prefs() == p);
        QCOMPARE(toolTips, QList<bool>{false});
        // Changes made and then abandoned: loading again restores the store.
        Prefs().FontSize = 20;
        Prefs().Browsers[2].name.clear();
        LoadPreferences();
        QVERIFY(Prefs() == p);
    }
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "preferences_test.moc"
