// Opening and typing in heavy pages, each beside a bare QPlainTextEdit given
// the same file in the same run, and the smart update on a page dense with
// fields. Every case runs in a process of its own, so that each peak memory
// figure is that case's alone. Without a display the benchmark starts a
// private X server when Xvfb is installed, else it runs offscreen.
//
//   opening_bench            every case, one after another
//   opening_bench CASE...    the cases named (--list lists them)

#include "app/colouring.h"
#include "app/colourvalue.h"
#include "app/documentwindow.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/rtfreader.h"
#include "app/textrules.h"
#include "bench/benchsupport.h"
#include "html/smartupdate.h"
#include "settings/environment.h"
#include "settings/files.h"
#include "settings/preferences.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <malloc.h>

using namespace tavorin;
using namespace tavorin::bench;
using namespace Qt::StringLiterals;

namespace {

// The pages of one case, as a file of their own.
struct Page {
    const char *name;
    qsizetype megabytes;
    bool oneLine;
    int keys; // keystrokes averaged in Tavorin; the bare box gets a few
};

constexpr Page Ordinary{"ordinary 10 MB", 10, false, 100};
constexpr Page OneLine5{"one-line 5 MB", 5, true, 50};
constexpr Page OneLine60{"one-line 60 MB", 60, true, 20};

QByteArray PageBytes(const Page &page)
{
    const QByteArray pages = LoadPages(page.megabytes * Megabyte, page.megabytes > 20);
    return page.oneLine ? OneLine(pages) : pages;
}

void PrintMemory(const char *who, qsizetype fileBytes, long long residentBefore)
{
    const long long peak = StatusKilobytes("VmHWM:");
    std::printf("  %-9s peak memory %6.1f bytes per file byte  (VmHWM %lld kB, %.1f above the %lld kB "
                "resident before opening)\n",
                who, peak * 1024.0 / double(fileBytes), peak, (peak - residentBefore) * 1024.0 / double(fileBytes),
                residentBefore);
}

// Types keys in the middle of the text, painting after each; ms per key.
double KeystrokeMilliseconds(QWidget *box, int keys)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keys; ++i)
        TypeAndPaint(box);
    return timer.nsecsElapsed() / 1e6 / keys;
}

// A file of the page's text in a fresh folder that also holds the settings.
class PageFile {
public:
    explicit PageFile(const Page &page)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.path()));
        m_path = m_folder.path() + u"/page.htm"_s;
        const QByteArray bytes = PageBytes(page);
        m_size = bytes.size();
        if (!WriteFile(m_path, bytes))
            m_size = 0;
    }
    QString folder() const { return m_folder.path() + u"/"_s; }
    QString path() const { return m_path; }
    qsizetype size() const { return m_size; }

private:
    QTemporaryDir m_folder;
    QString m_path;
    qsizetype m_size = 0;
};

// Shows the window empty, then lets the peak memory count from here on;
// the resident size now.
long long ShowAndCountFromHere(QWidget &window)
{
    window.resize(1000, 700);
    window.show();
    Settle();
    malloc_trim(0);
    ResetPeakMemory();
    return StatusKilobytes("VmRSS:");
}

// The time until the answer, and the processor time of it.
struct Answer {
    double seconds = 0;
    double cpuSeconds = 0;
};

Answer TimeUntilAnswer(const std::function<QWidget *()> &open)
{
    const double cpuBefore = ThreadCpuSeconds();
    const double seconds = SecondsUntilAnswer(open);
    return {seconds, ThreadCpuSeconds() - cpuBefore};
}

void PrintAnswer(const Page &page, const char *who, const Answer &answer, double keyMilliseconds, int keys)
{
    std::printf("%s, %s:\n  %-9s until it answers a key %9.1f ms (processor %.1f ms); keystroke %9.3f ms "
                "(average of %d)\n",
                page.name, who, who, answer.seconds * 1e3, answer.cpuSeconds * 1e3, keyMilliseconds, keys);
}

