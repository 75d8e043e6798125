#pragma once

#include <QString>

// The one alphabetical order of the program: German, letter case ignored, the same
// on every machine; names equal but for case are ordered by their exact text.
bool alphabeticallyLess(const QString &a, const QString &b);

class QCollatorSortKey;
// The key of the same order, for sorting many texts: compare keys first, then texts.
QCollatorSortKey alphabeticalSortKey(const QString &text);
