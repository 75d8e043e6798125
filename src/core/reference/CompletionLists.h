#pragma once

#include "DataFile.h"

#include <QString>
#include <QStringList>

// The words completion offers, from the reference panels' own data, so that the
// panels and the completion never disagree.
namespace CompletionLists {

// The property names of a definition's property tree: the rows under its group
// headings, in the tree's order, each name once.
QStringList propertyNames(const QList<TreeNode> &tree);

// The values of a property as its value source in the panels gives them (its own
// value file, the shared file of its class, or the colour list): the rows that have
// no rows under them, but "mixed"; then "inherit", "initial", "unset" and "revert".
// Nothing but those four when the source has no values. Throws the open error of a
// shared file, as the panel reports it.
QStringList valuesOf(const QString &property, const QString &infDir, bool definitionColour);

// The words holding `typed` (letter case ignored), best first: those that start with
// it, then those where a part after "-" starts with it, then the rest; in each, in
// alphabetical order. All words, in their order, when nothing is typed.
QStringList matching(const QStringList &words, const QString &typed);

} // namespace CompletionLists
