#pragma once

#include "DataFile.h"

#include <QSet>
#include <QString>
#include <QStringList>

// A style definition file: a "[groups]" list, a "[properties]" list, and one INI
// section per property naming its group; "values=colours" in a section makes the
// property a colour property.
namespace StyleDefinition {

// The properties a definition marks as colour properties; names match as its
// sections do, without regard to letter case or surrounding blanks.
class ColourProperties
{
public:
    void insert(const QString &name) { m_folded.insert(name.trimmed().toCaseFolded()); }
    bool contains(const QString &property) const { return m_folded.contains(property.trimmed().toCaseFolded()); }

private:
    QSet<QString> m_folded;
};

struct Definition
{
    QList<TreeNode> tree;
    ColourProperties colourProperties;
};

// The lines after the first line equal to `header` (letter case ignored, the whole
// line) up to the first empty line or the end of the file.
QStringList listSection(const QStringList &lines, const QString &header);

// The property tree: every group in list order with its properties in the order of
// the properties list; a property whose group names no group is left out.
QList<TreeNode> propertyTree(const QStringList &lines);

// Reads `path` and builds its property tree; throws the open error.
QList<TreeNode> read(const QString &path);

// The property tree and the colour properties of the definition at `path`; throws the open error.
Definition readDefinition(const QString &path);

} // namespace StyleDefinition
