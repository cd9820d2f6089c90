// The checks of the font collection and location dialogs: which entry
// refuses OK, in which order, and what OK keeps.

#include "app/textrules.h"
#include "settings/fontcollectioncheck.h"
#include "settings/locationcheck.h"
#include "tests/support/scripteddialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::CollectionProblem)
Q_DECLARE_METATYPE(tavorin::LocationProblem)

class EntryChecksTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void collections_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<CollectionProblem>("problem");
        QTest::addColumn<QString>("fonts");
        const QString none = u"(none)"_s;
        const QString longName = QString(50, u'F');
        QTest::newRow("second box (none)") << QString() << u" Mine "_s << QStringList{u"Arial"_s, none, u"Verdana"_s}
                                           << CollectionProblem::None << u"Arial, Verdana"_s;
        QTest::newRow("names cut to 45 and trimmed") << QString() << u"Mine"_s << QStringList{longName, u" Tahoma "_s, none}
                                                     << CollectionProblem::None << QString(45, u'F') + u", Tahoma"_s;
        QTest::newRow("empty name") << QString() << u"  "_s << QStringList{u"Arial"_s, none, none}
                                    << CollectionProblem::NoName << QString();
        QTest::newRow("name of another collection, other case") << QString() << u"SERIF"_s
                                                                << QStringList{u"Arial"_s, none, none}
                                                                << CollectionProblem::NameTaken << QString();
        QTest::newRow("renamed to its own name in other case") << u"Serif"_s << u"SERIF"_s
                                                               << QStringList{u"Times"_s, none, none}
                                                               << CollectionProblem::None << u"Times"_s;
        QTest::newRow("three (none)") << QString() << u"New"_s << QStringList{none, none, none}
                                      << CollectionProblem::NoFont << QString();
        QTest::newRow("three blank boxes count as (none)") << QString() << u"New"_s
                                                           << QStringList{QString(), u"   "_s, none}
                                                           << CollectionProblem::NoFont << QString();
    }
    void collections()
    {
        QFETCH(QString, opened);
        QFETCH(QString, name);
        QFETCH(QStringList, boxes);
        QFETCH(CollectionProblem, problem);
        QFETCH(QString, fonts);
        FontCollectionTable table{};
        table[4] = {u"Serif"_s, u"Times"_s};
        const CollectionCheck check = CheckFontCollection(opened, name, {boxes[0], boxes[1], boxes[2]}, table);
        QCOMPARE(check.problem, problem);
        QCOMPARE(check.collection.fonts, fonts);
        if (problem == CollectionProblem::None)
            QCOMPARE(check.collection.name, TrimSpaces(name));
    }

    void collectionBoxesAndEntries()
    {
        const CollectionFontBoxes boxes = SplitCollectionFonts(u"Arial, Courier New"_s);
        QCOMPARE((QStringList{boxes[0], boxes[1], boxes[2]}), (QStringList{u"Arial"_s, u"Courier New"_s, u"(none)"_s}));
        FontCollectionTable table{};
        QCOMPARE(FirstFreeCollection(table), 1);
        for (int i = 1; i <= 19; ++i)
            table[i].name = u"C"_s + QString::number(i);
        QCOMPARE(FirstFreeCollection(table), 20);
        table[20].name = u"Last"_s;
        QCOMPARE(FirstFreeCollection(table), 0);
    }

    void locations_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("location"); // "@" stands for an existing file
        QTest::addColumn<int>("kind");
        QTest::addColumn<LocationProblem>("problem");
        const int browser = BrowserFilterKind;
        const int guide = GuideFilterKind;
        QTest::newRow("description first, even without a location") << u" "_s << QString() << browser
                                                                    << LocationProblem::NoName;
        QTest::newRow("no location") << u"Mine"_s << u"  "_s << guide << LocationProblem::NoLocation;
        QTest::newRow("existing file") << u"Mine"_s << u"@"_s << guide << LocationProblem::None;
        QTest::newRow("missing file") << u"Mine"_s << u"/no/such/file"_s << browser << LocationProblem::NoFile;
        QTest::newRow("guide at https address") << u"Ref"_s << u"https://example.org/ref/"_s << guide
                                                << LocationProblem::None;
        QTest::newRow("guide at file address") << u"Ref"_s << u"FILE:///doc/ref.html"_s << guide
                                               << LocationProblem::None;
        QTest::newRow("browser is no address") << u"Web"_s << u"https://example.org/"_s << browser
                                               << LocationProblem::NoFile;
        QTest::newRow("browser found on PATH") << u"Shell"_s << u"sh"_s << browser << LocationProblem::None;
        QTest::newRow("guide is no program") << u"Shell"_s << u"sh"_s << guide << LocationProblem::NoFile;
        QTest::newRow("program not on PATH") << u"Web"_s << u"no-such-browser-here"_s << browser
                                             << LocationProblem::NoFile;
    }
    void locations()
    {
        QFETCH(QString, name);
        QFETCH(QString, location);
        QFETCH(int, kind);
        QFETCH(LocationProblem, problem);
        if (location == u"@") {
            location = m_dir.filePath(u"guide.html"_s);
            QFile file(location);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(CheckLocation(name, location, kind), problem);
    }

    // Each problem in the program's words; a collection without one says nothing.
    void messages()
    {
        ScriptedFacades facades;
        for (int i = 0; i < 6; ++i)
            facades.dialogs.answerMessage(MessageAnswer::Ok);
        for (CollectionProblem problem : {CollectionProblem::NoName, CollectionProblem::NameTaken,
                                          CollectionProblem::NoFont, CollectionProblem::None})
            ReportCollectionProblem(problem);
        ReportLocationProblem(LocationProblem::NoName, {});
        ReportLocationProblem(LocationProblem::NoLocation, {});
        ReportLocationProblem(LocationProblem::NoFile, u"/no/such"_s);
        QCOMPARE(facades.dialogs.messagePrompts(),
                 (QStringList{u"Please enter the collection name."_s,
                              u"This collection name already exists. Please enter another name for this collection."_s,
                              u"Please enter at least one font name for this collection."_s,
                              u"Please enter the description to be used."_s, u"Please enter the file location."_s,
                              u"(/no/such)\r\n\r\nThis file does not exist."_s}));
        const QList<MessageRequest> messages = facades.dialogs.messages();
        for (int required : {0, 2, 3, 4})
            QCOMPARE((std::pair(messages[required].title, messages[required].icon)),
                     (std::pair(u"Information Required"_s, MessageIcon::Exclamation)));
    }
};

QTEST_GUILESS_MAIN(EntryChecksTest)
#include "entrychecks_test.moc"
