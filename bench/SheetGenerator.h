#pragma once

// Realistic generated style sheets: about 20 bytes of selector and 30 of
// declarations per rule, some comments, some repeats, some @media blocks.

#include <QRandomGenerator>
#include <QString>

inline QString generatedSheet(qsizetype bytes, quint32 seed = 7)
{
    QRandomGenerator random(seed);
    static const char *const elements[]
        = {"div", "p", "a", "li", "ul", "h1", "h2", "span", "table", "td", "img", "nav"};
    static const char *const properties[] = {"color", "margin", "padding", "border", "font-size", "display"};
    static const char *const values[] = {"#336699", "0 auto", "1px solid #ccc", "12px", "block", "none"};
    auto pick = [&](const auto &list) { return QString::fromLatin1(list[random.bounded(int(std::size(list)))]); };

    QString sheet;
    sheet.reserve(bytes + 200);
    int rule = 0;
    bool inMedia = false;
    while (sheet.size() < bytes) {
        ++rule;
        if (rule % 97 == 0)
            sheet += QStringLiteral("/* Abschnitt %1: Navigation und Kopf */\n").arg(rule);
        if (rule % 211 == 0) {
            sheet += inMedia ? QStringLiteral("}\n") : QStringLiteral("@media print {\n");
            inMedia = !inMedia;
        }
        QString selector;
        switch (random.bounded(4)) {
        case 0:
            selector = pick(elements) + QStringLiteral(" .c%1").arg(random.bounded(rule + 1));
            break;
        case 1:
            selector = QStringLiteral("#id%1 ").arg(rule) + pick(elements);
            break;
        case 2:
            selector = pick(elements) + QStringLiteral(".k%1:hover").arg(rule);
            break;
        default:
            selector = pick(elements) + QLatin1Char(' ') + pick(elements) + QStringLiteral(".x%1").arg(rule);
            break;
        }
        sheet += selector + QStringLiteral(" {\n");
        sheet
            += QStringLiteral("    ") + pick(properties) + QStringLiteral(": ") + pick(values) + QStringLiteral(";\n");
        sheet += QStringLiteral("}\n");
    }
    if (inMedia)
        sheet += QStringLiteral("}\n");
    return sheet;
}

// The same sheet minified onto one line.
inline QString minifiedSheet(qsizetype bytes)
{
    QString sheet = generatedSheet(bytes, 11);
    sheet.replace(QStringLiteral("\n    "), QString());
    sheet.replace(QLatin1Char('\n'), QString());
    sheet.replace(QStringLiteral(" {"), QStringLiteral("{"));
    return sheet;
}
