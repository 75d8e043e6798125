#include "DeclarationNames.h"

namespace DeclarationNames {

using Css::TokenKind;

QList<Name> find(QByteArrayView text, qsizetype from, qsizetype to, const Css::Blocks &blocks)
{
    QList<Name> names;
    to = std::min(to, text.size());
    Css::BlockReader reader(text, 0, blocks);
    // A name and its colon wait until their item ends: a ";" or "}" makes it a
    // declaration, a "{" a nested rule's selector.
    std::optional<Name> pending;
    for (Css::Token t = reader.next(); t.kind != TokenKind::End; t = reader.next()) {
        // Past the range only a name that starts in it is read on, to its colon and its end.
        const Css::Token first = reader.itemFirst();
        const bool beforeItsColon = reader.itemColon() < 0 || reader.itemColon() == t.start;
        if (t.start >= to && !pending
            && !(first.kind == TokenKind::Ident && first.start >= from && first.start < to && beforeItsColon))
            break;
        if (reader.opened()) {
            pending.reset();
        } else if (reader.ended() || reader.closed()) {
            if (pending)
                names.append(*pending);
            pending.reset();
        } else if (t.kind == TokenKind::Colon && t.start == reader.itemColon() && !pending) {
            const Css::Token name = reader.itemFirst();
            const Css::Block &block = reader.blocks().current();
            const bool inDeclarations
                = block.kind == Css::BlockKind::Declarations || block.kind == Css::BlockKind::Descriptors;
            if (inDeclarations && name.kind == TokenKind::Ident && text[name.start] != '-' && name.start >= from
                && name.start < to) {
                pending = Name{name.start, name.end - name.start, block.atRule};
            }
        }
    }
    if (pending)
        names.append(*pending); // the text ends in its value
    return names;
}

namespace {

QByteArray lowered(const QString &name)
{
    return name.trimmed().toLower().toUtf8();
}

} // namespace

KnownNames::KnownNames(const QStringList &properties, const QHash<QString, QStringList> &descriptors)
{
    for (const QString &name : properties)
        m_lower.insert(lowered(name));
    for (auto it = descriptors.cbegin(); it != descriptors.cend(); ++it) {
        QSet<QByteArray> &names = m_descriptors[lowered(it.key())];
        for (const QString &name : it.value())
            names.insert(lowered(name));
    }
}

bool KnownNames::contains(QByteArrayView name, QByteArrayView atRule) const
{
    const QByteArray lower = name.toByteArray().toLower();
    const bool property = m_lower.contains(lower) || (lower.startsWith('_') && m_lower.contains(lower.mid(1)));
    if (atRule.isEmpty())
        return property;
    const auto descriptors = m_descriptors.constFind(atRule.toByteArray());
    if (descriptors == m_descriptors.cend())
        return true; // an at-rule nobody here knows: nothing can be told apart
    return descriptors->contains(lower) || (atRule == "page" && property);
}

QList<Name> unknown(QByteArrayView text, qsizetype from, qsizetype to, const Css::Blocks &blocks,
                    const KnownNames &known)
{
    QList<Name> out;
    if (known.isEmpty())
        return out;
    for (const Name &n : find(text, from, to, blocks)) {
        if (!known.contains(text.sliced(n.start, n.length), n.atRule))
            out.append(n);
    }
    return out;
}

} // namespace DeclarationNames
