#include "CompletionContext.h"

#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>

namespace {

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_'
        || u >= 0x80;
}

bool isName(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isNameChar);
}

// What a block holds: rules (the sheet, @media and its kind), declarations (a rule,
// @font-face, @page…), or the selectors of @keyframes.
enum class Block { Rules, Declarations, Keyframes };

Block blockAfter(Block outer, QStringView prelude)
{
    if (outer != Block::Rules || !prelude.startsWith(u'@'))
        return Block::Declarations;
    qsizetype end = 1;
    while (end < prelude.size() && isNameChar(prelude[end]))
        ++end;
    const QString name = prelude.sliced(1, end - 1).toString().toLower();
    if (name.endsWith(QLatin1String("keyframes")))
        return Block::Keyframes;
    static const QStringList ruleBlocks
        = {QStringLiteral("media"),         QStringLiteral("supports"),      QStringLiteral("layer"),
           QStringLiteral("container"),     QStringLiteral("document"),      QStringLiteral("scope"),
           QStringLiteral("-moz-document"), QStringLiteral("starting-style")};
    return ruleBlocks.contains(name) ? Block::Rules : Block::Declarations;
}

} // namespace

CompletionContext CompletionContext::at(QStringView sheet, qsizetype caret)
{
    caret = qBound<qsizetype>(0, caret, sheet.size());
    CompletionContext none{Kind::None, caret, {}};
    QVarLengthArray<Block, 8> blocks{Block::Rules};
    qsizetype itemStart = 0; // after the last "{", "}" or ";"
    qsizetype colon = -1; // the colon of a declaration
    int brackets = 0;
    for (qsizetype i = 0; i < caret;) {
        const QChar c = sheet[i];
        if (c == u'/' && i + 1 < sheet.size() && sheet[i + 1] == u'*') {
            const qsizetype close = sheet.indexOf(u"*/", i + 2);
            if (close < 0 || close + 2 > caret)
                return none; // in a comment
            if (sheet.sliced(itemStart, i - itemStart).trimmed().isEmpty())
                itemStart = close + 2; // a comment before an item is none of it
            i = close + 2;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            qsizetype p = i + 1;
            while (p < sheet.size() && sheet[p] != c && sheet[p] != u'\n' && sheet[p] != u'\r' && sheet[p] != u'\f')
                p += sheet[p] == u'\\' ? 2 : 1;
            const bool closed = p < sheet.size() && sheet[p] == c;
            if (caret <= p)
                return none; // in a string, or in one left open up to its line end
            i = closed ? p + 1 : p;
            continue;
        }
        if (c == u'\\') {
            i += 2;
            continue;
        }
        if (c == u'{') {
            blocks.append(blockAfter(blocks.back(), sheet.sliced(itemStart, i - itemStart).trimmed()));
            itemStart = i + 1;
            colon = -1;
            brackets = 0;
        } else if (c == u'}') {
            if (blocks.size() > 1)
                blocks.removeLast();
            itemStart = i + 1;
            colon = -1;
            brackets = 0;
        } else if (c == u';' && brackets == 0) {
            itemStart = i + 1;
            colon = -1;
        } else if (c == u':' && colon < 0 && brackets == 0 && blocks.back() == Block::Declarations) {
            colon = i;
        } else if (c == u'(' || c == u'[') {
            ++brackets;
        } else if ((c == u')' || c == u']') && brackets > 0) {
            --brackets;
        }
        ++i;
    }

    qsizetype wordStart = caret;
    while (wordStart > itemStart && isNameChar(sheet[wordStart - 1]))
        --wordStart;
    const QStringView item = sheet.sliced(itemStart, caret - itemStart).trimmed();
    switch (blocks.back()) {
    case Block::Keyframes:
        return none;
    case Block::Rules:
        if (item.startsWith(u'@'))
            return none; // an at-rule's prelude
        return {Kind::Selector, wordStart, {}};
    case Block::Declarations:
        if (colon < 0)
            return item.isEmpty() || isName(item) ? CompletionContext{Kind::Property, wordStart, {}} : none;
        const QStringView name = sheet.sliced(itemStart, colon - itemStart).trimmed();
        if (!isName(name))
            return none; // a nested selector such as "&:hover"
        return {Kind::Value, wordStart, name.toString().toLower()};
    }
    return none;
}
