#pragma once

// The editor as the benchmarks run it: a private settings and application
// folder holding the pages as pages.htm, and a shown main window that opens
// them the way the user does.

#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "settings/environment.h"
#include "settings/preferences.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace tavorin::bench {

// Lets the events of a change (painting included) run.
inline void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class BenchFolder {
public:
    explicit BenchFolder(const QByteArray &pages)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        SetAppPathForTesting(m_dir.path() + QStringLiteral("/"));
        QFile file(pagesPath());
        m_ready = file.open(QIODevice::WriteOnly) && file.write(pages) == pages.size();
        file.close();
        LoadPreferences();
    }
    ~BenchFolder() { SetAppPathForTesting({}); }
    Q_DISABLE_COPY_MOVE(BenchFolder)

    bool ready() const { return m_ready; }
    QString path() const { return m_dir.path(); }
    QString pagesPath() const { return m_dir.path() + QStringLiteral("/pages.htm"); }

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
};

// Shows the window, then opens the file in it: seconds until it is shown.
inline double OpenShown(MainWindow &window, const QString &path)
{
    window.resize(1000, 700);
    window.show();
    Settle();
    QElapsedTimer timer;
    timer.start();
    OpenFile(path);
    Settle();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace tavorin::bench