void RunBare(const Page &page)
{
    const PageFile file(page);
    if (file.size() == 0)
        return;
    QPlainTextEdit plain;
    const long long before = ShowAndCountFromHere(plain);
    const Answer answer = TimeUntilAnswer([&] {
        QFile in(file.path());
        if (in.open(QIODevice::ReadOnly))
            plain.setPlainText(QString::fromUtf8(in.readAll()));
        return &plain;
    });
    QTextCursor middle(plain.document());
    middle.setPosition(plain.document()->characterCount() / 2);
    plain.setTextCursor(middle);
    const int keys = page.oneLine ? 1 : page.keys;
    const double key = KeystrokeMilliseconds(&plain, keys);
    PrintAnswer(page, "bare", answer, key, keys);
    PrintMemory("bare", file.size(), before);
}

void RunTavorin(const Page &page)
{
    const PageFile file(page);
    if (file.size() == 0)
        return;
    SetAppPathForTesting(file.folder());
    LoadPreferences();
    MainWindow window;
    const long long before = ShowAndCountFromHere(window);
    const Answer answer = TimeUntilAnswer([&]() -> QWidget * {
        if (!OpenFile(file.path()) || !window.activeDocument())
            return nullptr;
        return window.activeDocument()->textBox();
    });
    DocumentWindow *doc = window.activeDocument();
    if (!doc)
        return;
    RichTextBox *box = doc->textBox();
    box->setSelStart(box->textLength() / 2);
    const double key = KeystrokeMilliseconds(box, page.keys);
    PrintAnswer(page, "Tavorin", answer, key, page.keys);
    PrintMemory("Tavorin", file.size(), before);
    doc->setDirty(false);
}

// The refresh on a 10 MB page with a field on every line, and on lone
// start markers, whose count doubles from row to row.
void RunSmartUpdate()
{
    const QString pages = QString::fromUtf8(LoadPages(10 * Megabyte));
    if (pages.isEmpty())
        return;
    const QString fields[] = {
        u"<!-- %DATE% -->Monday, 1 March 1999<!-- %/DATE% -->"_s,
        u"<!-- %TIME% -->2:05 PM<!-- %/TIME% -->"_s,
        u"<!-- %YEAR% -->1999<!-- %/YEAR% -->"_s,
    };
    QString dense;
    dense.reserve(pages.size() + pages.size() / 2);
    qsizetype count = 0;
    for (const QStringView line : QStringView(pages).split(u"\r\n"_s)) {
        if (dense.size() + line.size() > 10 * Megabyte)
            break;
        dense += line;
        dense += fields[count++ % 3];
        dense += u"\r\n"_s;
    }
    const QDateTime moment(QDate(2026, 3, 7), QTime(14, 5, 9));
    const QString dateFormat = u"dddd, d mmmm yyyy"_s, timeFormat = u"h:nn AM/PM"_s;
    QString result;
    const double seconds = BestTime(5, [&] { result = SmartUpdate(dense, moment, dateFormat, timeFormat); });
    const double megabytes = double(dense.toUtf8().size()) / Megabyte;
    std::printf("SmartUpdate, %.1f MB with %lld fields:\n  %8.1f MB/s  (%.1f ms; target >= 100 MB/s)\n",
                megabytes, (long long)count, megabytes / seconds, seconds * 1e3);
    for (const int markers : {20000, 40000, 80000}) {
        const QString lone = QString(u"<!-- %DATE% --> x "_s).repeated(markers);
        const double loneSeconds = BestTime(3, [&] { result = SmartUpdate(lone, moment, dateFormat, timeFormat); });
        std::printf("  %6d lone start markers: %8.2f ms\n", markers, loneSeconds * 1e3);
    }
}

