#pragma once

#include <QString>
#include <QStringList>

// The first rule written for each selector, spaces removed, up to and including its
// closing brace ("div p { color: red }" and "div p" give "divp{color:red}"); a
// selector that has no rule takes the text from the start. Linear in the sheet: each
// key (a selector without spaces, followed by "{") is found by walking back from
// every "{" no further than the previous "{", since a key holds no other "{".
class RuleExtractor
{
public:
    explicit RuleExtractor(const QString &flatText);

    // The rule text for every selector.
    QStringList extract(const QStringList &selectors) const;

private:
    QString m_compact;
};
