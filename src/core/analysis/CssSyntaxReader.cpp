#include "CssSyntaxReader.h"

#include "css/CssBlocks.h"

#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <optional>

namespace {

using Css::Token;
using Css::TokenKind;
using Tokenizer = Css::Tokenizer<QStringView>;

// Blocks nested deeper than this are stepped over unread, so that a hostile sheet
// cannot exhaust the stack; no sheet written by hand comes near it.
constexpr int kMaxDepth = 256;
// A nested rule's selector lists every combination of its parents' selectors and its
// own; beyond this many the rest are left out, or a few lines could ask for millions.
constexpr qsizetype kMaxResolved = 1024;

bool opensBlock(TokenKind kind)
{
    return kind == TokenKind::LeftParen || kind == TokenKind::Function || kind == TokenKind::LeftBracket
        || kind == TokenKind::LeftBrace;
}

TokenKind closerOf(TokenKind kind)
{
    switch (kind) {
    case TokenKind::LeftBracket:
        return TokenKind::RightBracket;
    case TokenKind::LeftBrace:
        return TokenKind::RightBrace;
    default:
        return TokenKind::RightParen;
    }
}

// The at-rules that leave a rule they are nested in when nesting is resolved.
bool leavesTheRule(QByteArrayView name)
{
    return name == "media" || name == "supports" || name == "layer" || name == "container" || name == "starting-style"
        || name == "document" || name == "font-face" || Css::isKeyframes(name);
}

bool isDescriptorRule(QByteArrayView name)
{
    static constexpr const char *kNames[]
        = {"font-face",           "page",          "property",        "counter-style", "font-feature-values",
           "font-palette-values", "color-profile", "view-transition", "position-try",  "function"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char *n) { return name == n; })
        || name.endsWith("viewport");
}

// Statements end at their ";"; the text's end ending one is no fault.
bool isStatement(QByteArrayView name)
{
    return name == "import" || name == "charset" || name == "namespace" || name == "layer";
}

// The text of [from, to) as one line: comments left out, white space as one blank,
// nothing at either end. A comment between two tokens without white space stays, as
// leaving it out would join them.
QString normalized(QStringView sheet, qsizetype from, qsizetype to)
{
    const QStringView raw = sheet.sliced(from, to - from);
    // Mostly the text is one line without comments already.
    bool plain = true;
    for (qsizetype i = 0; i < raw.size() && plain; ++i) {
        const char16_t c = raw[i].unicode();
        plain = c != u'/' && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f'
            && !(c == u' ' && (i == 0 || i + 1 == raw.size() || raw[i + 1] == u' '));
    }
    if (plain)
        return raw.toString();
    QString out;
    out.reserve(to - from);
    Tokenizer tokens(sheet.first(to), from);
    bool space = false;
    TokenKind previous = TokenKind::Whitespace;
    for (Token t = tokens.next(); t.kind != TokenKind::End; t = tokens.next()) {
        if (t.kind == TokenKind::Whitespace) {
            space = true;
            previous = t.kind;
            continue;
        }
        if (t.kind == TokenKind::Comment) {
            const bool apart = previous == TokenKind::Whitespace || tokens.position() >= to
                || Css::isWhitespace(tokens.at(tokens.position()));
            if (apart) {
                space = space || previous != TokenKind::Whitespace;
                continue;
            }
        }
        if (space && !out.isEmpty())
            out += u' ';
        space = false;
        out += sheet.sliced(t.start, t.end - t.start);
        previous = t.kind;
    }
    return out;
}

// The parts of a selector list between its commas, outside brackets and parentheses;
// empty parts are left out.
QStringList complexSelectors(QStringView list)
{
    QStringList parts;
    Tokenizer tokens(list);
    int depth = 0;
    qsizetype start = 0;
    for (Token t = tokens.next();; t = tokens.next()) {
        if (t.kind == TokenKind::End || (t.kind == TokenKind::Comma && depth == 0)) {
            const QStringView part = list.sliced(start, t.start - start).trimmed();
            if (!part.isEmpty())
                parts << part.toString();
            if (t.kind == TokenKind::End)
                return parts;
            start = t.end;
        } else if (t.kind == TokenKind::LeftParen || t.kind == TokenKind::Function
                   || t.kind == TokenKind::LeftBracket) {
            ++depth;
        } else if ((t.kind == TokenKind::RightParen || t.kind == TokenKind::RightBracket) && depth > 0) {
            --depth;
        }
    }
}

