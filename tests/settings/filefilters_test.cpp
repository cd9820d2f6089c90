#include "settings/filefilters.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FileFiltersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kindsFillTheRequest()
    {
        QCOMPARE(FilterText(3), u"All Files (*.*)|*.*|HTML Files (*.htm,*.html,*.shtml,*.asp)|*.htm;*.html;"
                                "*.shtml;*.asp|Text Files (*.txt)|*.txt|JavaScript Files (*.js)|*.js"_s);
        // Kind 0 offers everything a link can point to, all files first and selected.
        const QStringList kind0 = QtNameFilters(FilterText(0));
        QStringList names;
        for (const QString &filter : kind0)
            names.append(filter.left(filter.indexOf(u" ("_s)));
        QCOMPARE(names, (QStringList{u"All Files"_s, u"All Images"_s, u"All Sounds"_s, u"AU Sounds"_s,
                                     u"Executables"_s, u"GIF Images"_s, u"HTML Files"_s, u"JPEG Images"_s,
                                     u"MIDI Sounds"_s, u"MPEG Movies"_s, u"Quicktime Movies"_s, u"Text Files"_s,
                                     u"Video For Windows"_s, u"WAV Sounds"_s, u"JavaScript Files"_s,
                                     u"Zipped Files"_s}));
        ScriptedFacades facades;
        for (int kind = 0; kind < FilterKindCount; ++kind) {
            FileDialogRequest request;
            request.defaultSuffix = u"old"_s;
            SetFilter(request, kind);
            QCOMPARE(request.filters, QtNameFilters(FilterText(kind)));
            QCOMPARE(request.filters.value(0), u"All Files (*)"_s);
            QCOMPARE(request.selectedFilter, request.filters.value(SelectedFilterIndex(kind) - 1));
            QCOMPARE(request.defaultSuffix, DefaultExtension(kind));
        }
        QCOMPARE(SelectedFilterIndex(0), 1);
        QCOMPARE(SelectedFilterIndex(3), 2);
        QCOMPARE(DefaultExtension(3), u"htm"_s);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void invalidKindShowsMessageAndEmptiesTheList()
    {
        for (int kind : {8, -1}) {
            ScriptedFacades facades;
            facades.dialogs.answerMessage(MessageAnswer::Ok);
            FileDialogRequest request;
            SetFilter(request, 3);
            SetFilter(request, kind);
            QVERIFY(request.filters.isEmpty() && request.selectedFilter.isEmpty() && request.defaultSuffix.isEmpty());
            const auto messages = facades.dialogs.messages();
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].prompt, u"invalid filter"_s);
            QCOMPARE(messages[0].icon, MessageIcon::None);
            QVERIFY(FilterText(kind).isEmpty());
        }
    }

    void qtNameFilters_data()
    {
        QTest::addColumn<QString>("filterText");
        QTest::addColumn<QStringList>("qtFilters");
        QTest::newRow("all files match names without a dot") << u"All Files (*.*)|*.*"_s
                                                             << QStringList{u"All Files (*)"_s};
        QTest::newRow("pattern list") << u"Pages (*.htm,*.html)|*.htm;*.html"_s
                                      << QStringList{u"Pages (*.htm *.html)"_s};
        QTest::newRow("description without list") << u"Pages|*.htm"_s << QStringList{u"Pages (*.htm)"_s};
        QTest::newRow("blanks around patterns") << u"Pages (*.htm)| *.htm ; *.html "_s
                                                << QStringList{u"Pages (*.htm *.html)"_s};
        QTest::newRow("empty pattern means every file") << u"Anything|"_s << QStringList{u"Anything (*)"_s};
        QTest::newRow("dangling description dropped") << u"Text (*.txt)|*.txt|Orphan"_s
                                                      << QStringList{u"Text (*.txt)"_s};
    }
    void qtNameFilters()
    {
        QFETCH(QString, filterText);
        QFETCH(QStringList, qtFilters);
        QCOMPARE(QtNameFilters(filterText), qtFilters);
    }

    void initDirDropsTheTrailingSeparatorOfLongFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("start");
        QTest::newRow("windows folder") << u"C:\\Web\\"_s << u"C:\\Web"_s;
        QTest::newRow("windows drive") << u"C:\\"_s << u"C:\\"_s;
        QTest::newRow("linux root") << u"/"_s << u"/"_s;
        QTest::newRow("four characters") << u"/ab/"_s << u"/ab"_s;
        QTest::newRow("three characters") << u"/a/"_s << u"/a/"_s;
        QTest::newRow("empty keeps the previous folder") << QString() << u"/previous"_s;
    }
    void initDirDropsTheTrailingSeparatorOfLongFolders()
    {
        QFETCH(QString, folder);
        QFETCH(QString, start);
        FileDialogRequest request;
        request.folder = u"/previous"_s;
        SetInitDir(request, folder);
        QCOMPARE(request.folder, start);
    }
};

QTEST_GUILESS_MAIN(FileFiltersTest)
#include "filefilters_test.moc"
