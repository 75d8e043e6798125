#include "DocumentFile.h"

#include "app/AppError.h"
#include "app/WholeFile.h"

#include <QFile>

namespace DocumentFile {

TextFileFormat::Decoded read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError::cannotOpen(path);
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
