#pragma once

#include <QString>
#include <QStringList>

// What the selector assistant composes, collects and appends.
namespace SelectorComposer {

// "div p", "div*p", "div>p".
QString pair(const QString &first, const QString &second, const QString &joiner);

struct Advanced
{
    QString selector; // the composed text
    QString suffix; // the pseudo suffix after composing
    bool pseudoClassesEnabled; // offered for anchors only
    bool pseudoClassCleared; // the pseudo-class list went back to its empty item
};

// The element with ".name" or "#name" (nothing when the name is empty) and the
// suffix; for any element but "a" a pseudo-class suffix is dropped.
Advanced advanced(const QString &element, const QString &prefix, const QString &name, const QString &suffix,
                  const QStringList &pseudoClasses);

// Adds the text unless it is empty or already collected; true when added.
bool collect(QStringList &collected, const QString &text);

// The lines "Übernehmen" appends: four per selector, or four for all of them joined by ",".
QStringList linesToAppend(const QStringList &collected, bool grouped);

} // namespace SelectorComposer
