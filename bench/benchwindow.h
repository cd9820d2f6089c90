#pragma once

// The editor as the benchmarks run it: a private settings and application
// folder holding the pages as pages.htm, and a shown main window that opens
// them the way the user does.

#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "bench/benchsupport.h"
#include "settings/environment.h"
#include "settings/preferences.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace tavorin::bench {

class BenchFolder {
public:
    explicit BenchFolder(const QByteArray &pages)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        SetAppPathForTesting(m_dir.path() + QStringLiteral("/"));
        m_ready = WriteFile(pagesPath(), pages);
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
