#pragma once

#include <QString>
#include <QStringList>

// ExtractRule for many selectors of one sheet at once, in time linear in the sheet:
// each key (a selector without spaces, followed by "{") is found by walking back
// from every "{" no further than the previous "{", since a key holds no other "{".
class RuleExtractor
{
public:
    explicit RuleExtractor(const QString &flatText);

    // The rule text for every selector, as ExtractRule gives it.
    QStringList extract(const QStringList &selectors) const;

private:
    QString m_compact;
};