// A nested rule's selectors with its parents': each "&" stands for a parent, every
// combination in order; without "&" the parent comes first, then a blank (as
// postcss-nested writes them).
QStringList resolved(const QStringList &parents, const QStringList &children)
{
    QStringList out;
    for (const QString &parent : parents) {
        for (const QString &child : children) {
            std::vector<std::pair<qsizetype, qsizetype>> amps;
            Tokenizer tokens{QStringView(child)};
            for (Token t = tokens.next(); t.kind != TokenKind::End; t = tokens.next()) {
                if (t.kind == TokenKind::Delim && child[t.start] == u'&')
                    amps.emplace_back(t.start, t.end);
            }
            if (amps.empty()) {
                out << parent + u' ' + child;
                continue;
            }
            // The "&" after the first take every parent in turn; within limits.
            QStringList partial{child.left(amps[0].first) + parent};
            for (size_t i = 1; i < amps.size(); ++i) {
                const QString between = child.mid(amps[i - 1].second, amps[i].first - amps[i - 1].second);
                const bool all = partial.size() * parents.size() <= kMaxResolved;
                QStringList next;
                for (const QString &p : std::as_const(partial)) {
                    if (all) {
                        for (const QString &q : parents)
                            next << p + between + q;
                    } else {
                        next << p + between + parent;
                    }
                }
                partial = std::move(next);
            }
            for (QString &p : partial)
                out << p + child.mid(amps.back().second);
            if (out.size() >= kMaxResolved)
                return out;
        }
        if (out.size() >= kMaxResolved)
            return out;
    }
    return out;
}

// The enclosing rule and at-rules of what is read.
struct Context
{
    QString selector; // the enclosing rule's, resolved; empty outside rules
    bool inRule = false;
    QString chain; // the enclosing at-rules, for telling repeats

    // The enclosing rule's selectors, one by one; worked out when a nested rule needs them.
    const QStringList &parents() const
    {
        if (!m_parents)
            m_parents = complexSelectors(selector);
        return *m_parents;
    }
    void setParents(QStringList parents) { m_parents = std::move(parents); }

private:
    mutable std::optional<QStringList> m_parents;
};

using Frames = QList<SyntaxFrame>;

bool sameChains(const Frames &a, const Frames &b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                      [](const SyntaxFrame &x, const SyntaxFrame &y) { return x.chain == y.chain; });
}

// Reads the items at the top of a sheet, and at the top of the blocks of rules there,
// one by one, from a place between two of them.
class Reader
{
public:
    Reader(QStringView sheet, qsizetype from, SyntaxReading &out, Frames frames = {})
        : m_s(sheet), m_tokens(sheet, from), m_out(out), m_countedTo(from), m_frames(std::move(frames))
    {
        m_cur = Token{TokenKind::Whitespace, from, from};
        advance();
    }

    // Reads the next item: a rule or at-rule with its block, a statement, the opening
    // of a block of rules up to its "{", the "}" that closes it, or a stray "}" or
    // ";". False when nothing but white space and comments is left.
    bool item()
    {
        m_itemError = -1;
        m_hitEnd = false;
        Context context;
        if (!m_frames.isEmpty())
            context.chain = m_frames.back().chain;
        const int depth = int(m_frames.size());
        switch (m_cur.kind) {
        case TokenKind::End:
            if (!m_frames.isEmpty())
                failAtEnd(m_frames.back().open);
            else if (m_unclosedAt >= 0)
                fail(m_unclosedAt);
            m_hitEnd = true;
            return false;
        case TokenKind::RightBrace:
            if (m_frames.isEmpty())
                fail(m_cur.start); // a "}" without its "{"
            else
                m_frames.removeLast();
            advance();
            break;
        case TokenKind::Cdo:
        case TokenKind::Cdc:
            if (m_frames.isEmpty())
                advance();
            else
                qualifiedRule(context, depth);
            break;
        case TokenKind::Semicolon:
            advance();
            break;
        case TokenKind::AtKeyword:
            atRule(context, depth, true);
            break;
        default:
            qualifiedRule(context, depth);
            break;
        }
        return true;
    }

    // The blocks of rules open after the last item.
    const Frames &frames() const { return m_frames; }

