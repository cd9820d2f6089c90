#pragma once

// What the benchmarks share: the pages they measure on, timers, the
// process's memory figures and the wait for an editor to answer a key.

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

namespace tavorin::bench {

inline constexpr qsizetype Megabyte = 1024 * 1024;

// The folder of the HTML pages every benchmark reads (python3.11-doc).
QString PagesFolder();

// Whole pages under PagesFolder() in byte-sorted path order, line breaks
// made "\r\n", while they fit in limit bytes; with repeat, the pages start
// again from the first until the limit is reached. Empty without pages.
QByteArray LoadPages(qsizetype limit, bool repeat = false);

// The same pages as one line: every line break removed, as a minifier does.
QByteArray OneLine(QByteArray pages);

// Processor seconds the calling thread has used so far. On a shared machine
// the difference of two readings is a steadier figure than the wall clock
// (it leaves out the time other programs had the processor).
double ThreadCpuSeconds();

// Best of a few runs of work, in seconds.
double BestTime(int runs, const std::function<void()> &work);

// A field of /proc/self/status in kB ("VmRSS:", "VmHWM:"); -1 when unknown.
long long StatusKilobytes(const char *field);

// Lets the peak resident size start again from the current size.
void ResetPeakMemory();

// Lets pending events run a few times.
void Settle();

// Sends one typed "a" to the widget and waits until it has been handled and
// the widget painted again, as a user sees the key answered.
void TypeAndPaint(QWidget *widget);

// Seconds from now until the widget answers a typed key after open() ran:
// open() is timed, then every event it left behind, a key and a paint.
double SecondsUntilAnswer(const std::function<QWidget *()> &open);

// The document template every benchmark colours with.
QString DocumentTemplate();

// Writes bytes to path; false when it cannot.
bool WriteFile(const QString &path, const QByteArray &bytes);

} // namespace tavorin::bench
