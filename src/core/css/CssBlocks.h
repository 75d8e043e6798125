#pragma once

#include "CssTokenizer.h"

#include <QByteArray>
#include <QVarLengthArray>

#include <algorithm>
#include <type_traits>

// The blocks of a sheet and what each holds, as a browser reads them: rules at the top
// and in @media and its kind, declarations in a rule (and in what is nested in it),
// keyframes in @keyframes, descriptors in @font-face, @page and their kind.
namespace Css {

enum class BlockKind : quint8 {
    Rules,
    Declarations,
    Keyframes,
    Descriptors, // of the at-rule named in the block
};

struct Block
{
    BlockKind kind = BlockKind::Rules;
    QByteArray atRule; // for descriptors: the at-rule's name, lower case, without "@"
    bool operator==(const Block &) const = default;
};

// Whether an at-rule's block holds rules (or, nested in a rule, declarations and rules).
// `name` is lower case, without "@".
inline bool holdsRules(QByteArrayView name)
{
    static constexpr const char *kNames[]
        = {"media", "supports", "container", "layer", "scope", "starting-style", "document", "-moz-document"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char *n) { return name == n; });
}

inline bool isKeyframes(QByteArrayView name)
{
    return name.endsWith("keyframes"); // also -webkit-keyframes and its kind
}

// The blocks open at a place of a sheet, the sheet itself first.
class Blocks
{
public:
    Blocks() { m_stack.append(Block()); }

    const Block &current() const { return m_stack.back(); }
    qsizetype depth() const { return m_stack.size() - 1; }

    // The block that a "{" opens after an item that starts with the at-rule `atRule`
    // (lower case, without "@"), or with anything else when it is empty.
    void open(QByteArrayView atRule)
    {
        const Block &outer = current();
        Block inner{BlockKind::Declarations, {}};
        if (outer.kind == BlockKind::Descriptors) {
            // @page's margin boxes take its descriptors too; anything else in such a
            // block is nothing this program knows.
            inner = {BlockKind::Descriptors, outer.atRule == "page" ? outer.atRule : atRule.toByteArray()};
        } else if (!atRule.isEmpty()) {
            if (holdsRules(atRule))
                inner.kind = outer.kind == BlockKind::Rules ? BlockKind::Rules : BlockKind::Declarations;
            else if (isKeyframes(atRule) && outer.kind == BlockKind::Rules)
                inner.kind = BlockKind::Keyframes;
            else
                inner = {BlockKind::Descriptors, atRule.toByteArray()};
        }
        m_stack.append(std::move(inner));
    }

    // A "}" closes the innermost block; one without its "{" closes nothing.
    void close()
    {
        if (m_stack.size() > 1)
            m_stack.removeLast();
    }

    bool operator==(const Blocks &other) const
    {
        return std::equal(m_stack.cbegin(), m_stack.cend(), other.m_stack.cbegin(), other.m_stack.cend());
    }

private:
    QVarLengthArray<Block, 4> m_stack;
};

// The lower-case name of an at-keyword token, without "@"; escapes are left as written.
template<typename View>
QByteArray atRuleName(View text, const Token &atKeyword)
{
    // No at-rule this program knows has other letters than ASCII: each other character
    // is one "?", in either encoding.
    constexpr bool utf8 = std::is_same_v<View, QByteArrayView>;
    QByteArray name;
    name.reserve(atKeyword.end - atKeyword.start - 1);
    for (qsizetype i = atKeyword.start + 1; i < atKeyword.end; ++i) {
        const char16_t c = asciiLower(unitAt(text, i));
        if (c < 0x80)
            name += char(c);
        else if (utf8 ? c >= 0xc0 : !QChar::isLowSurrogate(c))
            name += '?';
    }
    return name;
}

// Reads a sheet token by token from a place between items, keeping the blocks open and
// the state of the item being read: its first token, and the brackets open in it.
// Braces and semicolons inside brackets, inside a custom property's value, and inside
// comments, strings and addresses (which are tokens of their own) neither open, close
// nor end anything.
template<typename View>
class BlockReader
{
public:
    explicit BlockReader(View text, qsizetype from = 0, Blocks blocks = {})
        : m_tokenizer(text, from), m_blocks(std::move(blocks))
    {
    }

