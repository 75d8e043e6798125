#include "CompletionContext.h"

#include <algorithm>

namespace {

using Css::TokenKind;

bool isName(QStringView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return Css::isNameUnit(c.unicode()); });
}

} // namespace

CompletionContext CompletionContext::at(QStringView sheet, qsizetype caret, const Css::Blocks &blocks)
{
    caret = qBound<qsizetype>(0, caret, sheet.size());
    CompletionContext none{Kind::None, caret, {}, {}, -1};
    // Only what stands before the caret counts: read up to it, a comment, string or
    // address the caret stands inside is one the caret closes.
    Css::BlockReader item(sheet.first(caret), 0, blocks);
    Css::Token last;
    for (Css::Token t = item.next(); t.kind != TokenKind::End; t = item.next())
        last = t;
    if (Css::isOpaque(last.kind) && last.unclosed)
        return none;

    qsizetype wordStart = caret;
    while (wordStart > 0 && Css::isNameUnit(sheet[wordStart - 1].unicode()))
        --wordStart;
    const Css::Token first = item.itemFirst();
    const qsizetype itemStart = first.kind == TokenKind::End ? caret : first.start;
    wordStart = std::max(wordStart, itemStart);
    const QStringView typed = sheet.sliced(itemStart, caret - itemStart).trimmed();
    const Css::Block &block = item.blocks().current();
    const QString atRule = QString::fromLatin1(block.atRule);
    switch (block.kind) {
    case Css::BlockKind::Keyframes:
        return none;
    case Css::BlockKind::Rules:
        if (first.kind == TokenKind::AtKeyword)
            return none; // an at-rule's prelude
        return {Kind::Selector, wordStart, {}, {}, -1};
    case Css::BlockKind::Declarations:
    case Css::BlockKind::Descriptors:
        if (item.openBrackets() > 0 && item.itemColon() < 0)
            return none;
        if (item.itemColon() < 0)
            return typed.isEmpty() || isName(typed)
                ? CompletionContext{Kind::Property, wordStart, {}, atRule, wordStart}
                : none;
        const QStringView name = sheet.sliced(first.start, first.end - first.start);
        if (first.kind != TokenKind::Ident)
            return none; // a nested selector such as "&:hover"
        return {Kind::Value, wordStart, name.toString().toLower(), atRule, first.start};
    }
    return none;
}
