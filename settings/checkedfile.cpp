#include "settings/checkedfile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <unistd.h>

namespace tavorin {

namespace {

// A lock older than this belongs to a copy that hangs and is taken over; a
// lock of a copy that died is taken over at once (its process is gone).
constexpr int StaleLockMs = 10000;
// How much longer than that a writer waits for a busy copy before it gives up.
constexpr int LockGraceMs = 5000;
// A leftover temporary file this old belongs to no running write.
constexpr qint64 StaleLeftoverSecs = 60;
// How often a missing file is looked for again before it counts as missing.
constexpr int MissingRetries = 3;

// The error number of the last failure, or the fallback when the system
// gave none.
int lastError(int fallback)
{
    return errno != 0 ? errno : fallback;
}

} // namespace

CheckedFileWriter::CheckedFileWriter(const QString &path, Leftovers leftovers)
    : m_path(path)
    , m_leftovers(leftovers)
{
}

CheckedFileWriter::~CheckedFileWriter()
{
    if (m_file && m_file->isOpen())
        m_file->cancelWriting();
}

void CheckedFileWriter::fail(int errorNumber)
{
    if (m_error == 0)
        m_error = errorNumber != 0 ? errorNumber : EIO;
    if (m_file && m_file->isOpen())
        m_file->cancelWriting();
}

bool CheckedFileWriter::open()
{
    if (m_leftovers != Leftovers::Keep)
        RemoveLeftoverTemporaries(m_path, m_leftovers == Leftovers::RemoveStale);
    m_file = std::make_unique<QSaveFile>(m_path);
    errno = 0;
    // Unbuffered, so a write that does not fit fails at once with the
    // system's reason instead of later inside a flush nobody checks.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(lastError(EACCES));
        return false;
    }
    return true;
}

bool CheckedFileWriter::write(QByteArrayView bytes)
{
    if (m_error != 0 || !m_file || !m_file->isOpen()) {
        fail(EBADF);
        return false;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 written = m_file->write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            // A write cut short is retried once for the rest; when nothing
            // more goes, the disk is full even if the system named no reason.
            fail(lastError(ENOSPC));
            return false;
        }
        done += written;
    }
    return true;
}

int CheckedFileWriter::commit()
{
    if (m_error != 0 || !m_file || !m_file->isOpen()) {
        fail(EBADF);
        return m_error;
    }
    errno = 0;
    if (!m_file->flush()) {
        fail(lastError(ENOSPC));
        return m_error;
    }
    // File systems that allocate late report a full disk only here. A file
    // system that cannot sync (EINVAL, EROFS on a special file) is no failure.
    const int handle = m_file->handle();
    if (handle >= 0 && ::fdatasync(handle) != 0 && errno != EINVAL && errno != EROFS) {
        fail(errno);
        return m_error;
    }
    errno = 0;
    if (!m_file->commit()) {
        m_error = lastError(EIO);
        return m_error;
    }
    return 0;
}

int WriteWholeFile(const QString &path, QByteArrayView bytes, CheckedFileWriter::Leftovers leftovers)
{
    CheckedFileWriter writer(path, leftovers);
    if (!writer.open() || !writer.write(bytes))
        return writer.error();
    return writer.commit();
}

void RemoveLeftoverTemporaries(const QString &path, bool onlyStale)
{
    const QFileInfo target(path);
    QDir folder = target.absoluteDir();
    const QString pattern = QRegularExpression::escape(target.fileName())
                            + QStringLiteral("\\.[A-Za-z0-9]{6}");
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(pattern));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-StaleLeftoverSecs);
    for (const QString &name : names) {
        if (!leftover.match(name).hasMatch())
            continue;
        if (onlyStale && QFileInfo(folder, name).lastModified().toUTC() > staleBefore)
            continue;
        folder.remove(name);
    }
}

BoundedRead ReadBoundedFile(const QString &path, qint64 limit)
{
    BoundedRead result;
    QFile file(path);
    for (int attempt = 0;; ++attempt) {
        errno = 0;
        if (file.open(QIODevice::ReadOnly))
            break;
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR) {
            result.status = BoundedRead::Status::Refused;
            return result;
        }
        // Opening a path that a rename replaces at that moment still finds
        // one of the two files; a miss is looked at again all the same, so
        // a value of another running copy is never taken for a missing one.
        if (attempt == MissingRetries)
            return result;
        QThread::yieldCurrentThread();
    }
    const QFileInfo info(file);
    if (!info.isFile() || file.size() > limit) {
        result.status = BoundedRead::Status::Refused;
        return result;
    }
    result.bytes = file.read(file.size());
    // A file that grew past the limit meanwhile, or a read error.
    if (file.error() != QFileDevice::NoError || (!file.atEnd() && file.read(1).size() > 0)) {
        result.status = BoundedRead::Status::Refused;
        result.bytes.clear();
        return result;
    }
    result.status = BoundedRead::Status::Read;
    return result;
}

bool TakeWriteLock(QLockFile &lock)
{
    lock.setStaleLockTime(StaleLockMs);
    const QDeadlineTimer deadline(StaleLockMs + LockGraceMs);
    for (;;) {
        // Short, uneven polls: a copy that takes the lock again and again
        // cannot starve this one, as a growing wait would let it.
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(1 + QRandomGenerator::global()->bounded(10));
    }
}

} // namespace tavorin
