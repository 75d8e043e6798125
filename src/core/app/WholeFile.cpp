#include "WholeFile.h"

#include <QStringDecoder>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Written with the system's calls rather than QFile and QSaveFile: they cannot tell a
// FIFO from a file before opening it, do not keep a replaced file's owner, and know
// file names only as valid Unicode.

namespace {

// A byte 0x80 to 0xFF that is not valid UTF-8 becomes the lone low surrogate
// U+DC80 to U+DCFF, which no valid name holds.
constexpr char16_t kEscapeBase = 0xDC00;

// A descriptor closed at the end of its scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now and tells whether the close succeeded (a late write error shows here).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

ReadResult readWholeFile(const QString &path, QByteArray &bytes, qint64 limit)
{
    const QByteArray name = localFileName(path);
    // Not blocking: a FIFO would wait for a writer in open().
    Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return ReadResult::CannotOpen;
    struct stat info;
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return ReadResult::CannotOpen;
    if (info.st_size > limit)
        return ReadResult::TooLarge;
    QByteArray content;
    content.reserve(qsizetype(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return ReadResult::CannotOpen;
        }
        if (content.size() + got > limit) // it grew while being read
            return ReadResult::TooLarge;
        content.append(buffer, got);
    }
    bytes = std::move(content);
    return ReadResult::Read;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QByteArray target = localFileName(path);
    struct stat link;
    if (::lstat(target.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target.constData(), resolved))
            target = resolved;
    }
    struct stat old;
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return false; // never a folder or a device

    QByteArray temporary = target + ".XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0)
        return false;
    const auto abandon = [&] {
        ::unlink(temporary.constData());
        return false;
    };
    if (!writeAll(file.get(), bytes.constData(), bytes.size()))
        return abandon();
    if (replacing) {
        ::fchmod(file.get(), old.st_mode & 07777);
        // Keeps the owner where the process may (as root, or a group of the user's
        // own); otherwise the file becomes the writer's, as any new file does.
        if (::fchown(file.get(), old.st_uid, old.st_gid) != 0)
            (void)::fchown(file.get(), uid_t(-1), old.st_gid);
    } else {
        ::fchmod(file.get(), 0666 & ~currentUmask());
    }
    if (::fsync(file.get()) != 0 || !file.close())
        return abandon();
    if (::rename(temporary.constData(), target.constData()) != 0)
        return abandon();
    return true;
}

QString fileNameFromLocal(const QByteArray &name)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = utf8.decode(name);
    if (!utf8.hasError())
        return decoded;
    // Byte by byte: the longest valid UTF-8 sequence at each place, or one escaped byte.
    QString result;
    qsizetype i = 0;
    while (i < name.size()) {
        const auto lead = uchar(name[i]);
        const int length = lead < 0x80 ? 1
            : (lead >> 5) == 0x6       ? 2
            : (lead >> 4) == 0xE       ? 3
            : (lead >> 3) == 0x1E      ? 4
                                       : 0;
        if (length > 0 && i + length <= name.size()) {
            QStringDecoder one(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString c = one.decode(QByteArrayView(name).sliced(i, length));
            if (!one.hasError() && !c.isEmpty() && !(c.size() == 1 && c[0].isSurrogate())) {
                result += c;
                i += length;
                continue;
            }
        }
        result += QChar(char16_t(kEscapeBase + lead));
        ++i;
    }
    return result;
}

QByteArray localFileName(const QString &name)
{
    QByteArray result;
    result.reserve(name.size());
    const qsizetype n = name.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = name[i].unicode();
        const bool escapedByte
            = c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && !(i > 0 && name[i - 1].isHighSurrogate());
        if (!escapedByte)
            continue;
        result += QStringView(name).sliced(start, i - start).toUtf8();
        result += char(c - kEscapeBase);
        start = i + 1;
    }
    result += QStringView(name).sliced(start).toUtf8();
    return result;
}

FileStamp fileStamp(const QString &path)
{
    struct stat info;
    if (::stat(localFileName(path).constData(), &info) != 0)
        return {};
    return {true, qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            quint64(info.st_dev), quint64(info.st_ino)};
}
