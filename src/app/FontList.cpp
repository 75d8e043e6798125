#include "FontList.h"

#include "AppError.h"
#include "Collation.h"
#include "document/TextFileFormat.h"

#include "WholeFile.h"

#include <algorithm>

namespace FontList {

QStringList lines(const QStringList &installedFamilies)
{
    QStringList names = installedFamilies;
    names << QStringLiteral("Default");
    std::sort(names.begin(), names.end(), alphabeticallyLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void write(const QString &path, const QStringList &installedFamilies)
{
    QByteArray bytes;
    TextFileFormat::encode(lines(installedFamilies), TextFileFormat::LineEnd::CrLf, TextFileFormat::Encoding::Utf8,
                           bytes);
    if (!writeWholeFile(path, bytes))
        throw AppError::cannotCreate(path);
}

} // namespace FontList
