#include "settings/datafiles.h"

#include "app/textrules.h"
#include "settings/environment.h"
#include "settings/files.h"
#include "settings/inifile.h"
#include "settings/paths.h"

#include <QDir>

namespace tavorin {

namespace {

constexpr int CollectionCount = 20;
constexpr int GuideCount = 3;
constexpr int SearchEngineLimit = 60;

QString LocationsFile()
{
    return AppPath() + QStringLiteral("Tavorin.cfg");
}

QString FontCollectionsFile(const QString &userDataFolder)
{
    return userDataFolder + QStringLiteral("WebFonts.dat");
}

QString InstallationDataFile(const QString &name)
{
    return AppPath() + QStringLiteral("SystemFiles") + NativeSeparator() + QStringLiteral("Data")
           + NativeSeparator() + name;
}

} // namespace

QString ExpandEnvironmentReferences(const QString &text)
{
    QString result;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = text.indexOf(u'%', from);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u'%', open + 1);
        if (close < 0)
            return {};
        const QString name = text.mid(open + 1, close - open - 1);
        const QString value = name.isEmpty() ? QString() : qEnvironmentVariable(name.toLocal8Bit().constData());
        if (value.isEmpty())
            return {};
        result += text.mid(from, open - from) + value;
        from = close + 1;
    }
    return result + text.mid(from);
}

QString UserDataFolder()
{
    const QString locations = LocationsFile();
    QString folder = ReadIniValue(locations, QStringLiteral("Locations"), QStringLiteral("UserData"), QString());
    folder = ExpandEnvironmentReferences(folder);
    if (IsUNC(folder))
        folder.clear();
    if (IsBlank(folder)) {
        folder = QStringLiteral("UserFiles");
        if (!FileExists(locations))
            WriteIniValue(locations, QStringLiteral("Locations"), QStringLiteral("UserData"), folder);
    }
    if (!HasDrive(folder))
        folder = AppPath() + folder;
    const QString separator = SeparatorOf(folder);
    if (!folder.endsWith(separator))
        folder += separator;
    return folder;
}

FontCollectionTable &FontCollections()
{
    static FontCollectionTable s_table;
    return s_table;
}

void LoadFontCollections(const QString &userDataFolder)
{
    const QString file = FontCollectionsFile(userDataFolder);
    FontCollectionTable &table = FontCollections();
    for (int i = 1; i <= CollectionCount; ++i) {
        const QString key = QString::number(i);
        table[i].name = ReadIniValue(file, QStringLiteral("Collection Names"), key, QString()).left(30);
        table[i].fonts = ReadIniValue(file, QStringLiteral("Collection Fonts"), key, QString());
    }
}

void SaveFontCollections(const QString &userDataFolder)
{
    FontCollectionTable &table = FontCollections();
    for (int i = 1; i <= CollectionCount; ++i) {
        if (!table[i].name.isEmpty())
            continue;
        for (int j = i + 1; j <= CollectionCount; ++j) {
            if (!table[j].name.isEmpty()) {
                table[i] = table[j];
                table[j] = {};
                break;
            }
        }
    }
    // The folder is made on the first save, so the collections are not lost.
    QDir().mkpath(userDataFolder);
    const QString file = FontCollectionsFile(userDataFolder);
    for (int i = 1; i <= CollectionCount; ++i) {
        const QString key = QString::number(i);
        WriteIniValue(file, QStringLiteral("Collection Names"), key, table[i].name);
        WriteIniValue(file, QStringLiteral("Collection Fonts"), key, table[i].fonts);
    }
}

QList<NamedLocation> ReadSystemGuides()
{
    const QString file = InstallationDataFile(QStringLiteral("Guides.dat"));
    QList<NamedLocation> guides;
    for (int i = 1; i <= GuideCount; ++i) {
        const QString key = QString::number(i);
        NamedLocation guide{i, ReadIniValue(file, QStringLiteral("Guide Names"), key, QString()).left(30),
                            ReadIniValue(file, QStringLiteral("Guide Locations"), key, QString())};
        if (!guide.name.isEmpty() && !guide.location.isEmpty())
            guides.append(guide);
    }
    return guides;
}

QList<NamedLocation> ReadSearchEngineNames()
{
    const QString file = InstallationDataFile(QStringLiteral("SEngines.dat"));
    QList<NamedLocation> engines;
    for (int i = 1; i <= SearchEngineLimit; ++i) {
        const QString name = ReadIniValue(file, QStringLiteral("Search Engines"),
                                          QStringLiteral("Name") + QString::number(i), QString())
                                 .left(25);
        if (name.isEmpty())
            break;
        engines.append({i, name, QString()});
    }
    return engines;
}

QString SearchEngineLocation(int number)
{
    return ReadIniValue(InstallationDataFile(QStringLiteral("SEngines.dat")), QStringLiteral("Search Engines"),
                        QStringLiteral("Location") + QString::number(number), QString());
}

} // namespace tavorin