// Typing in a bare QPlainTextEdit whose lines all have one length, coloured
// as the editor colours them: the toolkit's cost of laying out (and
// painting) one block of that length, which sets the longest display block.
void RunBlockLengths()
{
    const QString minified = QString::fromUtf8(OneLine(LoadPages(2 * Megabyte)));
    if (minified.isEmpty())
        return;
    std::printf("Keystroke in a bare QPlainTextEdit by block length (coloured):\n");
    std::fflush(stdout);
    for (const qsizetype length : {256, 1024, 2048, 4096, 8192, 16384, 32768, 65536}) {
        QString lines;
        for (qsizetype at = 0; at + length <= minified.size() && lines.size() < Megabyte; at += length)
            lines += minified.mid(at, length) + u"\r\n"_s;
        const RtfContent content = ReadRtf(TextToRtf(lines, DocumentTemplate(), true));
        QPlainTextEdit box;
        box.resize(1000, 700);
        box.show();
        QTextCursor cursor(box.document());
        cursor.beginEditBlock();
        for (const RtfColourRun &run : content.runs) {
            QTextCharFormat format;
            format.setForeground(ToQColor(run.colour));
            cursor.insertText(content.text.mid(run.start, run.length), format);
        }
        cursor.endEditBlock();
        Settle();
        cursor.setPosition(int(length / 2));
        box.setTextCursor(cursor);
        const double wrapped = KeystrokeMilliseconds(&box, 30);
        box.setLineWrapMode(QPlainTextEdit::NoWrap);
        Settle();
        const double unwrapped = KeystrokeMilliseconds(&box, 30);
        std::printf("  %6lld characters: %8.3f ms per key wrapped, %8.3f ms unwrapped\n", (long long)length, wrapped,
                    unwrapped);
        std::fflush(stdout);
    }
}

// Where opening an ordinary page spends its time, step by step.
void RunProfile()
{
    const PageFile file(Ordinary);
    if (file.size() == 0)
        return;
    std::printf("Opening profile, %s (best of 3 for the steps without a box):\n", Ordinary.name);
    const auto step = [](const char *what, double seconds) {
        std::printf("  %-42s %8.1f ms\n", what, seconds * 1e3);
    };
    TextFileContent content;
    step("read and decode the file", BestTime(3, [&] { content = ReadTextFile(file.path()); }));
    QString text;
    step("plain text of the file (DocumentTextOf)", BestTime(3, [&] { text = DocumentTextOf(content.text); }));
    QString normal;
    step("line breaks made \\r\\n (DocText)", BestTime(3, [&] { normal = NormaliseLineBreaks(text); }));
    // The way round RTF that opening no longer takes, for comparison.
    QString rtf;
    const QString rtfTemplate = DocumentTemplate();
    step("(colouring into RTF, TextToRtf)", BestTime(3, [&] { rtf = TextToRtf(normal, rtfTemplate, true); }));
    RtfContent read;
    step("(RTF reader, ReadRtf)", BestTime(3, [&] { read = ReadRtf(rtf); }));
    rtf = QString();
    step("colouring into runs (ColouredContent)",
         BestTime(3, [&] { read = ColouredContent(normal, rtfTemplate, true); }));
    // Both boxes are shown and empty before their text goes in, as a
    // document window is when a file opens into it.
    const auto intoShownBox = [&](QPlainTextEdit &box, const char *what, const std::function<void()> &load) {
        box.resize(1000, 700);
        box.show();
        Settle();
        QElapsedTimer timer;
        const double cpuBefore = ThreadCpuSeconds();
        timer.start();
        load();
        const double loading = timer.nsecsElapsed() / 1e9;
        step(what, loading);
        step("  (processor time of it)", ThreadCpuSeconds() - cpuBefore);
        timer.restart();
        Settle();
        box.viewport()->repaint();
        step("  then the first layout and paint", timer.nsecsElapsed() / 1e9);
        return loading;
    };
    RichTextBox box;
    intoShownBox(box, "coloured runs into the box (setContent)", [&] { box.setContent(read); });

    QByteArray bytes;
    step("bare: read the file", BestTime(3, [&] {
             QFile in(file.path());
             bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
         }));
    step("bare: decode UTF-8", BestTime(3, [&] { text = QString::fromUtf8(bytes); }));
    QPlainTextEdit plain;
    intoShownBox(plain, "bare: setPlainText", [&] { plain.setPlainText(text); });
}

struct Case {
    const char *name;
    void (*run)();
    int timeoutSeconds;
};

