#include "FontList.h"

#include "AppError.h"
#include "Collation.h"
#include "document/TextFileFormat.h"

#include "WholeFile.h"

#include <QRegularExpression>

#include <algorithm>

namespace FontList {

QStringList lines(const QStringList &installedFamilies)
{
    // Where several foundries ship a family, the font database tags each name with
    // its foundry ("C059 [urw]"); a style sheet names the family alone.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList names;
    names.reserve(installedFamilies.size() + 1);
    for (const QString &family : installedFamilies)
        names << QString(family).remove(foundry);
    names << QStringLiteral("Default");
    std::sort(names.begin(), names.end(), alphabeticallyLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void write(const QString &path, const QStringList &installedFamilies)
{
    QByteArray bytes;
    if (!TextFileFormat::encode(lines(installedFamilies), TextFileFormat::LineEnd::CrLf, TextFileFormat::Encoding::Utf8,
                                bytes)
        || !writeWholeFile(path, bytes))
        throw AppError::cannotCreate(path);
}

} // namespace FontList
