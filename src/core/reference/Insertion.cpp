#include "Insertion.h"

#include "Catalogue.h"

#include <QFileInfo>

namespace Insertion {

QString selectorText(const QString &element)
{
    return element + QStringLiteral(" {");
}

QString declarationText(const QString &property, const QString &value)
{
    return property + QStringLiteral(": ") + value + QLatin1Char(';');
}

QString urlDeclarationText(const QString &property, const QString &path)
{
    // The picture properties already end with ":url()": they are written once.
    return Catalogue::urlPropertyName(property) + QStringLiteral(":url(") + QFileInfo(path).fileName()
        + QStringLiteral(");");
}

} // namespace Insertion
