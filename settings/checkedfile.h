#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

class QLockFile;
class QSaveFile;

namespace tavorin {

// The one way the program writes a file: documents, copies, wizard pages,
// the settings store, INI files and tool-bar layouts all come through here.
//
// The writer's contract:
//   - The new content goes to a temporary file in the target's folder; the
//     target is not touched until commit().
//   - Every write is checked for the whole count (a disk that fills up cuts
//     writes short), and so are the final flush and the sync to disk, where
//     a full disk shows on file systems that allocate late.
//   - Only when all of that succeeded is the temporary file renamed over the
//     target. After any failure the temporary file is removed and the old
//     file stays byte for byte as it was; nothing else is changed.
//   - commit() gives 0 or the operating system's error number (errno) of the
//     first failure; ENOSPC stands for a disk found full without a number.
//   - Temporary files that an interrupted earlier write of the same target
//     left behind (the target's name + "." + six letters or digits) are
//     removed as the caller asks: all of them when it holds the target's
//     lock, only stale ones otherwise, none for files in the user's own
//     folders, where such a name may well be a file of the user's.
class CheckedFileWriter
{
public:
    enum class Leftovers {
        Keep,        // the user's folders: never remove anything
        RemoveStale, // the program's folders, no lock: remove old leftovers
        RemoveAll,   // the caller holds the target's lock: no write of ours runs
    };

    explicit CheckedFileWriter(const QString &path, Leftovers leftovers = Leftovers::Keep);
    ~CheckedFileWriter(); // abandons a write that was not committed
    Q_DISABLE_COPY_MOVE(CheckedFileWriter)

    // Starts the write; false (with error()) when the temporary file cannot be made.
    bool open();
    // Appends bytes; false (with error()) once any write has failed.
    bool write(QByteArrayView bytes);
    // Flushes, syncs and renames over the target; 0 or the error number.
    int commit();
    // The error number of the first failure, 0 while none.
    int error() const { return m_error; }

private:
    void fail(int errorNumber);

    QString m_path;
    Leftovers m_leftovers = Leftovers::Keep;
    std::unique_ptr<QSaveFile> m_file;
    int m_error = 0;
};

// Writes bytes as the whole new content of path; 0 or the error number.
int WriteWholeFile(const QString &path, QByteArrayView bytes,
                   CheckedFileWriter::Leftovers leftovers = CheckedFileWriter::Leftovers::Keep);

// Removes the temporary files an interrupted write of path left behind; with
// onlyStale, only those older than any write of ours can run.
void RemoveLeftoverTemporaries(const QString &path, bool onlyStale);

// A whole file read with a size limit.
struct BoundedRead {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Missing;
    QByteArray bytes; // the content when Read
};

// Reads a regular file whole. Missing only when the file is really not there
// (the open is retried, so a file being replaced by another running copy is
// never taken for a missing one); Refused when it cannot be read, is not a
// regular file or is larger than limit. Only the file's own size is allocated.
BoundedRead ReadBoundedFile(const QString &path, qint64 limit);

// Takes the lock that guards a read-modify-write of a shared file. Another
// running copy that holds it is waited for, past the age at which a hung
// holder's lock is taken over; false only when that wait ends or the lock
// cannot be made at all.
bool TakeWriteLock(QLockFile &lock);

} // namespace tavorin
