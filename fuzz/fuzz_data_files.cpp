// The reference data readers on any bytes: the line lists, the tree text with its
// level rule, the style definitions and the value dispatch. Nothing may crash; a tree
// holds every line read before an error.

#include "FuzzInput.h"
#include "app/AppError.h"
#include "reference/Catalogue.h"
#include "reference/DataFile.h"
#include "reference/StyleDefinition.h"

namespace {

qsizetype nodeCount(const QList<TreeNode> &nodes)
{
    qsizetype n = 0;
    for (const TreeNode &node : nodes)
        n += 1 + nodeCount(node.children);
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = DataFile::splitLines(bytes);
    QList<TreeNode> roots;
    qsizetype read = lines.size();
    try {
        TreeText::parse(lines, roots);
    } catch (const AppError &error) {
        FUZZ_CHECK(error.text().startsWith(QString::fromUtf8("Ungültige Ebene (")), error.text());
        read = -1;
    }
    if (read >= 0)
        FUZZ_CHECK(nodeCount(roots) == read, QStringLiteral("%1 nodes of %2 lines").arg(nodeCount(roots)).arg(read));
    const QList<TreeNode> tree = StyleDefinition::propertyTree(lines);
    for (const TreeNode &group : tree) {
        for (const TreeNode &property : group.children)
            Catalogue::valueSourceOf(property.text);
    }
    for (const QString &line : lines)
        Catalogue::valueSourceOf(line);
    return 0;
}
