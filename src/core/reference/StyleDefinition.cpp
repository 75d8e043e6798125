#include "StyleDefinition.h"

#include <QHash>

namespace StyleDefinition {

QStringList listSection(const QStringList &lines, const QString &header)
{
    QStringList list;
    qsizetype i = 0;
    while (i < lines.size() && lines[i].compare(header, Qt::CaseInsensitive) != 0)
        ++i;
    // A file without the header has no such list.
    for (++i; i < lines.size() && !lines[i].isEmpty(); ++i)
        list << lines[i];
    return list;
}

namespace {

// The value of `key` in every section, first occurrence winning, by folded name.
QHash<QString, QString> valuesBySection(const QStringList &lines, QLatin1String key)
{
    QHash<QString, QString> groups;
    QString section;
    bool inSection = false;
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.indexOf(QLatin1Char(']')) > 0) {
            section = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed().toCaseFolded();
            inSection = true;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        if (!groups.contains(section))
            groups.insert(section, line.mid(eq + 1).trimmed());
    }
    return groups;
}

} // namespace

QList<TreeNode> propertyTree(const QStringList &lines)
{
    const QStringList groups = listSection(lines, QStringLiteral("[groups]"));
    const QStringList properties = listSection(lines, QStringLiteral("[properties]"));
    const QHash<QString, QString> groupOfSection = valuesBySection(lines, QLatin1String("group"));
    QList<TreeNode> tree;
    for (const QString &group : groups)
        tree.append({group, {}});
    // For every group node, its properties join the first node of that name, so a
    // group listed twice gives its properties twice to the first node.
    QHash<QString, qsizetype> firstGroup;
    for (qsizetype i = tree.size() - 1; i >= 0; --i)
        firstGroup[tree[i].text] = i;
    for (const QString &group : groups) {
        for (const QString &property : properties) {
            if (groupOfSection.value(property.trimmed().toCaseFolded()) == group)
                tree[firstGroup.value(group)].children.append({property, {}});
        }
    }
    return tree;
}

QList<TreeNode> read(const QString &path)
{
    return propertyTree(DataFile::readLines(path));
}

Definition readDefinition(const QString &path)
{
    const QStringList lines = DataFile::readLines(path);
    Definition definition{propertyTree(lines), {}};
    const QHash<QString, QString> values = valuesBySection(lines, QLatin1String("values"));
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (it.value().compare(QLatin1String("colours"), Qt::CaseInsensitive) == 0)
            definition.colourProperties.insert(it.key());
    }
    return definition;
}

} // namespace StyleDefinition
