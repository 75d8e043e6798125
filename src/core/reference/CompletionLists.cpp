#include "CompletionLists.h"

#include "Catalogue.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace CompletionLists {
namespace {

void appendLeaves(const QList<TreeNode> &nodes, QStringList &out)
{
    for (const TreeNode &n : nodes) {
        if (!n.children.isEmpty())
            appendLeaves(n.children, out);
        else if (n.text.trimmed() != QLatin1String("mixed") && !n.text.trimmed().isEmpty())
            out << n.text.trimmed();
    }
}

} // namespace

QStringList propertyNames(const QList<TreeNode> &tree)
{
    QStringList names;
    QSet<QString> seen;
    for (const TreeNode &group : tree) {
        for (const TreeNode &property : group.children) {
            const QString name = Catalogue::urlPropertyName(property.text.trimmed());
            if (!name.isEmpty() && !seen.contains(name)) {
                seen.insert(name);
                names << name;
            }
        }
    }
    return names;
}

QStringList valuesOf(const QString &property, const QString &infDir, bool definitionColour)
{
    QStringList values;
    // The picture properties are known by their name with ":url()".
    const QString pictureName = property + QStringLiteral(":url()");
    const bool picture = Catalogue::valueSourceOf(pictureName).kind == Catalogue::SourceKind::SharedFile;
    const Catalogue::ValueSource source
        = Catalogue::valueSourceIn(picture ? pictureName : property, infDir, definitionColour);
    switch (source.kind) {
    case Catalogue::SourceKind::GroupHeading:
        break;
    case Catalogue::SourceKind::Colours:
        for (const QString &row : Catalogue::colourRows())
            values << row.trimmed();
        break;
    case Catalogue::SourceKind::OwnFile:
        if (!QFile::exists(infDir + source.fileName))
            break;
        [[fallthrough]];
    case Catalogue::SourceKind::SharedFile: {
        QList<TreeNode> rows;
        TreeText::read(infDir + source.fileName, rows);
        appendLeaves(rows, values);
        break;
    }
    }
    for (const char *keyword : {"inherit", "initial", "unset", "revert"})
        if (!values.contains(QLatin1String(keyword)))
            values << QLatin1String(keyword);
    values.removeDuplicates();
    return values;
}

QStringList matching(const QStringList &words, const QString &typed)
{
    if (typed.isEmpty())
        return words;
    struct Match
    {
        int rank;
        QString word;
    };
    QList<Match> matches;
    for (const QString &word : words) {
        const qsizetype at = word.indexOf(typed, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        int rank = 2;
        if (word.startsWith(typed, Qt::CaseInsensitive))
            rank = 0;
        else if (word.contains(QLatin1Char('-') + typed, Qt::CaseInsensitive))
            rank = 1;
        matches.append({rank, word});
    }
    std::stable_sort(matches.begin(), matches.end(), [](const Match &a, const Match &b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        return a.word.compare(b.word, Qt::CaseInsensitive) < 0;
    });
    QStringList out;
    for (const Match &m : matches)
        out << m.word;
    return out;
}

} // namespace CompletionLists