    // Right after the last item's last token.
    qsizetype itemEnd() const { return m_consumedEnd; }
    // The comments counted up to there; those after it were counted looking ahead.
    int commentsBeforeItemEnd() const { return m_out.commentCount - m_commentsLookedAhead; }
    // The last item met the sheet's end: what it yielded depends on what follows.
    bool itemMetTheEnd() const { return m_hitEnd; }
    // Its fault; -1 without.
    qsizetype itemError() const { return m_itemError; }

private:
    // The next token that is neither white space nor a comment; comments are counted,
    // once each however often a reading goes back over them.
    void advance()
    {
        m_consumedEnd = m_cur.end;
        m_skippedComments = false;
        m_commentsLookedAhead = 0;
        for (;;) {
            m_cur = m_tokens.next();
            if (m_cur.unclosed)
                m_unclosedAt = m_cur.start;
            if (m_cur.kind == TokenKind::Comment) {
                m_skippedComments = true;
                if (m_cur.start >= m_countedTo) {
                    ++m_out.commentCount;
                    ++m_commentsLookedAhead;
                    m_countedTo = m_cur.end;
                }
            } else if (m_cur.kind != TokenKind::Whitespace) {
                if (m_cur.kind == TokenKind::End)
                    m_hitEnd = true;
                return;
            }
        }
    }

    Token peek() const
    {
        Tokenizer copy = m_tokens;
        for (Token t = copy.next();; t = copy.next()) {
            if (t.kind != TokenKind::Comment && t.kind != TokenKind::Whitespace)
                return t;
        }
    }

    void seek(qsizetype offset)
    {
        m_tokens = Tokenizer(m_s, offset);
        m_cur = Token{TokenKind::Whitespace, offset, offset};
        advance();
    }

    void fail(qsizetype offset)
    {
        if (m_itemError < 0)
            m_itemError = offset;
    }

    // The text ended with `open` (a block or bracket) still open: the fault is the
    // innermost thing open, a comment or string at the very end if there is one.
    void failAtEnd(qsizetype open) { fail(m_unclosedAt >= 0 ? m_unclosedAt : open); }

    // One component value: a token, or a bracket, parenthesis or brace with all it
    // holds. False when the text ends inside.
    bool skipValue()
    {
        if (!opensBlock(m_cur.kind)) {
            advance();
            return true;
        }
        QVarLengthArray<std::pair<TokenKind, qsizetype>, 16> open;
        open.append({closerOf(m_cur.kind), m_cur.start});
        advance();
        while (!open.isEmpty()) {
            if (m_cur.kind == TokenKind::End) {
                failAtEnd(open.back().second);
                return false;
            }
            if (m_cur.kind == open.back().first)
                open.removeLast();
            else if (opensBlock(m_cur.kind))
                open.append({closerOf(m_cur.kind), m_cur.start});
            advance();
        }
        return true;
    }

    // After a "{": everything up to its "}", read no further.
    void skipBlock(qsizetype open)
    {
        while (m_cur.kind != TokenKind::RightBrace) {
            if (m_cur.kind == TokenKind::End) {
                failAtEnd(open);
                m_blockEnd = m_s.size();
                return;
            }
            if (!skipValue()) {
                m_blockEnd = m_s.size();
                return;
            }
        }
        m_blockEnd = m_cur.start;
        advance();
    }

    // Rules and at-rules, up to the "}" of the block opened at `open`.
    void rules(const Context &context, qsizetype open, int depth)
    {
        for (;;) {
            switch (m_cur.kind) {
            case TokenKind::End:
                failAtEnd(open);
                m_blockEnd = m_s.size();
                return;
            case TokenKind::RightBrace:
                m_blockEnd = m_cur.start;
                advance();
                return;
            case TokenKind::Semicolon:
                advance();
                break;
            case TokenKind::AtKeyword:
                atRule(context, depth);
                break;
            default:
                qualifiedRule(context, depth);
                break;
            }
        }
    }

