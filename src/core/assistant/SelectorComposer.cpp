#include "SelectorComposer.h"

namespace SelectorComposer {

QString pair(const QString &first, const QString &second, const QString &joiner)
{
    return first + joiner + second;
}

Advanced advanced(const QString &element, const QString &prefix, const QString &name, const QString &suffix,
                  const QStringList &pseudoClasses)
{
    const QString classOrId = name.isEmpty() ? QString() : prefix + name;
    if (element == QLatin1String("a"))
        return {element + classOrId + suffix, suffix, true, false};
    QString kept = suffix;
    for (const QString &pseudoClass : pseudoClasses) {
        if (kept.compare(pseudoClass, Qt::CaseInsensitive) == 0) {
            kept.clear();
            break;
        }
    }
    return {element + classOrId + kept, kept, false, true};
}

bool collect(QStringList &collected, const QString &text)
{
    if (text.isEmpty() || collected.contains(text))
        return false;
    collected << text;
    return true;
}

QStringList linesToAppend(const QStringList &collected, bool grouped)
{
    auto rule = [](const QString &selector) {
        return QStringList{selector + QStringLiteral(" {"), QString(), QStringLiteral(" }"), QString()};
    };
    if (grouped)
        return collected.isEmpty() ? QStringList() : rule(collected.join(QLatin1Char(',')));
    QStringList lines;
    for (const QString &selector : collected)
        lines << rule(selector);
    return lines;
}

} // namespace SelectorComposer
