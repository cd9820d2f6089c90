// Measures the colouring, the RTF reader and the document box on real pages:
// Python's HTML documentation, whole pages concatenated in byte-sorted path
// order up to 1 MB and 10 MB, line breaks made "\r\n".

#include "app/colouring.h"
#include "app/richtextbox.h"
#include "app/rtfreader.h"
#include "app/appstate.h"
#include "app/documentwindow.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "settings/environment.h"
#include "settings/preferences.h"
#include "bench/benchsupport.h"
#include "bench/benchwindow.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <vector>

using namespace tavorin;
using namespace tavorin::bench;
using namespace Qt::StringLiterals;

namespace {

void Measure(qsizetype limit, bool last)
{
    const QByteArray bytes = LoadPages(limit);
    if (bytes.isEmpty()) {
        std::printf("no pages under %s: install python3.11-doc\n", qPrintable(PagesFolder()));
        return;
    }
    const double megabytes = double(bytes.size()) / Megabyte;
    const QString text = QString::fromUtf8(bytes);
    const QString rtfTemplate = DocumentTemplate();
    std::printf("\n== %.2f MB of HTML (%lld bytes, %lld characters)\n", megabytes, (long long)bytes.size(),
                (long long)text.size());

    const int runs = limit > 2 * Megabyte ? 5 : 20;
    QString rtf;
    const double toRtf = BestTime(runs, [&] { rtf = TextToRtf(text, rtfTemplate, true); });
    qsizetype runCount = 0;
    const double reading = BestTime(runs, [&] { runCount = ReadRtf(rtf).runs.size(); });
    std::printf("TextToRtf:              %8.1f MB/s  (%.1f ms, RTF %.2f MB)\n", megabytes / toRtf, toRtf * 1e3,
                double(rtf.size()) / Megabyte);
    std::printf("RTF reader:             %8.1f MB/s  (%.1f ms, %lld colour runs)\n", megabytes / reading,
                reading * 1e3, (long long)runCount);
    std::printf("TextToRtf + reader:     %8.1f MB/s\n", megabytes / (toRtf + reading));
    rtf.clear();
    rtf.squeeze();

    // The plain editor for comparison, given the same text with Qt's line breaks.
    double plainLoad = 0;
    {
        QString qtText = text;
        qtText.replace(u"\r\n"_s, u"\n"_s);
        QPlainTextEdit plain;
        plain.resize(800, 600);
        plain.show();
        Settle();
        plainLoad = BestTime(3, [&] {
            plain.setPlainText(qtText);
            Settle();
        });
    }

    // Hand the plain editor's freed memory back, so that the peak below is
    // the coloured document's own.
    malloc_trim(0);
    if (last)
        ResetPeakMemory();
    const long long residentBefore = StatusKilobytes("VmRSS:");
    RichTextBox box;
    box.resize(800, 600);
    box.show();
    Settle();
    const double colouredLoad = BestTime(3, [&] {
        box.setRtf(TextToRtf(text, rtfTemplate, true));
        Settle();
    });
    std::printf("Coloured load:          %8.1f ms  (TextToRtf + setRtf)\n", colouredLoad * 1e3);
    std::printf("QPlainTextEdit load:    %8.1f ms  (setPlainText)\n", plainLoad * 1e3);
    std::printf("Coloured / plain:       %8.2f\n", colouredLoad / plainLoad);

    // Typing in the middle of the document, with the insertion colour set
    // before each key as the document window does.
    box.setFocus();
    box.setSelStart(box.textLength() / 2);
    const int keys = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keys; ++i) {
        box.setSelColour(0x000000);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, u"a"_s);
        QApplication::sendEvent(&box, &press);
        QApplication::sendEvent(&box, &release);
        QCoreApplication::processEvents();
    }
    std::printf("Keystroke:              %8.3f ms  (average of %d, painting included)\n",
                timer.nsecsElapsed() / 1e6 / keys, keys);

    if (last) {
        const long long peak = StatusKilobytes("VmHWM:");
        const double fileBytes = double(bytes.size());
        std::printf("Peak memory:            %8.1f bytes per file byte  (VmHWM %lld kB; "
                    "%.1f above the %lld kB resident before loading)\n",
                    peak * 1024.0 / fileBytes, peak, (peak - residentBefore) * 1024.0 / fileBytes,
                    residentBefore);
    }
}

// The same file opened the way the user opens it (read, decoded, coloured in
// a document window of the main window) and typed into with every handler of
// the document window running.
void MeasureEditor(qsizetype limit)
{
    const QByteArray bytes = LoadPages(limit);
    if (bytes.isEmpty())
        return;
    const BenchFolder folder(bytes);
    if (!folder.ready())
        return;
    MainWindow window;
    const double open = OpenShown(window, folder.pagesPath());
    std::printf("\n== the editor with %.2f MB\n", double(bytes.size()) / Megabyte);
    std::printf("Open file until shown:  %8.1f ms  (OpenFile: read, decode, colour, show)\n", open * 1e3);

    DocumentWindow *doc = window.activeDocument();
    if (!doc)
        return;
    RichTextBox *box = doc->textBox();
    box->setFocus();
    box->setSelStart(box->textLength() / 2);
    const int keys = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keys; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, u"a"_s);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
        QCoreApplication::processEvents();
    }
    std::printf("Keystroke in editor:    %8.3f ms  (average of %d, document window handlers included)\n",
                timer.nsecsElapsed() / 1e6 / keys, keys);
    doc->setDirty(false);
    SetAppPathForTesting({});
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::printf("Editor benchmark: pages from %s\n", qPrintable(PagesFolder()));
    std::printf("Targets on 10 MB: TextToRtf >= 200 MB/s, TextToRtf + reader >= 100 MB/s, coloured load <= 3x "
                "plain, keystroke <= 1 ms, peak memory <= 25 bytes per file byte\n");
    Measure(Megabyte, false);
    Measure(10 * Megabyte, true);
    MeasureEditor(10 * Megabyte);
    return 0;
}
