#include "settings/preferences.h"
#include "settings/settingsstore.h"
#include "settings/userinformation.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString UserKey = u"Software\\Netscape\\Netscape Navigator\\User"_s;

// The record as the tables define it for an empty store.
Preferences Defaults()
{
    Preferences p;
    p.BackColour = 16777215;
    p.TextColour = 0;
    p.TagColour = 16721960;
    p.CommentColour = 8421376;
    p.SmartColour = 33023;
    p.Highlighting = true;
    p.FontName = u"MS Sans Serif"_s;
    p.FontSize = 10;
    p.TabStops = 4;
    p.WindowState = 2;
    p.DateFormat = u"dddd, d mmmm yyyy"_s;
    p.TimeFormat = u"h:nn AM/PM"_s;
    p.AnchorLists = true;
    p.IndentCode = true;
    p.SmartUpdates = true;
    p.ToolTips = true;
    p.WordWrap = true;
    p.TemplatesOn = true;
    p.Prompt = true;
    p.Browsers[0].location = u"DEFAULT"_s;
    p.UserName = LoggedOnUserName();
    return p;
}

// A whole-number view of the fields the tables below look at.
qint64 Field(const Preferences &p, const QString &name)
{
    const QHash<QString, qint64> fields{
        {u"FontSize"_s, p.FontSize},           {u"TabStops"_s, p.TabStops},
        {u"WindowState"_s, p.WindowState},     {u"ActiveTemplate"_s, p.ActiveTemplate},
        {u"ActiveBrowser"_s, p.ActiveBrowser}, {u"LastPrefOption"_s, p.LastPrefOption},
        {u"TagColour"_s, p.TagColour},         {u"Highlighting"_s, p.Highlighting},
        {u"FontBold"_s, p.FontBold},           {u"PageWizard"_s, p.PageWizard},
    };
    Q_ASSERT(fields.contains(name));
    return fields.value(name);
}

