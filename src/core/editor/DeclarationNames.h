#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
    bool operator==(const Name &) const = default;
};

// The names in [from, to) of `text` that start a declaration ("name:" after "{", ";",
// "}" or the text's start, the declaration ending in ";" or "}" rather than "{", as a
// selector such as "a:hover {" does). Custom properties ("--x") and vendor names
// ("-webkit-x") are left out. The text starts outside comments and strings, or inside
// a comment when `inComment`; what follows `to` is read to find a declaration's end.
// `restart`, when given, gets the last place at or before `from` right after a "{", ";"
// or "}" outside comments and strings (0 when there is none): reading the text from
// there, outside comments, finds the same names.
QList<Name> find(QByteArrayView text, qsizetype from, qsizetype to, bool inComment = false,
                 qsizetype *restart = nullptr);

// Known property names, letter case ignored. The old hack "_name", which only one
// browser read, counts as "name".
class KnownNames
{
public:
    KnownNames() = default;
    explicit KnownNames(const QStringList &names);
    bool isEmpty() const { return m_lower.isEmpty(); }
    bool contains(QByteArrayView name) const;

private:
    QSet<QByteArray> m_lower; // UTF-8
};

// The names `find` gives that `known` does not hold; none while `known` is empty, as
// then nothing can be told apart.
QList<Name> unknown(QByteArrayView text, qsizetype from, qsizetype to, bool inComment, const KnownNames &known,
                    qsizetype *restart = nullptr);

} // namespace DeclarationNames