    // An item at the top opens a block of rules as a frame of its own, read item by item.
    void atRule(const Context &context, int depth, bool item = false)
    {
        const bool nested = context.inRule;
        const Token keyword = m_cur;
        const QByteArray name = Css::atRuleName(m_s, keyword);
        advance();
        qsizetype preludeEnd = keyword.end;
        while (m_cur.kind != TokenKind::Semicolon && m_cur.kind != TokenKind::LeftBrace && m_cur.kind != TokenKind::End
               && !(nested && m_cur.kind == TokenKind::RightBrace)) {
            if (!skipValue())
                break;
            preludeEnd = m_consumedEnd;
        }
        // One blank between the keyword and its prelude, also where the sheet has none
        // ("@media(min-width:1px)").
        QString text = m_s.sliced(keyword.start, keyword.end - keyword.start).toString();
        if (const QString prelude = normalized(m_s, keyword.end, preludeEnd); !prelude.isEmpty())
            text += u' ' + prelude;
        m_out.atRules.append({text, keyword.start});
        if (m_cur.kind == TokenKind::Semicolon) {
            advance();
            return;
        }
        if (m_cur.kind != TokenKind::LeftBrace) {
            if (m_cur.kind == TokenKind::End && !isStatement(name))
                fail(m_unclosedAt >= 0 ? m_unclosedAt : keyword.start);
            return;
        }
        const qsizetype open = m_cur.start;
        advance();
        if (depth >= kMaxDepth || Css::isKeyframes(name) || isDescriptorRule(name)) {
            skipBlock(open);
            return;
        }
        Context inner;
        inner.selector = context.selector;
        inner.inRule = context.inRule;
        inner.chain = context.chain + u'\x1e' + text;
        if (!Css::holdsRules(name)) {
            declarations(inner, open, depth + 1); // a rule nobody knows: what it holds, read as declarations
            return;
        }
        if (!nested && item) {
            m_frames.append({open, inner.chain});
            return;
        }
        if (!nested) {
            rules(inner, open, depth + 1);
            return;
        }
        // Nested in a rule, its declarations are the rule's under the condition; as
        // the rule is written again inside it when nesting is resolved, it is listed.
        const qsizetype at = m_out.rules.size();
        if (declarations(inner, open, depth + 1).declarations && leavesTheRule(name)) {
            SyntaxRule rule = ruleFor(context.selector, context, inner.chain);
            rule.start = keyword.start;
            rule.blockStart = open + 1;
            rule.blockEnd = m_blockEnd;
            m_out.rules.insert(at, std::move(rule));
        }
    }

    static SyntaxRule ruleFor(const QString &selector, const Context &context, const QString &chain)
    {
        SyntaxRule rule;
        rule.selector = selector;
        rule.kind = syntaxSelectorKind(selector, &rule.kindAt);
        // The same selectors in any order under the same at-rules repeat a rule.
        if (selector.contains(u',')) {
            QStringList sorted = context.parents();
            sorted.sort();
            rule.repeatKey = chain + u'\x1f' + sorted.join(u'\x1f');
        } else {
            rule.repeatKey = chain.isEmpty() ? selector : chain + u'\x1f' + selector;
        }
        return rule;
    }

    void qualifiedRule(const Context &context, int depth)
    {
        const bool nested = context.inRule;
        const qsizetype start = m_cur.start;
        qsizetype preludeEnd = start;
        while (m_cur.kind != TokenKind::LeftBrace) {
            switch (m_cur.kind) {
            case TokenKind::End:
                if (!nested)
                    fail(m_unclosedAt >= 0 ? m_unclosedAt : start); // text that is no rule
                return;
            case TokenKind::Semicolon:
                if (nested) {
                    advance(); // no rule: dropped
                    return;
                }
                break;
            case TokenKind::RightBrace:
                if (nested)
                    return; // no rule; the block ends
                break;
            default:
                break;
            }
            if (!skipValue())
                return;
            preludeEnd = m_consumedEnd;
        }
        const qsizetype open = m_cur.start;
        advance();
        Context inner;
        inner.inRule = true;
        inner.chain = context.chain;
        inner.selector = normalized(m_s, start, preludeEnd);
        if (context.inRule) {
            inner.setParents(resolved(context.parents(), complexSelectors(inner.selector)));
            inner.selector = inner.parents().join(QStringLiteral(", "));
        }
        const qsizetype index = m_out.rules.size();
        SyntaxRule rule = ruleFor(inner.selector, inner, inner.chain);
        rule.start = start;
        rule.blockStart = open + 1;
        m_out.rules.append(std::move(rule));
        if (depth >= kMaxDepth) {
            skipBlock(open);
            m_out.rules[index].blockEnd = m_blockEnd;
            return;
        }
        const Contents contents = declarations(inner, open, depth + 1);
        m_out.rules[index].blockEnd = m_blockEnd;
        // A rule that only holds nested rules has no style of its own: resolved, it is
        // gone (as postcss-nested resolves it).
        if (contents.moved && !contents.kept)
            m_out.rules.removeAt(index);
    }

    // What a block of declarations held.
    struct Contents
    {
        bool declarations = false;
        bool kept = false; // anything that stays in the rule when nesting is resolved
        bool moved = false; // nested rules and the at-rules that leave the rule with them
    };

