#pragma once

#include <QByteArray>
#include <QString>

// The largest file read whole: far above any style sheet, far below what would
// exhaust the memory.
inline constexpr qint64 kMaxFileSize = qint64(256) << 20;

enum class ReadResult { Read, CannotOpen, TooLarge };

// Reads a regular file whole. Anything else (a FIFO, a device, a folder) is not even
// opened, so that nothing blocks or pours out bytes without end; a file over `limit`
// bytes is refused before it is read.
ReadResult readWholeFile(const QString &path, QByteArray &bytes, qint64 limit = kMaxFileSize);

// Replaces a file with `bytes` through a temporary file beside it. The old file is
// replaced only when every byte was written; false leaves it as it was. The new file
// keeps the old one's permissions and, where the process may set them, its owner and
// group; through a symbolic link the file it names is replaced.
bool writeWholeFile(const QString &path, const QByteArray &bytes);

// File names as the system spells them. A name is UTF-8; a byte of it that is not
// valid UTF-8 stands for itself as U+DC00 + byte, so that every name the system gives
// (on the command line, say) opens and saves again under the same bytes.
QString fileNameFromLocal(const QByteArray &name);
QByteArray localFileName(const QString &name);

// What tells one state of a file on disk from another: a write by any program, or a
// new file moved into its place, changes it.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp &) const = default;
};

FileStamp fileStamp(const QString &path);
