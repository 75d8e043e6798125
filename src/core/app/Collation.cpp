#include "Collation.h"

#include <QCollator>

namespace {

const QCollator &collator()
{
    static const QCollator instance = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return instance;
}

} // namespace

QCollatorSortKey alphabeticalSortKey(const QString &text)
{
    return collator().sortKey(text);
}

bool alphabeticallyLess(const QString &a, const QString &b)
{
    const int order = collator().compare(a, b);
    if (order != 0)
        return order < 0;
    return a < b;
}