    // A block of declarations, nested rules and at-rules, up to its "}".
    Contents declarations(const Context &context, qsizetype open, int depth)
    {
        Contents contents;
        for (;;) {
            contents.kept = contents.kept || m_skippedComments; // a comment between items stays
            switch (m_cur.kind) {
            case TokenKind::End:
                failAtEnd(open);
                m_blockEnd = m_s.size();
                return contents;
            case TokenKind::RightBrace:
                m_blockEnd = m_cur.start;
                advance();
                return contents;
            case TokenKind::Semicolon:
                advance();
                break;
            case TokenKind::AtKeyword:
                (leavesTheRule(Css::atRuleName(m_s, m_cur)) ? contents.moved : contents.kept) = true;
                atRule(context, depth);
                break;
            case TokenKind::Ident:
                if (peek().kind == TokenKind::Colon && declaration()) {
                    contents.declarations = contents.kept = true;
                    break;
                }
                contents.moved = true;
                qualifiedRule(context, depth);
                break;
            default:
                contents.moved = true;
                qualifiedRule(context, depth);
                break;
            }
        }
    }

    // A declaration at the current name: its value runs to the ";" or "}". When the
    // value holds a {}-block beside other values it is no declaration but a nested rule
    // ("a:hover { … }"): the reading goes back and false is returned.
    bool declaration()
    {
        const Token name = m_cur;
        const bool custom = name.end - name.start > 2 && m_s[name.start] == u'-' && m_s[name.start + 1] == u'-';
        const qsizetype error = m_itemError;
        advance(); // the name
        advance(); // the colon
        bool block = false;
        bool other = false;
        while (m_cur.kind != TokenKind::Semicolon && m_cur.kind != TokenKind::RightBrace
               && m_cur.kind != TokenKind::End) {
            (m_cur.kind == TokenKind::LeftBrace ? block : other) = true;
            if (!skipValue())
                break;
        }
        if (block && other && !custom) {
            m_itemError = error;
            seek(name.start);
            return false;
        }
        if (m_cur.kind == TokenKind::Semicolon)
            advance();
        return true;
    }

    QStringView m_s;
    Tokenizer m_tokens;
    SyntaxReading &m_out;
    Token m_cur;
    qsizetype m_consumedEnd = 0; // where the last token taken ends
    qsizetype m_countedTo = 0; // comments before this are counted
    int m_commentsLookedAhead = 0; // counted by the last advance
    bool m_skippedComments = false; // the last advance passed over a comment
    qsizetype m_unclosedAt = -1; // a comment, string or address the text's end closed
    qsizetype m_blockEnd = 0; // where the last block read ends
    qsizetype m_itemError = -1;
    bool m_hitEnd = false;
    Frames m_frames;
};

} // namespace

SyntaxReading readSheet(QStringView sheet)
{
    SheetAnalysis analysis;
    return CssSyntaxParser().parseSheet(sheet.toString(), analysis);
}

std::pair<qsizetype, qsizetype> textPosition(QStringView text, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    qsizetype line = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) {
            ++line;
            lineStart = i + 1;
        }
    }
    return {line, offset - lineStart};
}

SelectorKind syntaxSelectorKind(QStringView selector, qsizetype *at)
{
    Tokenizer tokens(selector);
    int depth = 0;
    qsizetype id = -1;
    Token previous;
    for (Token t = tokens.next(); t.kind != TokenKind::End; previous = t, t = tokens.next()) {
        if (t.kind == TokenKind::LeftParen || t.kind == TokenKind::Function || t.kind == TokenKind::LeftBracket) {
            ++depth;
        } else if ((t.kind == TokenKind::RightParen || t.kind == TokenKind::RightBracket) && depth > 0) {
            --depth;
        } else if (depth == 0 && t.kind == TokenKind::Ident && previous.kind == TokenKind::Delim
                   && previous.end == t.start && selector[previous.start] == u'.') {
            if (at)
                *at = previous.start;
            return SelectorKind::Class;
        } else if (depth == 0 && t.kind == TokenKind::Hash && id < 0) {
            id = t.start;
        }
    }
    if (at)
        *at = id;
    return id >= 0 ? SelectorKind::Id : SelectorKind::Element;
}

QStringList syntaxDeclarations(QStringView sheet, const SyntaxRule &rule)
{
    QStringList out;
    const QStringView text = sheet.first(std::min(rule.blockEnd, sheet.size()));
    Css::Blocks inRule;
    inRule.open({});
    Css::BlockReader reader(text, std::min(rule.blockStart, text.size()), inRule);
    Token first;
    qsizetype colon = -1;
    qsizetype valueEnd = 0;
    const auto take = [&] {
        if (first.kind == TokenKind::Ident && colon >= 0)
            out << sheet.sliced(first.start, first.end - first.start).toString() + u':'
                    + normalized(text, colon + 1, valueEnd);
        first = Token();
        colon = -1;
    };
    for (Token t = reader.next(); t.kind != TokenKind::End; t = reader.next()) {
        if (reader.opened()) {
            first = Token(); // a nested rule's selector, no declaration
            continue;
        }
        if (reader.blocks().depth() > 1)
            continue; // the nested rule's own
        if (reader.closed()) {
            first = Token();
            continue;
        }
        if (reader.ended()) {
            take();
            continue;
        }
        if (t.kind == TokenKind::Whitespace || t.kind == TokenKind::Comment)
            continue;
        first = reader.itemFirst();
        colon = reader.itemColon();
        valueEnd = t.end;
    }
    take();
    return out;
}

