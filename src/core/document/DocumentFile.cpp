#include "DocumentFile.h"

#include "app/AppError.h"
#include "app/WholeFile.h"

namespace DocumentFile {

namespace {

QByteArray readBytes(const QString &path)
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
    return bytes;
}

} // namespace

TextFileFormat::Decoded read(const QString &path)
{
    return TextFileFormat::decode(readBytes(path));
}

TextFileFormat::DecodedText readText(const QString &path)
{
    return TextFileFormat::decodeText(readBytes(path));
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
