#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The reference data files: plain line lists and the tree text format. Every use
// reads the file again; nothing is cached.
namespace DataFile {

// Lines end at CR LF, CR or LF; a NUL ends the text; a line end at the very end
// makes no extra line. UTF-8 when valid, else Windows-1252. Throws
// "Datei %s kann nicht geöffnet werden".
QStringList readLines(const QString &path);
QStringList splitLines(const QByteArray &bytes);

// Every line, the last one included, followed by CR LF. Throws
// "Datei %s kann nicht erstellt werden".
void writeLines(const QString &path, const QStringList &lines);

} // namespace DataFile

// One node of a tree text file.
struct TreeNode
{
    QString text;
    QList<TreeNode> children;
    bool operator==(const TreeNode &) const = default;
};

namespace TreeText {

// Builds the tree: a line's leading tabs and blanks give its depth. A line more than
// one level deeper than the one before throws the level error; the nodes read before
// it are in `roots` then.
void parse(const QStringList &lines, QList<TreeNode> &roots);
// Reads a file; throws the open error or the level error.
void read(const QString &path, QList<TreeNode> &roots);

} // namespace TreeText