namespace {

// Reads items from `from` on, appending them and what they yield, until `stopAt` says
// that one starts where an item to keep does (true), or the sheet ends (false). The
// text after the last item ends the list as an item that is not kept.
template<typename Item, typename Stop>
bool readItems(QStringView sheet, qsizetype from, const Frames &frames, std::vector<Item> &items,
               SyntaxReading &reading, Stop stopAt)
{
    SyntaxReading found;
    Reader reader(sheet, from, found, frames);
    qsizetype start = from;
    int counted = 0;
    bool stopped = false;
    for (;;) {
        if (stopAt(start, reader.frames())) {
            stopped = true;
            break;
        }
        const qsizetype rules = found.rules.size(), atRules = found.atRules.size();
        const Frames before = reader.frames();
        if (!reader.item()) {
            items.push_back(
                {start, sheet.size(), 0, 0, found.commentCount - counted, reader.itemError(), false, before});
            break;
        }
        const int comments = reader.commentsBeforeItemEnd();
        items.push_back({start, reader.itemEnd(), found.rules.size() - rules, found.atRules.size() - atRules,
                         comments - counted, reader.itemError(), !reader.itemMetTheEnd(), before});
        counted = comments;
        start = reader.itemEnd();
    }
    reading.rules += found.rules;
    reading.atRules += found.atRules;
    return stopped;
}

} // namespace

namespace {

// The items of a list by where they went: the first `head` as they were, then `middle`,
// then `count` of the old ones from `from` (adjusted by `adjust`), then `rest`.
template<typename T, typename Adjust>
QList<T> spliced(QList<T> &old, qsizetype head, QList<T> &&middle, qsizetype from, qsizetype count, QList<T> &&rest,
                 Adjust adjust)
{
    QList<T> out;
    out.reserve(head + middle.size() + count + rest.size());
    for (qsizetype i = 0; i < head; ++i)
        out.append(std::move(old[i]));
    for (T &t : middle)
        out.append(std::move(t));
    for (qsizetype i = from; i < from + count; ++i) {
        adjust(old[i]);
        out.append(std::move(old[i]));
    }
    for (T &t : rest)
        out.append(std::move(t));
    return out;
}

} // namespace

