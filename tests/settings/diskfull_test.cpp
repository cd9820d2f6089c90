// Every writer of the program on a real, nearly full file system: a small
// tmpfs mounted for each case, filled until only a few pages are free. A
// write that does not fit must fail as such and leave the old file exactly
// as it was; one that fits must replace it. Needs the right to mount (root);
// elsewhere the cases are skipped.

#include "app/toolmodel.h"
#include "app/toollayout.h"
#include "settings/files.h"
#include "settings/inifile.h"
#include "settings/settingsstore.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/mount.h>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 Page = 4096;
const QString CrLf2 = u"\r\n\r\n"_s;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A tmpfs of its own for one case, unmounted when the object goes.
class SmallDisk {
public:
    explicit SmallDisk(const QString &folder)
        : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_folder).constData());
    }
    Q_DISABLE_COPY_MOVE(SmallDisk)

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_folder + u'/' + name; }

    // Fills the disk, then frees exactly `pages` pages of it.
    void leaveFree(int pages)
    {
        QFile filler(path(u"filler"_s));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(Page, 'f');
        while (filler.write(block) == Page) {
        }
        const qint64 full = filler.size() / Page * Page;
        QVERIFY(full >= pages * Page);
        QVERIFY(filler.resize(full - pages * Page));
    }

private:
    QString m_folder;
    bool m_mounted = false;
};

enum class Writer { DocumentWindows1252, DocumentUtf8, Copy, Store, Ini, Layout };

const QString StoreKey = u"Software\\Kestavel Software\\Tavorin\\Test"_s;

// Sixty values of 250 characters: a key file of about 16 KB.
QString storedValue(int n) { return QString(250, QChar(u'a' + n % 26)); }

QByteArray iniContent()
{
    QByteArray text("[Fonts]\r\n");
    for (int n = 0; n < 60; ++n)
        text += "Font" + QByteArray::number(n) + '=' + QByteArray(250, 'x') + "\r\n";
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

class DiskFullTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writeThatDoesNotFitKeepsTheOldFile_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<int>("freePages");
        const QList<std::pair<const char *, Writer>> writers{
            {"document 1252", Writer::DocumentWindows1252}, {"document utf-8", Writer::DocumentUtf8},
            {"copy", Writer::Copy}, {"store", Writer::Store}, {"ini", Writer::Ini},
            {"layout", Writer::Layout}};
        for (const auto &[name, writer] : writers) {
            for (int pages : {0, 1, 2, 3, 40})
                QTest::addRow("%s, %d free", name, pages) << writer << pages;
        }
    }
    void writeThatDoesNotFitKeepsTheOldFile()
    {
        QFETCH(Writer, writer);
        QFETCH(int, freePages);
        // A 10 kB copy takes three pages; every other new file takes four or more.
        const bool fits = freePages >= (writer == Writer::Copy ? 3 : 40);
        TestEnvironment env;
        SmallDisk disk(env.root() + u"/disk"_s);
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs is not permitted here");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(disk.path(u"config"_s)));
        ScriptedFacades facades;

        // The old file, written while there is room; then the new content,
        // four pages or more, once the disk is nearly full.
        const QString document = disk.path(u"page.htm"_s);
        const QString iniFile = disk.path(u"Fonts.ini"_s);
        const QString layoutFile = disk.path(u"WebUser.TB"_s);
        const QByteArray oldDocument("<P>Old \xE9 text</P>\r\n");
        const QString newDocument = u"<P>New text é</P>\r\n"_s.repeated(750); // under 16 KiB
        QString expectedMessage;
        BarLayout smaller = BuiltInLayout();
        switch (writer) {
        case Writer::DocumentWindows1252:
        case Writer::DocumentUtf8:
        case Writer::Copy: {
            QFile old(document);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(oldDocument) == oldDocument.size());
            break;
        }
        case Writer::Store:
            for (int n = 0; n < 60; ++n)
                WriteRegString(RegistryRoot::CurrentUser, StoreKey, u"V%1"_s.arg(n), storedValue(n));
            break;
        case Writer::Ini: {
            QFile old(iniFile);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(iniContent()) > 0);
            break;
        }
        case Writer::Layout:
            smaller.tools.first().caption = u"Old caption"_s;
            QVERIFY(SaveLayout(smaller, layoutFile));
            break;
        }
        const QByteArray before = writer == Writer::Ini ? readBytes(iniFile)
                                  : writer == Writer::Layout ? readBytes(layoutFile)
                                                             : readBytes(document);
        const QString copySource = env.writeFile(u"big.gif"_s, QByteArray(10000, 'g'));
        disk.leaveFree(freePages);

        // The store and INI files lose a failed write silently.
        bool reported = fits;
        switch (writer) {
        case Writer::DocumentWindows1252:
        case Writer::DocumentUtf8:
            if (!fits)
                facades.dialogs.answerMessage(MessageAnswer::Ok);
            reported = WriteTextFile(newDocument, document,
                                     writer == Writer::DocumentUtf8 ? TextEncoding::Utf8
                                                                    : TextEncoding::Windows1252, nullptr);
            expectedMessage = u'(' + document + u')' + CrLf2 + u"Disk full. Cannot save file."_s;
            break;
        case Writer::Copy:
            if (!fits)
                facades.dialogs.answerMessage(MessageAnswer::Ok);
            reported = CopyFile(copySource, document);
            expectedMessage = u"Disk Full. Unable to copy file."_s;
            break;
        case Writer::Store:
            WriteRegString(RegistryRoot::CurrentUser, StoreKey, u"Added"_s, storedValue(99));
            break;
        case Writer::Ini:
            WriteIniValue(iniFile, u"Fonts"_s, u"Added"_s, QString(4000, u'n'));
            break;
        case Writer::Layout:
            reported = SaveLayout(BuiltInLayout(), layoutFile);
            break;
        }

        QCOMPARE(facades.dialogs.problems(), QStringList{});
        if (fits) {
            QVERIFY(reported);
            QCOMPARE(facades.dialogs.asked().size(), 0);
        } else {
            QVERIFY(!reported);
            if (!expectedMessage.isEmpty())
                QCOMPARE(facades.dialogs.messagePrompts(), QStringList{expectedMessage});
        }
        switch (writer) {
        case Writer::DocumentWindows1252:
        case Writer::DocumentUtf8:
        case Writer::Copy:
            if (fits)
                QVERIFY(readBytes(document) != before);
            else
                QCOMPARE(readBytes(document), before);
            break;
        case Writer::Store:
            for (int n = 0; n < 60; ++n)
                QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, StoreKey, u"V%1"_s.arg(n)), storedValue(n));
            QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, StoreKey, u"Added"_s),
                     fits ? storedValue(99) : QString());
            break;
        case Writer::Ini:
            if (fits) {
                QCOMPARE(ReadIniValue(iniFile, u"Fonts"_s, u"Added"_s, QString()), QString(254, u'n'));
            } else {
                QCOMPARE(readBytes(iniFile), before);
            }
            break;
        case Writer::Layout: {
            const std::optional<BarLayout> loaded = LoadLayout(layoutFile);
            QVERIFY(loaded);
            QCOMPARE(loaded->tools.first().caption, (fits ? BuiltInLayout() : smaller).tools.first().caption);
            break;
        }
        }
        // No temporary file is left beside the target.
        const QStringList names = QDir(disk.path(QString())).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : names)
            QVERIFY2(!name.contains(u'.') || name.count(u'.') == 1, qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(DiskFullTest)
#include "diskfull_test.moc"
