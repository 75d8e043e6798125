#pragma once

#include "css/CssBlocks.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

// The property names that start declarations, for marking the ones nobody knows.
// Works on the control's UTF-8 text.
namespace DeclarationNames {

struct Name
{
    qsizetype start = 0;
    qsizetype length = 0;
    // In the block of @font-face, @page and their kind: the at-rule (lower case,
    // without "@") whose descriptor the name is; empty for a property.
    QByteArray atRule;
    bool operator==(const Name &) const = default;
};

// The names in [from, to) of `text` that start a declaration: "name:" first in an item
// of a rule's block (or a descriptor block), the item ending in ";" or "}" rather than
// "{", as a nested selector such as "a:hover {" does. Custom properties ("--x") and
// vendor names ("-webkit-x") are left out. The text starts at a place between the
// items of a sheet, inside `blocks`; what follows `to` is read to find a declaration's
// end.
QList<Name> find(QByteArrayView text, qsizetype from, qsizetype to, const Css::Blocks &blocks = {});

// Known property names, and the descriptors of the at-rules that have them, letter
// case ignored. The old hack "_name", which only one browser read, counts as "name".
class KnownNames
{
public:
    KnownNames() = default;
    // `descriptors`: the names each at-rule (without "@") knows in its block.
    explicit KnownNames(const QStringList &properties, const QHash<QString, QStringList> &descriptors = {});
    bool isEmpty() const { return m_lower.isEmpty(); }
    // A property, or in an at-rule's block its descriptor; @page takes both. In the
    // block of an at-rule nobody knows, every name counts as known.
    bool contains(QByteArrayView name, QByteArrayView atRule = {}) const;

private:
    QSet<QByteArray> m_lower; // UTF-8
    QHash<QByteArray, QSet<QByteArray>> m_descriptors;
};

// The names `find` gives that `known` does not hold; none while `known` is empty, as
// then nothing can be told apart.
QList<Name> unknown(QByteArrayView text, qsizetype from, qsizetype to, const Css::Blocks &blocks,
                    const KnownNames &known);

} // namespace DeclarationNames