const Case Cases[] = {
    {"smartupdate", RunSmartUpdate, 120},
    {"ordinary-bare", [] { RunBare(Ordinary); }, 120},
    {"ordinary-tavorin", [] { RunTavorin(Ordinary); }, 120},
    {"oneline5-bare", [] { RunBare(OneLine5); }, 400},
    {"oneline5-tavorin", [] { RunTavorin(OneLine5); }, 400},
    {"oneline60-tavorin", [] { RunTavorin(OneLine60); }, 300},
    {"blocks", RunBlockLengths, 300},
    {"profile", RunProfile, 120},
};

// A private X server for the cases, or none (offscreen) when the caller
// chose a platform, a display is there, or Xvfb is not installed.
class PrivateDisplay {
public:
    PrivateDisplay()
    {
        if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            describe(qgetenv("QT_QPA_PLATFORM"));
            return;
        }
        if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "xcb");
            describe("X (" + qgetenv("DISPLAY") + ")");
            return;
        }
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        int number = 90;
        while (QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)) || QFile::exists(u"/tmp/.X%1-lock"_s.arg(number)))
            ++number;
        const QString socket = u"/tmp/.X11-unix/X%1"_s.arg(number);
        if (!xvfb.isEmpty()) {
            m_server.setStandardOutputFile(QProcess::nullDevice());
            m_server.setStandardErrorFile(QProcess::nullDevice());
            m_server.start(xvfb, {u":%1"_s.arg(number), u"-screen"_s, u"0"_s, u"1400x1000x24"_s, u"-nolisten"_s,
                                  u"tcp"_s});
            m_server.waitForStarted(5000);
            for (int i = 0; i < 100 && m_server.state() == QProcess::Running && !QFile::exists(socket); ++i)
                QThread::msleep(50);
        }
        if (m_server.state() == QProcess::Running && QFile::exists(socket)) {
            qputenv("DISPLAY", u":%1"_s.arg(number).toLatin1());
            qputenv("QT_QPA_PLATFORM", "xcb");
            describe("X (a private Xvfb)");
            return;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        describe("offscreen (no display and no Xvfb)");
    }
    ~PrivateDisplay()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        m_server.waitForFinished(3000);
    }
    Q_DISABLE_COPY_MOVE(PrivateDisplay)

private:
    static void describe(const QByteArray &platform) { std::printf("Platform: %s\n", platform.constData()); }

    QProcess m_server;
};

int RunCases(const QString &program, QStringList names)
{
    if (names.isEmpty()) {
        for (const Case &each : Cases)
            names << QString::fromLatin1(each.name);
    }
    const PrivateDisplay display;
    std::printf("Pages from %s\n", qPrintable(PagesFolder()));
    std::printf("Targets: one-line 5 MB answers within 1 s and types under 10 ms a key; one-line 60 MB opens "
                "within 25 bytes per file byte; ordinary 10 MB answers within 1.3x the bare box and 20 bytes per "
                "file byte; SmartUpdate >= 100 MB/s\n\n");
    std::fflush(stdout);
    for (const Case &each : Cases) {
        if (!names.contains(QString::fromLatin1(each.name)))
            continue;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        child.start(program, {u"--case"_s, QString::fromLatin1(each.name)});
        if (!child.waitForFinished(each.timeoutSeconds * 1000)) {
            child.kill();
            child.waitForFinished(5000);
            std::printf("%s: no answer within %d s, stopped\n", each.name, each.timeoutSeconds);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3 || qstrcmp(argv[1], "--case") != 0) {
        QCoreApplication app(argc, argv);
        QStringList names = QCoreApplication::arguments().mid(1);
        if (names == QStringList{u"--list"_s}) {
            for (const Case &each : Cases)
                std::printf("%s\n", each.name);
            return 0;
        }
        return RunCases(QCoreApplication::applicationFilePath(), names);
    }
    const QByteArray name = argv[2];
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!QDir(PagesFolder()).exists()) {
        std::printf("no pages under %s: install python3.11-doc\n", qPrintable(PagesFolder()));
        return 1;
    }
    for (const Case &each : Cases) {
        if (name == each.name) {
            each.run();
            std::fflush(stdout);
            return 0;
        }
    }
    std::printf("no case %s\n", name.constData());
    return 2;
}
