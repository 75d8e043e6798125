#include "DataFile.h"

#include "app/AppError.h"
#include "app/WholeFile.h"
#include "document/TextFileFormat.h"

namespace DataFile {

QStringList splitLines(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray text = nul < 0 ? bytes : bytes.left(nul);
    return TextFileFormat::decode(text).lines;
}

QStringList readLines(const QString &path)
{
    QByteArray bytes;
    if (readWholeFile(path, bytes) != ReadResult::Read)
        throw AppError::cannotOpen(path);
    return splitLines(bytes);
}

void writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    if (!TextFileFormat::encode(lines, TextFileFormat::LineEnd::CrLf, TextFileFormat::Encoding::Utf8, bytes)
        || !writeWholeFile(path, bytes))
        throw AppError::cannotCreate(path);
}

} // namespace DataFile

namespace TreeText {

void parse(const QStringList &lines, QList<TreeNode> &roots)
{
    roots.clear();
    // The path from a root to the node added last.
    QList<TreeNode *> path;
    for (const QString &line : lines) {
        qsizetype depth = 0;
        while (depth < line.size() && (line[depth] == QLatin1Char('\t') || line[depth] == QLatin1Char(' ')))
            ++depth;
        const QString text = line.mid(depth);
        const qsizetype level = path.size() - 1;
        if (path.isEmpty() || depth == 0) {
            roots.append({text, {}});
            path = {&roots.last()};
            continue;
        }
        if (depth > level + 1)
            throw AppError(QStringLiteral("Ungültige Ebene (%1) für Eintrag \"%2\"").arg(depth).arg(text));
        // depth <= level + 1: the new node is the last child of the node at depth - 1.
        path.resize(depth);
        TreeNode *parent = path.last();
        parent->children.append({text, {}});
        path.append(&parent->children.last());
    }
}

void read(const QString &path, QList<TreeNode> &roots)
{
    parse(DataFile::readLines(path), roots);
}

} // namespace TreeText
