#pragma once

// A private settings root for one test: $XDG_CONFIG_HOME and $XDG_DATA_HOME
// point into a fresh temporary folder while the object lives, so tests never
// read or touch the user's own settings.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tavorin::testing {

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    Q_DISABLE_COPY_MOVE(TestEnvironment)

    // The temporary folder, without a trailing separator.
    QString root() const { return m_dir.path(); }
    QString configHome() const;
    // Writes a file (creating folders) below root(); returns its full path.
    QString writeFile(const QString &relativePath, const QByteArray &content) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
    bool m_hadConfig = false;
    bool m_hadData = false;
};

// The bytes of a file, or "<unreadable>" when it cannot be read.
QByteArray ReadBytes(const QString &path);
// The text of a UTF-8 file, or an empty text when it cannot be read.
QString ReadText(const QString &path);

} // namespace tavorin::testing
