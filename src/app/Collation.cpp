#include "Collation.h"

#include <QCollator>

bool alphabeticallyLess(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int order = collator.compare(a, b);
    if (order != 0)
        return order < 0;
    return a < b;
}