void SetField(Preferences &p, const QString &name, qint64 value)
{
    if (name == u"FontSize")
        p.FontSize = int(value);
    else if (name == u"TagColour")
        p.TagColour = quint32(value);
    else if (name == u"Highlighting")
        p.Highlighting = value != 0;
    else if (name == u"FontBold")
        p.FontBold = value != 0;
    else if (name == u"LastPrefOption")
        p.LastPrefOption = int(value);
    else if (name == u"PageWizard")
        p.PageWizard = value != 0;
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
    void cleanup()
    {
        Prefs() = Preferences{};
        PrefHooks() = PreferenceHooks{};
    }

    void emptyStoreGivesTheDefaults()
    {
        TestEnvironment env;
        LoadPreferences();
        QVERIFY(Prefs() == Defaults());
    }

    void loadTimeChecks_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("expected");
        const QString display = u"Display Preferences"_s;
        QTest::newRow("FontSize 30 becomes 8") << display << "FontSize" << "30" << qint64(8);
        QTest::newRow("FontSize -1 becomes 8") << display << "FontSize" << "-1" << qint64(8);
        QTest::newRow("FontSize 25 kept") << display << "FontSize" << "25" << qint64(25);
        QTest::newRow("FontSize 0 kept") << display << "FontSize" << "0" << qint64(0);
        QTest::newRow("TabStops 100 becomes 4") << display << "TabStops" << "100" << qint64(4);
        QTest::newRow("TabStops -1 becomes 4") << display << "TabStops" << "-1" << qint64(4);
        QTest::newRow("TabStops 0 kept") << display << "TabStops" << "0" << qint64(0);
        QTest::newRow("TabStops 99 kept") << display << "TabStops" << "99" << qint64(99);
        QTest::newRow("WindowState 1 becomes 0") << display << "WindowState" << "1" << qint64(0);
        QTest::newRow("WindowState 0 kept") << display << "WindowState" << "0" << qint64(0);
        QTest::newRow("WindowState 2 kept") << display << "WindowState" << "2" << qint64(2);
        QTest::newRow("WindowState 7 becomes 0") << display << "WindowState" << "7" << qint64(0);
        QTest::newRow("ActiveTemplate 3 becomes 0") << "Templates" << "ActiveTemplate" << "3" << qint64(0);
        QTest::newRow("ActiveTemplate 2 kept") << "Templates" << "ActiveTemplate" << "2" << qint64(2);
        QTest::newRow("ActiveBrowser 3 without location") << "Browsers" << "ActiveBrowser" << "3" << qint64(0);
        QTest::newRow("ActiveBrowser 8 becomes 0") << "Browsers" << "ActiveBrowser" << "8" << qint64(0);
        QTest::newRow("ActiveBrowser -1 becomes 0") << "Browsers" << "ActiveBrowser" << "-1" << qint64(0);
        QTest::newRow("ActiveBrowser 5 with location") << "Browsers" << "ActiveBrowser" << "5" << qint64(5);
    }
    void loadTimeChecks()
    {
        QFETCH(QString, section);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(qint64, expected);
        TestEnvironment env;
        WriteSetting(u"Browsers\\Location"_s, u"5"_s, u"/usr/bin/firefox"_s);
        WriteSetting(section, name, stored);
        LoadPreferences();
        QCOMPARE(Field(Prefs(), name), expected);
    }

    void conversions_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("previous");
        QTest::addColumn<qint64>("expected");
        const QString display = u"Display Preferences"_s;
        QTest::newRow("flag false in lower case") << display << "Highlighting" << "false" << qint64(1) << qint64(0);
        QTest::newRow("flag tRUE") << display << "FontBold" << "tRUE" << qint64(0) << qint64(1);
        QTest::newRow("flag 1") << display << "FontBold" << "1" << qint64(0) << qint64(1);
        QTest::newRow("flag -1") << display << "FontBold" << "-1" << qint64(0) << qint64(1);
        QTest::newRow("flag 0") << display << "Highlighting" << "0" << qint64(1) << qint64(0);
        QTest::newRow("flag yes keeps previous") << display << "Highlighting" << "yes" << qint64(0) << qint64(0);
        QTest::newRow("empty flag takes default") << "Options" << "PageWizard" << "" << qint64(1) << qint64(0);
        QTest::newRow("colour") << display << "TagColour" << "255" << qint64(7) << qint64(255);
        QTest::newRow("colour white keeps previous") << display << "TagColour" << "white" << qint64(7) << qint64(7);
        QTest::newRow("colour beyond 32 bits keeps previous")
            << display << "TagColour" << "4294967296" << qint64(7) << qint64(7);
        QTest::newRow("number with spaces") << display << "FontSize" << " 12 " << qint64(0) << qint64(12);
        QTest::newRow("number 12ab keeps previous") << display << "FontSize" << "12ab" << qint64(14) << qint64(14);
        QTest::newRow("number beyond 16 bits keeps previous")
            << display << "FontSize" << "40000" << qint64(14) << qint64(14);
        QTest::newRow("fraction keeps previous") << "Options" << "LastPrefOption" << "2.5" << qint64(3) << qint64(3);
    }
    void conversions()
    {
        QFETCH(QString, section);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(qint64, previous);
        QFETCH(qint64, expected);
        TestEnvironment env;
        WriteSetting(section, name, stored);
        SetField(Prefs(), name, previous);
        LoadPreferences();
        QCOMPARE(Field(Prefs(), name), expected);
    }

    void browserAndGuideTables()
    {
        TestEnvironment env;
        const QString forty = u"A browser name of exactly forty letters!"_s;
        QCOMPARE(forty.size(), 40);
        WriteSetting(u"Browsers\\Name"_s, u"1"_s, forty);
        WriteSetting(u"Browsers\\Location"_s, u"1"_s, u"/usr/bin/lynx"_s);
        WriteSetting(u"Browsers\\Name"_s, u"0"_s, u"not stored"_s);
        WriteSetting(u"Browsers\\Location"_s, u"0"_s, u"/elsewhere"_s);
        WriteSetting(u"Browsers\\Location"_s, u"7"_s, u"/usr/bin/w3m"_s);
        WriteSetting(u"Reference\\Name"_s, u"6"_s, u"HTML 4"_s);
        WriteSetting(u"Reference\\Location"_s, u"6"_s, u"/doc/html4"_s);
        WriteSetting(u"Reference\\Name"_s, u"0"_s, u"not stored"_s);
        WriteSetting(u"Browsers"_s, u"ActiveBrowser"_s, 7);
        LoadPreferences();
        const Preferences &p = Prefs();
        QCOMPARE(p.Browsers[1].name, forty.left(30));
        QCOMPARE(p.Browsers[1].location, u"/usr/bin/lynx");
        QCOMPARE(p.Browsers[0].name, QString());
        QCOMPARE(p.Browsers[0].location, u"DEFAULT");
        QCOMPARE(p.Browsers[7].location, u"/usr/bin/w3m");
        QCOMPARE(p.ActiveBrowser, 7);
        QCOMPARE(p.Guides[6].name, u"HTML 4");
        QCOMPARE(p.Guides[6].location, u"/doc/html4");
        QCOMPARE(p.Guides[0].name, QString());
    }

    void saveThenLoadGivesTheSameRecord()
    {
        TestEnvironment env;
        Preferences p;
        p.BackColour = 1;
        p.TextColour = 4294967295u;
        p.TagColour = 3;
        p.CommentColour = 4;
        p.SmartColour = 5;
        p.FontName = u"DejaVu Sans"_s;
        p.FontSize = 12;
        p.FontItalic = true;
        p.TabStops = 8;
        p.DateFormat = u"d/m/yy"_s;
        p.TimeFormat = u"hh:nn"_s;
        p.FontCollections = p.SafePalette = p.SaveBeforeView = p.ExplorerIntegration = true;
        p.LowerCasePaths = p.NeverAskRelative = p.PageWizard = true;
        p.LastPrefOption = 7;
        p.TemplateLocation = u"/home/me/template.htm"_s;
        p.ActiveTemplate = 1;
        p.UserName = u"Ada"_s;
        p.UserEmailAddress = u"ada@example.org"_s;
        p.UserHomePage = u"http://example.org/"_s;
        p.UserCompanyName = u"Engines & Co"_s;
        p.Browsers[0].location = u"DEFAULT"_s;
        p.Browsers[2] = {u"Lynx"_s, u"/usr/bin/lynx"_s};
        p.ActiveBrowser = 2;
        p.Guides[3] = {u"CSS"_s, u"/doc/css = \\ index.htm"_s};
        Prefs() = p;
        SavePreferences();
        QCOMPARE(ReadSetting(u"Templates"_s, u"Template Location"_s), p.TemplateLocation);

        Prefs() = Preferences{};
        LoadPreferences();
        QVERIFY(Prefs() == p);

        // Changes made and then abandoned: loading again restores the store.
        Prefs().FontSize = 20;
        Prefs().Browsers[2].name.clear();
        Prefs().UserName.clear();
        LoadPreferences();
        QVERIFY(Prefs() == p);
    }

    void everyValueIsWrittenAsText()
    {
        TestEnvironment env;
        LoadPreferences();
        Prefs().UserName.clear();
        SavePreferences();
        auto stored = [](const QString &section, const QString &name) {
            return ReadRegString(RegistryRoot::CurrentUser, ProgramKey(section), name);
        };
        QCOMPARE(stored(u"General"_s, u"IndentCode"_s), u"True");
        QCOMPARE(stored(u"General"_s, u"LowerCasePaths"_s), u"False");
        QCOMPARE(stored(u"Display Preferences"_s, u"TagColour"_s), u"16721960");
        QCOMPARE(stored(u"Display Preferences"_s, u"FontName"_s), u"MS Sans Serif");
        QCOMPARE(stored(u"Browsers"_s, u"ActiveBrowser"_s), u"0");
        // Empty texts are written as empty values; entry 0 is never written.
        const QString names = RegistryRootFolder(RegistryRoot::CurrentUser)
                              + u"/Software/Kestavel Software/Tavorin/Browsers/Name/.values"_s;
        QFile file(names);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1=\n2=\n3=\n4=\n5=\n6=\n7=\n"));
        QCOMPARE(stored(u"User Information"_s, u"UserName"_s), QString());
    }

    void hooksRunAtTheirSteps()
    {
        TestEnvironment env;
        QList<bool> toolTips;
        bool storeEmptyWhenLayoutSaved = false;
        PrefHooks().showToolTips = [&](bool show) { toolTips.append(show); };
        PrefHooks().saveToolBarLayout = [&] {
            storeEmptyWhenLayoutSaved = !QDir(RegistryRootFolder(RegistryRoot::CurrentUser)).exists();
        };
        WriteRegString(RegistryRoot::LocalMachine, u"x"_s, u"y"_s, u"z"_s); // another root only
        WriteSetting(u"Options"_s, u"ToolTips"_s, false);
        LoadPreferences();
        QCOMPARE(toolTips, QList<bool>{false});
        QDir(RegistryRootFolder(RegistryRoot::CurrentUser)).removeRecursively();
        SavePreferences();
        QVERIFY(storeEmptyWhenLayoutSaved);
        QCOMPARE(ReadSetting(u"Options"_s, u"ToolTips"_s), u"False");
    }

    void userInformation_data()
    {
        QTest::addColumn<QStringList>("stored");   // name, e-mail, home page, company
        QTest::addColumn<QStringList>("fallback"); // User_Name, Reply_To, User_Organization
        QTest::addColumn<QStringList>("expected");
        const QString login = LoggedOnUserName();
        QTest::newRow("nothing anywhere") << QStringList{"", "", "", ""} << QStringList{"", "", ""}
                                          << QStringList{login, "", "", ""};
        QTest::newRow("fallback fills the gaps, not the home page")
            << QStringList{"", "", "", ""} << QStringList{"Nat", "nat@example.org", "Nat Ltd"}
            << QStringList{"Nat", "nat@example.org", "", "Nat Ltd"};
        QTest::newRow("stored values win")
            << QStringList{"Ada", "ada@x", "http://x/", "X"} << QStringList{"Nat", "nat@y", "Y"}
            << QStringList{"Ada", "ada@x", "http://x/", "X"};
        QTest::newRow("only the name falls back to the login")
            << QStringList{"", "", "", "Co"} << QStringList{"", "", "Y"}
            << QStringList{login, "", "", "Co"};
    }
    void userInformation()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, fallback);
        QFETCH(QStringList, expected);
        TestEnvironment env;
        const QStringList names{u"UserName"_s, u"UserEmailAddress"_s, u"UserHomePage"_s, u"UserCompanyName"_s};
        for (qsizetype i = 0; i < names.size(); ++i)
            WriteSetting(u"User Information"_s, names[i], stored[i]);
        const QStringList fallbackNames{u"User_Name"_s, u"Reply_To"_s, u"User_Organization"_s};
        for (qsizetype i = 0; i < fallbackNames.size(); ++i)
            WriteRegString(RegistryRoot::CurrentUser, UserKey, fallbackNames[i], fallback[i]);
        LoadUserInformation();
        const Preferences &p = Prefs();
        QCOMPARE((QStringList{p.UserName, p.UserEmailAddress, p.UserHomePage, p.UserCompanyName}), expected);
    }
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "preferences_test.moc"
