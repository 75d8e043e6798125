#pragma once

#include <QString>

// The texts the reference panels write at the caret.
namespace Insertion {

QString selectorText(const QString &element); // "p {"
QString declarationText(const QString &property, const QString &value); // "color: red;"
QString urlDeclarationText(const QString &property, const QString &path); // "cursor:url(bg.gif);"

} // namespace Insertion
