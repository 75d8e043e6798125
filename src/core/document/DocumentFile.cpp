#include "DocumentFile.h"

#include "app/AppError.h"
#include "app/WholeFile.h"

namespace DocumentFile {

TextFileFormat::Decoded read(const QString &path)
{
    QByteArray bytes;
    switch (readWholeFile(path, bytes)) {
    case ReadResult::Read:
        break;
    case ReadResult::CannotOpen:
        throw AppError::cannotOpen(path);
    case ReadResult::TooLarge:
        throw AppError::tooLarge(path);
    }
    return TextFileFormat::decode(bytes);
}

bool write(const QString &path, const QStringList &lines, const TextFileFormat::Format &format)
{
    QByteArray bytes;
    if (!TextFileFormat::encode(lines, format, bytes))
        return false;
    if (!writeWholeFile(path, bytes))
        throw AppError::cannotCreate(path);
    return true;
}

} // namespace DocumentFile
