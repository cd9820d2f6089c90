#include "bench/benchsupport.h"

#include "app/colouring.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <ctime>
#include <vector>

using namespace Qt::StringLiterals;

namespace tavorin::bench {

QString PagesFolder()
{
    return u"/usr/share/doc/python3.11/html"_s;
}

QByteArray LoadPages(qsizetype limit, bool repeat)
{
    std::vector<QByteArray> paths;
    QDirIterator it(PagesFolder(), {u"*.html"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.push_back(it.next().toUtf8());
    std::sort(paths.begin(), paths.end());
    QByteArray pages;
    for (bool full = false; !full && !paths.empty();) {
        const qsizetype before = pages.size();
        for (const QByteArray &path : paths) {
            QFile file(QString::fromUtf8(path));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QByteArray page = file.readAll();
            page.replace("\r\n", "\n");
            page.replace("\n", "\r\n");
            if (pages.size() + page.size() > limit) {
                full = true;
                break;
            }
            pages += page;
        }
        if (!repeat || pages.size() == before)
            break;
    }
    return pages;
}

QByteArray OneLine(QByteArray pages)
{
    pages.replace("\r\n", "");
    return pages;
}

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

double BestTime(int runs, const std::function<void()> &work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

long long StatusKilobytes(const char *field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void ResetPeakMemory()
{
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void TypeAndPaint(QWidget *widget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, u"a"_s);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    // Everything the key left behind (layout and update requests) runs, then
    // the widget paints.
    QCoreApplication::processEvents();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        area->viewport()->repaint();
    else
        widget->repaint();
    QCoreApplication::processEvents();
}

double SecondsUntilAnswer(const std::function<QWidget *()> &open)
{
    QElapsedTimer timer;
    timer.start();
    QWidget *target = open();
    QCoreApplication::processEvents();
    if (target)
        TypeAndPaint(target);
    return timer.nsecsElapsed() / 1e9;
}

QString DocumentTemplate()
{
    return AddTabStops(MakeColourTable(MakeRtfTemplate(u"DejaVu Sans Mono"_s, 10, false, false), 0x000000,
                                       0x800000, 0x008000, 0x808000),
                       4);
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tavorin::bench