const SyntaxReading &CssSyntaxParser::parseSheet(const QString &sheet, SheetAnalysis &analysis)
{
    // Items whose text is as in the last reading yield what they yielded then: those
    // at the start where they were, those at the end moved by the edit. Only the
    // items at the sheet's end (the last ones, which met it) are always read again.
    const QStringView before(m_text), now(sheet);
    const qsizetype shift = now.size() - before.size();
    const auto same = [&](const Item &item, qsizetype by) {
        return item.kept && item.end + by <= now.size()
            && now.sliced(item.start + by, item.end - item.start) == before.sliced(item.start, item.end - item.start);
    };
    size_t head = 0;
    while (head < m_items.size() && same(m_items[head], 0))
        ++head;
    const qsizetype headEnd = head > 0 ? m_items[head - 1].end : 0;
    size_t last = m_items.size();
    while (last > head && !m_items[last - 1].kept)
        --last;
    size_t tail = last;
    while (tail > head && m_items[tail - 1].start + shift >= headEnd && same(m_items[tail - 1], shift))
        --tail;

    std::vector<Item> items(m_items.cbegin(), m_items.cbegin() + qsizetype(head));
    Kept rules, atRules;
    for (const Item &item : items) {
        rules.head += item.rules;
        atRules.head += item.atRules;
    }
    // The items between are read again, until one ends where a kept item starts.
    size_t resumed = tail; // the reading goes forward: so do the items it may meet
    Frames frames; // the blocks of rules open where the reading resumes the kept items
    const auto atKeptItem = [&](qsizetype position, const Frames &open) {
        while (resumed < last && m_items[resumed].start + shift < position)
            ++resumed;
        if (resumed < last && m_items[resumed].start + shift == position && sameChains(open, m_items[resumed].frames)) {
            frames = open;
            return true;
        }
        return false;
    };
    SyntaxReading middle, rest;
    const Frames headFrames = head < m_items.size() ? m_items[head].frames : Frames();
    if (readItems(now, headEnd, headFrames, items, middle, atKeptItem)) {
        rules.from = rules.head;
        atRules.from = atRules.head;
        for (size_t i = head; i < resumed; ++i) {
            rules.from += m_items[i].rules;
            atRules.from += m_items[i].atRules;
        }
        // The kept items, and the blocks of rules they open and close on the way.
        for (size_t i = resumed; i < last; ++i) {
            Item item = m_items[i];
            const Frames after = i + 1 < m_items.size() ? m_items[i + 1].frames : Frames();
            item.start += shift;
            item.end += shift;
            if (item.error >= 0)
                item.error += shift;
            item.frames = frames;
            if (after.size() > frames.size())
                frames.append({after.back().open + shift, after.back().chain});
            else if (after.size() < frames.size())
                frames.removeLast();
            rules.count += item.rules;
            atRules.count += item.atRules;
            items.push_back(std::move(item));
        }
        readItems(now, items.back().end, frames, items, rest, [](qsizetype, const Frames &) { return false; });
    } else {
        rules.from = m_last.rules.size();
        atRules.from = m_last.atRules.size();
    }
    rules.to = rules.head + middle.rules.size();
    atRules.to = atRules.head + middle.atRules.size();

    SyntaxReading reading;
    for (const Item &item : items) {
        reading.commentCount += item.comments;
        if (reading.errorOffset < 0)
            reading.errorOffset = item.error;
    }
    const auto moveRule = [shift](SyntaxRule &r) {
        r.start += shift;
        r.blockStart += shift;
        r.blockEnd += shift;
    };
    reading.rules = spliced(m_last.rules, rules.head, std::move(middle.rules), rules.from, rules.count,
                            std::move(rest.rules), moveRule);
    reading.atRules = spliced(m_last.atRules, atRules.head, std::move(middle.atRules), atRules.from, atRules.count,
                              std::move(rest.atRules), [shift](SyntaxAtRule &a) { a.start += shift; });
    recordRules(reading.rules, rules, analysis);
    recordAtRules(reading.atRules, atRules, analysis);
    analysis.commentCount = reading.commentCount;
    analysis.parseError = reading.errorOffset >= 0;
    analysis.errorOffset = reading.errorOffset;

    m_text = sheet;
    m_items = std::move(items);
    m_last = std::move(reading);
    return m_last;
}

namespace {

// The places of the rules (or at-rules) read anew: in the last reading, those between
// its head and its kept ones and those after them; in this reading likewise.
std::vector<qsizetype> readAnew(qsizetype head, qsizetype keptFrom, qsizetype keptCount, qsizetype size)
{
    std::vector<qsizetype> places;
    for (qsizetype i = head; i < keptFrom; ++i)
        places.push_back(i);
    for (qsizetype i = keptFrom + keptCount; i < size; ++i)
        places.push_back(i);
    return places;
}

} // namespace

