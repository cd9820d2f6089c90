#include "settings/datafiles.h"
#include "settings/environment.h"
#include "settings/inifile.h"
#include "tests/support/testenvironment.h"

#include <QFile>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;

class UserDataTest : public QObject {
    Q_OBJECT

private:
    QString appFolder() const { return m_env->root() + QStringLiteral("/app/"); }
    QString locationsFile() const { return appFolder() + QStringLiteral("Tavorin.cfg"); }

    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->writeFile(QStringLiteral("app/.keep"), {});
        m_env->writeFile(QStringLiteral("user/.keep"), {});
        SetAppPathForTesting(appFolder());
    }
    void cleanup()
    {
        SetAppPathForTesting({});
        m_env.reset();
    }

    void withoutLocationsFileTheDefaultIsWrittenAndUsed()
    {
        QCOMPARE(UserDataFolder(), appFolder() + QStringLiteral("UserFiles/"));
        QVERIFY(QFile::exists(locationsFile()));
        QCOMPARE(ReadIniValue(locationsFile(), QStringLiteral("Locations"), QStringLiteral("UserData"), {}),
                 QStringLiteral("UserFiles"));
    }

    void userDataValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected"); // "@" stands for the application folder
        qputenv("TAVORIN_TEST_DATA", "/srv/web");
        QTest::newRow("drive letter") << "D:\\Data" << "D:\\Data\\";
        QTest::newRow("linux absolute") << "/home/me/data" << "/home/me/data/";
        QTest::newRow("trailing separator kept") << "/home/me/data/" << "/home/me/data/";
        QTest::newRow("relative") << "MyData" << "@MyData/";
        QTest::newRow("environment reference") << "%TAVORIN_TEST_DATA%/mine" << "/srv/web/mine/";
        QTest::newRow("undefined reference") << "%TAVORIN_NOT_SET_ANYWHERE%\\x" << "@UserFiles/";
        QTest::newRow("unpaired percent") << "50%data" << "@UserFiles/";
        QTest::newRow("network path") << "\\\\server\\share" << "@UserFiles/";
    }
    void userDataValues()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        WriteIniValue(locationsFile(), QStringLiteral("Locations"), QStringLiteral("UserData"), stored);
        expected.replace(u'@', appFolder());
        QCOMPARE(UserDataFolder(), expected);
    }

    void savingCompactsCollections()
    {
        const QString folder = m_env->root() + QStringLiteral("/not-yet-made/");
        FontCollectionTable &table = FontCollections();
        table = {};
        table[1] = {QStringLiteral("Sans"), QStringLiteral("Arial, Helvetica")};
        table[3] = {QStringLiteral("Serif"), QStringLiteral("Times New Roman")};
        SaveFontCollections(folder);
        table = {};
        LoadFontCollections(folder);
        QCOMPARE(table[1].name, QStringLiteral("Sans"));
        QCOMPARE(table[2].name, QStringLiteral("Serif"));
        QCOMPARE(table[2].fonts, QStringLiteral("Times New Roman"));
        QVERIFY(table[3].name.isEmpty());
        QVERIFY(table[20].name.isEmpty());
    }

    void longCollectionNamesAreCut()
    {
        const QString folder = m_env->root() + QStringLiteral("/user/");
        WriteIniValue(folder + QStringLiteral("WebFonts.dat"), QStringLiteral("Collection Names"),
                      QStringLiteral("1"), QString(40, u'n'));
        LoadFontCollections(folder);
        QCOMPARE(FontCollections()[1].name, QString(30, u'n'));
    }

    void searchEngineListEndsAtTheFirstGap()
    {
        m_env->writeFile(QStringLiteral("app/SystemFiles/Data/SEngines.dat"),
                         "[Search Engines]\nName1=One\nLocation1=https://one.example/\nName2=Two\nName4=Four\n");
        const auto engines = ReadSearchEngineNames();
        QCOMPARE(engines.size(), 2);
        QCOMPARE(engines[1].name, QStringLiteral("Two"));
        QCOMPARE(SearchEngineLocation(1), QStringLiteral("https://one.example/"));
    }

    void guidesNeedNameAndLocation()
    {
        m_env->writeFile(QStringLiteral("app/SystemFiles/Data/Guides.dat"),
                         "[Guide Names]\n1=First\n2=Second\n[Guide Locations]\n2=https://two.example/\n");
        const auto guides = ReadSystemGuides();
        QCOMPARE(guides.size(), 1);
        QCOMPARE(guides[0].number, 2);
    }
};

QTEST_GUILESS_MAIN(UserDataTest)
#include "userdata_test.moc"
