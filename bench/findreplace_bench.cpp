// Replace All and printing on the 10 MB document: the pure one-pass
// replacement beside sed on the same file, the whole command through a
// document window beside opening that file, and printing it to a PDF file.

#include "app/documentwindow.h"
#include "app/printjob.h"
#include "app/printprogress.h"
#include "app/richtextbox.h"
#include "bench/benchwindow.h"
#include "dialogs/frmfind.h"
#include "html/findreplace.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

using namespace tavorin;
using namespace tavorin::bench;
using namespace Qt::StringLiterals;

namespace {

const QString Word = u"class"_s;
const QString Replacement = u"CLASS"_s;

// sed over the file, its output written to another file: the floor.
double SedTime(const QString &path, const QString &output)
{
    return BestTime(3, [&] {
        QProcess sed;
        sed.setStandardOutputFile(output);
        sed.start(u"sed"_s, {u"s/%1/%2/g"_s.arg(Word, Replacement), path});
        sed.waitForFinished(-1);
    });
}

void MeasureReplacement(const QString &text, const QString &path, const QString &folder)
{
    ReplaceAllResult result;
    const double caseSensitive = BestTime(5, [&] { result = ReplaceAllMatches(text, Word, Replacement, true); });
    const qsizetype count = result.count;
    const double caseBlind = BestTime(5, [&] { result = ReplaceAllMatches(text, Word, Replacement, false); });
    const double sed = SedTime(path, folder + u"/sed.out"_s);
    std::printf("Replace All (pure, match case):  %8.1f ms  (%lld changes of \"%s\")\n", caseSensitive * 1e3,
                (long long)count, qPrintable(Word));
    std::printf("Replace All (pure, any case):    %8.1f ms  (%lld changes)\n", caseBlind * 1e3,
                (long long)result.count);
    std::printf("sed 's/%s/%s/g' on the file:  %8.1f ms  (floor; pure replacement %.2fx of it)\n",
                qPrintable(Word), qPrintable(Replacement), sed * 1e3, caseSensitive / sed);
}

void MeasureCommand(const QString &path)
{
    MainWindow window;
    const double open = OpenShown(window, path);
    DocumentWindow *doc = window.activeDocument();
    if (!doc)
        return;
    FindState().findText = Word;
    FindState().replacementText = Replacement;
    FindState().matchCase = true;
    QElapsedTimer timer;
    timer.start();
    ReplaceAll(window, doc); // the message box is answered at once without a desktop
    Settle();
    const double command = timer.nsecsElapsed() / 1e9;
    std::printf("Replace All command:             %8.1f ms  (replace, put back, re-colour, paint)\n",
                command * 1e3);
    std::printf("Open file until shown:           %8.1f ms  (command %.2fx of it)\n", open * 1e3, command / open);
    doc->setDirty(false);
}

void MeasurePrinting(const QString &text, const QString &folder)
{
    PrintChoice choice;
    choice.outputFile = folder + u"/pages.pdf"_s;
    PrintJob job(choice, u"pages.htm"_s);
    PrinterWindow window;
    int pages = 0;
    QObject::connect(&window, &PrinterWindow::pageStarting, [&pages](int page) { pages = page; });
    QElapsedTimer timer;
    timer.start();
    const PrinterWindow::Outcome outcome = window.PrintText(text, u"pages.htm"_s, job);
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("Print to PDF:                    %8.1f s   (%d pages, %.0f pages/s, %.1f MB of PDF%s)\n",
                seconds, pages, pages / seconds, QFileInfo(choice.outputFile).size() / double(Megabyte),
                outcome == PrinterWindow::Outcome::Printed ? "" : ", FAILED");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QByteArray bytes = LoadPages(10 * Megabyte);
    if (bytes.isEmpty()) {
        std::printf("no pages under %s: install python3.11-doc\n", qPrintable(PagesFolder()));
        return 0;
    }
    const BenchFolder folder(bytes);
    if (!folder.ready())
        return 1;
    const QString path = folder.pagesPath();
    std::printf("Find and replace, printing: %.2f MB of HTML from %s\n", double(bytes.size()) / Megabyte,
                qPrintable(PagesFolder()));
    std::printf("Targets: pure replacement <= sed; command <= about the time to open the file\n");
    const QString text = QString::fromUtf8(bytes);
    MeasureReplacement(text, path, folder.path());
    MeasureCommand(path);
    MeasurePrinting(text, folder.path());
    return 0;
}
