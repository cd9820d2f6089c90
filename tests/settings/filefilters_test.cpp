#include "settings/filefilters.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FileFiltersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every kind fills the request from its own list, all files first; any other kind says so and
    // leaves the request without filters.
    void kindsFillTheRequest()
    {
        QCOMPARE(FilterText(3), u"All Files (*.*)|*.*|HTML Files (*.htm,*.html,*.shtml,*.asp)|*.htm;*.html;"
                                "*.shtml;*.asp|Text Files (*.txt)|*.txt|JavaScript Files (*.js)|*.js"_s);
        QCOMPARE(SelectedFilterIndex(0), 1);
        QCOMPARE(SelectedFilterIndex(3), 2);
        QCOMPARE(DefaultExtension(3), u"htm"_s);
        for (int kind = -1; kind <= FilterKindCount; ++kind) {
            ScriptedFacades facades;
            const bool valid = kind >= 0 && kind < FilterKindCount;
            if (!valid)
                facades.dialogs.answerMessage(MessageAnswer::Ok);
            FileDialogRequest request;
            SetFilter(request, 3);
            SetFilter(request, kind);
            QCOMPARE(request.filters, QtNameFilters(FilterText(kind)));
            QVERIFY(valid ? request.filters.value(0) == u"All Files (*)" : request.filters.isEmpty());
            QCOMPARE(request.selectedFilter, valid ? request.filters.value(SelectedFilterIndex(kind) - 1) : QString());
            QCOMPARE(request.defaultSuffix, DefaultExtension(kind));
            QCOMPARE(facades.dialogs.messagePrompts(), valid ? QStringList{} : QStringList{u"invalid filter"_s});
            if (!valid)
                QCOMPARE(facades.dialogs.messages().value(0).icon, MessageIcon::None);
            QVERIFY(facades.dialogs.problems().isEmpty());
        }
    }

    void qtNameFilters_data()
    {
        QTest::addColumn<QString>("filterText");
        QTest::addColumn<QStringList>("qtFilters");
        QTest::newRow("all files match names without a dot") << u"All Files (*.*)|*.*"_s
                                                             << QStringList{u"All Files (*)"_s};
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
        QTest::newRow("windows drive") << u"C:\\"_s << u"C:\\"_s;
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