    // The next token, the blocks and the item already brought up to date with it.
    Token next()
    {
        const Token t = m_tokenizer.next();
        m_opened = m_closed = m_ended = false;
        switch (t.kind) {
        case TokenKind::Whitespace:
        case TokenKind::Comment:
        case TokenKind::End:
            break;
        case TokenKind::LeftBrace:
            if (!m_closers.isEmpty() || m_customValue) {
                m_closers.append(u'}');
                noteToken(t);
            } else {
                m_blocks.open(m_first.kind == TokenKind::AtKeyword ? atRuleName(m_tokenizer.text(), m_first)
                                                                   : QByteArray());
                m_opened = true;
                endItem();
            }
            break;
        case TokenKind::RightBrace:
            if (closeBracket(u'}')) {
                noteToken(t);
            } else {
                m_blocks.close();
                m_closed = true;
                endItem();
            }
            break;
        case TokenKind::Semicolon:
            if (m_closers.isEmpty()) {
                m_ended = true;
                endItem();
            } else {
                noteToken(t);
            }
            break;
        case TokenKind::LeftParen:
        case TokenKind::Function:
            m_closers.append(u')');
            noteToken(t);
            break;
        case TokenKind::LeftBracket:
            m_closers.append(u']');
            noteToken(t);
            break;
        case TokenKind::RightParen:
            closeBracket(u')');
            noteToken(t);
            break;
        case TokenKind::RightBracket:
            closeBracket(u']');
            noteToken(t);
            break;
        case TokenKind::Colon:
            if (m_closers.isEmpty() && m_first.kind == TokenKind::Ident && m_colon < 0 && m_significant == 1) {
                m_colon = t.start;
                m_customValue = m_blocks.current().kind != BlockKind::Rules && isCustomName(m_first);
            }
            noteToken(t);
            break;
        default:
            noteToken(t);
            break;
        }
        return t;
    }

    const Blocks &blocks() const { return m_blocks; }
    // The first token of the item being read; of kind End while it has none.
    const Token &itemFirst() const { return m_first; }
    // The colon right after the item's first token, a name (white space and comments
    // may stand between), outside brackets; -1 when there is none.
    qsizetype itemColon() const { return m_colon; }
    // Brackets (and braces inside them) open in the item.
    qsizetype openBrackets() const { return m_closers.size(); }
    // The last token opened a block, closed one, or ended an item with ";".
    bool opened() const { return m_opened; }
    bool closed() const { return m_closed; }
    bool ended() const { return m_ended; }
    qsizetype position() const { return m_tokenizer.position(); }
    View text() const { return m_tokenizer.text(); }

private:
    bool isCustomName(const Token &t) const
    {
        return t.end - t.start > 2 && unitAt(text(), t.start) == u'-' && unitAt(text(), t.start + 1) == u'-';
    }

    void noteToken(const Token &t)
    {
        if (m_first.kind == TokenKind::End)
            m_first = t;
        ++m_significant;
    }

    // Closes the innermost bracket when `closer` is its closer; a closer of another
    // kind inside brackets is a token like any other. False when no bracket is open.
    bool closeBracket(char16_t closer)
    {
        if (m_closers.isEmpty())
            return false;
        if (m_closers.back() == closer)
            m_closers.removeLast();
        return true;
    }

    void endItem()
    {
        m_first = Token();
        m_significant = 0;
        m_colon = -1;
        m_customValue = false;
        m_closers.clear();
    }

    Tokenizer<View> m_tokenizer;
    Blocks m_blocks;
    Token m_first;
    int m_significant = 0; // the item's tokens that are neither white space nor comments
    qsizetype m_colon = -1;
    bool m_customValue = false;
    QVarLengthArray<char16_t, 8> m_closers;
    bool m_opened = false;
    bool m_closed = false;
    bool m_ended = false;
};

} // namespace Css
