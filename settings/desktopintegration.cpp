#include "settings/desktopintegration.h"

#include "settings/checkedfile.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace tavorin {

namespace {

// A refreshed cache is a nicety; the entry works without it.
constexpr int CacheRefreshMilliseconds = 5000;

void refreshHandlerCache(const QString &folder)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (tool.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(tool, {QDir::toNativeSeparators(folder)});
    if (process.waitForStarted() && !process.waitForFinished(CacheRefreshMilliseconds))
        process.kill();
    process.waitForFinished(100);
}

QString runningProgram()
{
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return exe.isEmpty() ? QCoreApplication::applicationFilePath() : exe;
}

} // namespace

QString UserApplicationsFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/applications/");
}

QString DesktopEntryPath()
{
    return UserApplicationsFolder() + QStringLiteral("tavorin.desktop");
}

QStringList HtmlMimeTypes()
{
    const QMimeDatabase database;
    QStringList types;
    for (const char *extension : {"htm", "html", "shtml", "asp"}) {
        const QMimeType type = database.mimeTypeForFile(QStringLiteral("file.") + QLatin1String(extension),
                                                        QMimeDatabase::MatchExtension);
        if (type.isValid() && !type.isDefault() && !types.contains(type.name()))
            types.append(type.name());
    }
    return types;
}

QString DesktopExecArgument(const QString &program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = program;
    argument.replace(u'%', QStringLiteral("%%"));
    const bool needsQuotes = std::any_of(argument.begin(), argument.end(),
                                         [](QChar c) { return reserved.contains(c); });
    if (needsQuotes) {
        QString quoted;
        for (QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        argument = u'"' + quoted + u'"';
    }
    // The value itself is a string of the format, where "\" starts an escape.
    argument.replace(u'\\', QStringLiteral("\\\\"));
    argument.replace(u'\n', QStringLiteral("\\n"));
    argument.replace(u'\t', QStringLiteral("\\t"));
    return argument;
}

QString DesktopEntryText(const QString &program, const QStringList &mimeTypes)
{
    const QString title = QStringLiteral("Tavorin");
    const QString caption = QStringLiteral("Edit with ") + title;
    const QString exec = QStringLiteral("Exec=") + DesktopExecArgument(program) + QStringLiteral(" %F\n");
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=") + title + QStringLiteral("\n"
                                  "GenericName=HTML Editor\n"
                                  "Comment=") + caption + u'\n'
                   + exec
                   + QStringLiteral("Icon=tavorin\n"
                                    "Terminal=false\n"
                                    "Categories=Development;WebDevelopment;\n");
    if (!mimeTypes.isEmpty())
        text += QStringLiteral("MimeType=") + mimeTypes.join(u';') + QStringLiteral(";\n");
    text += QStringLiteral("Actions=edit;\n\n"
                           "[Desktop Action edit]\n"
                           "Name=") + caption + u'\n' + exec;
    return text;
}

void SetExplorerIntegration(bool remove, const QString &program)
{
    const QString folder = UserApplicationsFolder();
    const QString entry = DesktopEntryPath();
    if (remove) {
        if (!QFile::remove(entry) && QFile::exists(entry))
            return;
    } else {
        if (!QDir().mkpath(folder))
            return;
        const QString text = DesktopEntryText(program.isEmpty() ? runningProgram() : program, HtmlMimeTypes());
        if (WriteWholeFile(entry, text.toUtf8(), CheckedFileWriter::Leftovers::RemoveStale) != 0)
            return;
    }
    refreshHandlerCache(folder);
}

} // namespace tavorin