void CssSyntaxParser::recordRules(QList<SyntaxRule> &rules, const Kept &kept, SheetAnalysis &analysis)
{
    // The last reading's head and kept rules are moved into `rules`; those it read
    // anew are still there, to compare with the rules read anew now.
    const QList<SyntaxRule> &old = m_last.rules;
    const std::vector<qsizetype> before = readAnew(kept.head, kept.from, kept.count, old.size());
    const std::vector<qsizetype> after = readAnew(kept.head, kept.to, kept.count, rules.size());
    bool sameKeys = before.size() == after.size();
    bool sameSelectors = sameKeys;
    for (size_t i = 0; i < before.size() && (sameKeys || sameSelectors); ++i) {
        const SyntaxRule &a = old[before[i]], &b = rules[after[i]];
        sameKeys = sameKeys && a.repeatKey == b.repeatKey;
        sameSelectors = sameSelectors && a.kind == b.kind && a.selector == b.selector;
    }
    // The same rule in the last reading: kept, or (when the rules read anew are the
    // same as before) its twin; -1 for none.
    std::vector<qsizetype> twin(size_t(rules.size()), -1);
    for (qsizetype i = 0; i < kept.head; ++i)
        twin[size_t(i)] = i;
    for (qsizetype i = 0; i < kept.count; ++i)
        twin[size_t(kept.to + i)] = kept.from + i;
    std::vector<bool> anew(size_t(rules.size()), false);
    for (size_t i = 0; i < after.size(); ++i) {
        anew[size_t(after[i])] = true;
        if (sameSelectors)
            twin[size_t(after[i])] = before[i];
    }

    // Repeats: a rule's flag changes only where a rule read anew had, or has, its key.
    if (sameKeys) {
        for (size_t i = 0; i < after.size(); ++i)
            rules[after[i]].repeat = old[before[i]].repeat;
    } else {
        QSet<QString> changed, present;
        for (qsizetype i : before)
            changed.insert(old[i].repeatKey);
        for (qsizetype i : after)
            changed.insert(rules[i].repeatKey);
        for (qsizetype i = 0; i < rules.size(); ++i) {
            SyntaxRule &rule = rules[i];
            if (!anew[size_t(i)] && !changed.contains(rule.repeatKey))
                continue;
            if (i >= kept.head)
                rule.repeat = present.contains(rule.repeatKey);
            present.insert(rule.repeatKey);
        }
    }

    // The lists: a kept rule replays what it recorded, unless a rule read anew had, or
    // has, its selector (letter case ignored), which may change what it counts as.
    QSet<quint64> changed;
    if (!sameSelectors) {
        for (qsizetype i : before)
            changed.insert(SelectorSet::foldedHash(old[i].selector) ^ quint64(old[i].kind));
        for (qsizetype i : after)
            changed.insert(SelectorSet::foldedHash(rules[i].selector) ^ quint64(rules[i].kind));
    }
    for (SelectorSet &set : m_sets)
        set.begin();
    std::vector<Recorded> recorded(size_t(rules.size()));
    analysis.repeatedSelectors.clear();
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const SyntaxRule &rule = rules[i];
        Recorded &r = recorded[size_t(i)];
        const qsizetype from = twin[size_t(i)];
        const bool replay = from >= 0
            && (i < kept.head || sameSelectors
                || !changed.contains(SelectorSet::foldedHash(rule.selector) ^ quint64(rule.kind)));
        if (replay) {
            r = m_recorded[size_t(from)];
            m_sets[int(rule.kind)].replay(r.entry, r.outcome);
        } else {
            r.outcome = m_sets[int(rule.kind)].record(rule.selector, r.entry);
        }
        if (rule.repeat)
            analysis.repeatedSelectors << rule.selector;
    }
    m_recorded = std::move(recorded);
    analysis.elementSelectors = m_sets[int(SelectorKind::Element)].finish();
    analysis.classSelectors = m_sets[int(SelectorKind::Class)].finish();
    analysis.idSelectors = m_sets[int(SelectorKind::Id)].finish();
}

void CssSyntaxParser::recordAtRules(const QList<SyntaxAtRule> &atRules, const Kept &kept, SheetAnalysis &analysis)
{
    const QList<SyntaxAtRule> &old = m_last.atRules;
    const std::vector<qsizetype> before = readAnew(kept.head, kept.from, kept.count, old.size());
    const std::vector<qsizetype> after = readAnew(kept.head, kept.to, kept.count, atRules.size());
    bool same = before.size() == after.size();
    for (size_t i = 0; i < before.size() && same; ++i)
        same = old[before[i]].text == atRules[after[i]].text;
    QSet<quint64> changed;
    if (!same) {
        for (qsizetype i : before)
            changed.insert(SelectorSet::foldedHash(old[i].text));
        for (qsizetype i : after)
            changed.insert(SelectorSet::foldedHash(atRules[i].text));
    }
    std::vector<qsizetype> twin(size_t(atRules.size()), -1);
    for (qsizetype i = 0; i < kept.head; ++i)
        twin[size_t(i)] = i;
    for (qsizetype i = 0; i < kept.count; ++i)
        twin[size_t(kept.to + i)] = kept.from + i;
    if (same) {
        for (size_t i = 0; i < after.size(); ++i)
            twin[size_t(after[i])] = before[i];
    }
    m_atRules.begin();
    std::vector<Recorded> recorded(size_t(atRules.size()));
    for (qsizetype i = 0; i < atRules.size(); ++i) {
        Recorded &r = recorded[size_t(i)];
        const qsizetype from = twin[size_t(i)];
        if (from >= 0 && (i < kept.head || same || !changed.contains(SelectorSet::foldedHash(atRules[i].text)))) {
            r = m_recordedAtRules[size_t(from)];
            m_atRules.replay(r.entry, r.outcome);
        } else {
            r.outcome = m_atRules.record(atRules[i].text, r.entry);
        }
    }
    m_recordedAtRules = std::move(recorded);
    analysis.atRules = m_atRules.finish();
}
