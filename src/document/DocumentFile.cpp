#include "DocumentFile.h"

#include "app/AppError.h"

#include <QFile>
#include "app/WholeFile.h"

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

void write(const QString &path, const QStringList &lines, TextFileFormat::LineEnd lineEnd,
           TextFileFormat::Encoding &encoding)
{
    using TextFileFormat::Encoding;
    QByteArray bytes;
    Encoding used = encoding;
    if (!TextFileFormat::encode(lines, lineEnd, used, bytes)) {
        used = Encoding::Utf8;
        TextFileFormat::encode(lines, lineEnd, used, bytes);
    }
    if (!writeWholeFile(path, bytes))
        throw AppError::cannotCreate(path);
    encoding = used;
}

} // namespace DocumentFile
