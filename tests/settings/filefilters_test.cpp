#include "settings/filefilters.h"
#include "tests/support/scripteddialogs.h"

#include <QRegularExpression>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;

namespace {

const QString AllPair = QStringLiteral("All Files (*.*)|*.*");
const QString ImagesPair = QStringLiteral("All Images (*.gif,*.jpg,*.jpeg)|*.gif;*.jpg;*.jpeg");
const QString SoundsPair = QStringLiteral("All Sounds (*.au,*.mid,*.midi,*.wav)|*.au;*.mid;*.midi;*.wav");
const QString AUPair = QStringLiteral("AU Sounds (*.au)|*.au");
const QString ExePair = QStringLiteral("Executables (*.exe)|*.exe");
const QString GIFPair = QStringLiteral("GIF Images (*.gif)|*.gif");
const QString HTMLPair = QStringLiteral("HTML Files (*.htm,*.html,*.shtml,*.asp)|*.htm;*.html;*.shtml;*.asp");
const QString JPEGPair = QStringLiteral("JPEG Images (*.jpg,*.jpeg)|*.jpg;*.jpeg");
const QString MIDIPair = QStringLiteral("MIDI Sounds (*.mid,*.midi)|*.mid;*.midi");
const QString MPEGPair = QStringLiteral("MPEG Movies (*.mpg,*.mpeg)|*.mpg;*.mpeg");
const QString MOVPair = QStringLiteral("Quicktime Movies (*.mov)|*.mov");
const QString TextPair = QStringLiteral("Text Files (*.txt)|*.txt");
const QString AVIPair = QStringLiteral("Video For Windows (*.avi)|*.avi");
const QString WAVPair = QStringLiteral("WAV Sounds (*.wav)|*.wav");
const QString JSPair = QStringLiteral("JavaScript Files (*.js)|*.js");
const QString ZIPPair = QStringLiteral("Zipped Files (*.zip)|*.zip");
const QString HelpPair = QStringLiteral("Help Files (*.hlp)|*.hlp");

QString joined(const QStringList &pairs)
{
    return pairs.join(u'|');
}

// Whether a file name passes a Qt name filter the way the file dialog
// matches it: any of the wildcards, without regard to case.
bool passes(const QString &qtFilter, const QString &fileName)
{
    const qsizetype open = qtFilter.lastIndexOf(u'(');
    const QString list = qtFilter.mid(open + 1, qtFilter.size() - open - 2);
    for (const QString &wildcard : list.split(u' ', Qt::SkipEmptyParts)) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(wildcard),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(fileName).hasMatch())
            return true;
    }
    return false;
}

} // namespace

class FileFiltersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kindsGiveTheirTables_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("extension");
        QTest::newRow("0 anything to link to")
            << 0
            << joined({AllPair, ImagesPair, SoundsPair, AUPair, ExePair, GIFPair, HTMLPair, JPEGPair,
                       MIDIPair, MPEGPair, MOVPair, TextPair, AVIPair, WAVPair, JSPair, ZIPPair})
            << 1 << QString();
        QTest::newRow("1 browsers") << 1 << joined({AllPair, ExePair}) << 2 << QStringLiteral("exe");
        QTest::newRow("2 html documents") << 2 << joined({AllPair, HTMLPair}) << 2 << QStringLiteral("htm");
        QTest::newRow("3 open and save")
            << 3
            << QStringLiteral("All Files (*.*)|*.*|HTML Files (*.htm,*.html,*.shtml,*.asp)|*.htm;*.html;"
                              "*.shtml;*.asp|Text Files (*.txt)|*.txt|JavaScript Files (*.js)|*.js")
            << 2 << QStringLiteral("htm");
        QTest::newRow("4 images") << 4 << joined({AllPair, ImagesPair, GIFPair, JPEGPair}) << 2 << QString();
        QTest::newRow("5 sounds") << 5 << joined({AllPair, SoundsPair, AUPair, MIDIPair, WAVPair}) << 2
                                  << QString();
        QTest::newRow("6 insert file") << 6 << joined({AllPair, HTMLPair, TextPair, JSPair}) << 1
                                       << QStringLiteral("txt");
        QTest::newRow("7 reference guides") << 7 << joined({AllPair, HTMLPair, TextPair, HelpPair, ExePair})
                                            << 2 << QStringLiteral("htm");
    }
    void kindsGiveTheirTables()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, selected);
        QFETCH(QString, extension);
        QCOMPARE(FilterText(kind), text);
        QCOMPARE(SelectedFilterIndex(kind), selected);
        QCOMPARE(DefaultExtension(kind), extension);

        ScriptedFacades facades;
        FileDialogRequest request;
        request.defaultSuffix = QStringLiteral("old");
        SetFilter(request, kind);
        QCOMPARE(request.filters, QtNameFilters(text));
        QCOMPARE(request.filters.size(), text.count(u'|') / 2 + 1);
        QCOMPARE(request.selectedFilter, request.filters.at(selected - 1));
        QCOMPARE(request.defaultSuffix, extension);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void invalidKindShowsMessageAndEmptiesTheList_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("8") << 8;
        QTest::newRow("-1") << -1;
        QTest::newRow("large") << 1000;
    }
    void invalidKindShowsMessageAndEmptiesTheList()
    {
        QFETCH(int, kind);
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        FileDialogRequest request;
        SetFilter(request, 3);
        SetFilter(request, kind);
        QVERIFY(request.filters.isEmpty());
        QVERIFY(request.selectedFilter.isEmpty());
        QVERIFY(request.defaultSuffix.isEmpty());
        const auto messages = facades.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].prompt, QStringLiteral("invalid filter"));
        QCOMPARE(messages[0].icon, MessageIcon::None);
        QCOMPARE(messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(messages[0].title, QStringLiteral("Tavorin"));
        QVERIFY(FilterText(kind).isEmpty());
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void qtFiltersKeepDescriptionAndListPatterns_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QString>("qtFilter");
        QTest::newRow("all files") << AllPair << QStringLiteral("All Files (*)");
        QTest::newRow("html") << HTMLPair << QStringLiteral("HTML Files (*.htm *.html *.shtml *.asp)");
        QTest::newRow("one pattern") << TextPair << QStringLiteral("Text Files (*.txt)");
        QTest::newRow("description without list") << QStringLiteral("Pages|*.htm;*.html")
                                                  << QStringLiteral("Pages (*.htm *.html)");
        QTest::newRow("blanks around patterns") << QStringLiteral("Pages (*.htm)| *.htm ; *.html ")
                                                << QStringLiteral("Pages (*.htm *.html)");
        QTest::newRow("empty pattern means every file") << QStringLiteral("Anything|")
                                                        << QStringLiteral("Anything (*)");
    }
    void qtFiltersKeepDescriptionAndListPatterns()
    {
        QFETCH(QString, pair);
        QFETCH(QString, qtFilter);
        QCOMPARE(QtNameFilters(pair), QStringList{qtFilter});
    }

    void danglingDescriptionIsDropped()
    {
        QCOMPARE(QtNameFilters(TextPair + QStringLiteral("|Orphan")),
                 QStringList{QStringLiteral("Text Files (*.txt)")});
        QVERIFY(QtNameFilters(QString()).isEmpty());
    }

    void qtFiltersMatchTheFilesUsersExpect_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("matches");
        QTest::newRow("all: name without dot") << AllPair << QStringLiteral("Makefile") << true;
        QTest::newRow("all: dotted name") << AllPair << QStringLiteral("a.htm") << true;
        QTest::newRow("html: upper case") << HTMLPair << QStringLiteral("INDEX.HTM") << true;
        QTest::newRow("html: asp") << HTMLPair << QStringLiteral("page.asp") << true;
        QTest::newRow("html: text file") << HTMLPair << QStringLiteral("notes.txt") << false;
        QTest::newRow("html: htm in the middle") << HTMLPair << QStringLiteral("a.htm.bak") << false;
        QTest::newRow("images: jpeg") << ImagesPair << QStringLiteral("photo.jpeg") << true;
        QTest::newRow("sounds: midi") << SoundsPair << QStringLiteral("tune.MIDI") << true;
    }
    void qtFiltersMatchTheFilesUsersExpect()
    {
        QFETCH(QString, pair);
        QFETCH(QString, fileName);
        QFETCH(bool, matches);
        QCOMPARE(passes(QtNameFilters(pair).value(0), fileName), matches);
    }

    void initDirDropsTrailingSeparatorOfLongFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("start");
        QTest::newRow("windows folder") << QStringLiteral("C:\\Web\\") << QStringLiteral("C:\\Web");
        QTest::newRow("windows drive") << QStringLiteral("C:\\") << QStringLiteral("C:\\");
        QTest::newRow("linux folder") << QStringLiteral("/home/me/web/") << QStringLiteral("/home/me/web");
        QTest::newRow("linux root") << QStringLiteral("/") << QStringLiteral("/");
        QTest::newRow("short linux folder") << QStringLiteral("/ab/") << QStringLiteral("/ab");
        QTest::newRow("three characters") << QStringLiteral("/a/") << QStringLiteral("/a/");
        QTest::newRow("no separator") << QStringLiteral("/home/me") << QStringLiteral("/home/me");
    }
    void initDirDropsTrailingSeparatorOfLongFolders()
    {
        QFETCH(QString, folder);
        QFETCH(QString, start);
        FileDialogRequest request;
        SetInitDir(request, folder);
        QCOMPARE(request.folder, start);
    }

    void emptyInitDirKeepsThePreviousFolder()
    {
        FileDialogRequest request;
        request.folder = QStringLiteral("/srv/web");
        SetInitDir(request, QString());
        QCOMPARE(request.folder, QStringLiteral("/srv/web"));
    }
};

QTEST_GUILESS_MAIN(FileFiltersTest)
#include "filefilters_test.moc"
