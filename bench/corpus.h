#pragma once

// What every benchmark measures on: Python's HTML documentation (Debian
// package python3.11-doc), whole pages concatenated in byte-sorted path
// order up to a size, line breaks made "\r\n"; and the best-of-runs timer.

#include <QByteArray>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

namespace tavorin::bench {

inline const QString PagesFolder = QStringLiteral("/usr/share/doc/python3.11/html");
inline constexpr qsizetype Megabyte = 1024 * 1024;

// The pages that fit in limit bytes; empty when the package is missing.
inline QByteArray LoadPages(qsizetype limit)
{
    std::vector<QByteArray> paths;
    QDirIterator it(PagesFolder, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.push_back(it.next().toUtf8());
    std::sort(paths.begin(), paths.end());
    QByteArray pages;
    for (const QByteArray &path : paths) {
        QFile file(QString::fromUtf8(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray page = file.readAll();
        page.replace("\r\n", "\n");
        page.replace("\n", "\r\n");
        if (pages.size() + page.size() > limit)
            break;
        pages += page;
    }
    return pages;
}

// Best of a few runs, in seconds.
inline double BestTime(int runs, const std::function<void()> &work)
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

} // namespace tavorin::bench
