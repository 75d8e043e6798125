#pragma once

#include <QByteArrayView>
#include <QStringView>

// The tokens of CSS as a browser reads them (CSS Syntax Level 3), with comments as
// tokens of their own, over the editor control's UTF-8 bytes or over UTF-16 text
// without copying either. Every reader of sheet text in the program builds on it, so
// that all of them agree on what a comment, a string, an escape or an address is.
// Written here rather than taken from a library: it must run in place over both
// encodings, start at any place between tokens, and cost next to nothing per key.
namespace Css {

enum class TokenKind : quint8 {
    Ident,
    Function, // the name and its "("
    AtKeyword,
    Hash,
    String,
    BadString, // a string the line end cut off; the line end is not in it
    Url, // an unquoted url(…) as a whole
    BadUrl,
    Delim,
    Number,
    Percentage,
    Dimension,
    Whitespace,
    Cdo, // <!--
    Cdc, // -->
    Colon,
    Semicolon,
    Comma,
    LeftBracket,
    RightBracket,
    LeftParen,
    RightParen,
    LeftBrace,
    RightBrace,
    Comment, // also one the text's end left open
    End,
};

struct Token
{
    TokenKind kind = TokenKind::End;
    qsizetype start = 0; // in code units of the text
    qsizetype end = 0;
    // A comment, string or address that the text's end closed rather than its own mark.
    bool unclosed = false;
    bool operator==(const Token &) const = default;
};

// The code unit at `i` as a number: a UTF-8 byte or a UTF-16 unit. Every unit of a
// non-ASCII character is 0x80 or more in both encodings, which is all CSS asks of them.
inline char16_t unitAt(QByteArrayView text, qsizetype i)
{
    return char16_t(uchar(text[i]));
}
inline char16_t unitAt(QStringView text, qsizetype i)
{
    return text[i].unicode();
}

inline bool isNewline(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\f';
}
inline bool isWhitespace(char16_t c)
{
    return c == u' ' || c == u'\t' || isNewline(c);
}
inline bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
inline bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
// NUL stands for U+FFFD, as a browser reads it.
inline bool isNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c >= 0x80 || c == 0;
}
inline bool isNameUnit(char16_t c)
{
    return isNameStart(c) || isDigit(c) || c == u'-';
}
inline char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

// Reads one token after another from a place between tokens. The state between
// tokens is the place alone, so a reading may start at any place a former reading
// passed between two tokens, or inside a comment when told so.
template<typename View>
class Tokenizer
{
public:
    explicit Tokenizer(View text, qsizetype from = 0, bool inComment = false) : m_text(text), m_pos(from)
    {
        m_pendingComment = inComment && m_pos < size();
    }

    qsizetype position() const { return m_pos; }
    qsizetype size() const { return m_text.size(); }
    View text() const { return m_text; }
    char16_t at(qsizetype i) const { return i < size() ? unitAt(m_text, i) : char16_t(0xffff); }

    Token next()
    {
        const qsizetype start = m_pos;
        m_unclosed = false;
        if (m_pendingComment) {
            m_pendingComment = false;
            m_pos = commentEnd(start);
            return {TokenKind::Comment, start, m_pos, m_unclosed};
        }
        const TokenKind kind = consume();
        return {kind, start, m_pos, m_unclosed};
    }

private:
    qsizetype commentEnd(qsizetype i)
    {
        for (; i + 1 < size(); ++i) {
            if (unitAt(m_text, i) == u'*' && unitAt(m_text, i + 1) == u'/')
                return i + 2;
        }
        m_unclosed = true;
        return size();
    }

    // "\" not followed by a line end.
    bool validEscape(qsizetype i) const { return at(i) == u'\\' && i + 1 < size() && !isNewline(at(i + 1)); }

    bool startsIdent(qsizetype i) const
    {
        const char16_t c = at(i);
        if (c == u'-')
            return (i + 1 < size() && (isNameStart(at(i + 1)) || at(i + 1) == u'-')) || validEscape(i + 1);
        return (i < size() && isNameStart(c)) || validEscape(i);
    }

    bool startsNumber(qsizetype i) const
    {
        char16_t c = at(i);
        if (c == u'+' || c == u'-')
            c = at(++i);
        if (c == u'.')
            return isDigit(at(i + 1));
        return isDigit(c);
    }

    // After the "\": hex digits and one blank after them, or one code unit.
    void consumeEscape()
    {
        const qsizetype hexEnd = std::min(m_pos + 6, size());
        if (!isHexDigit(at(m_pos))) {
            if (m_pos < size())
                ++m_pos;
            return;
        }
        while (m_pos < hexEnd && isHexDigit(at(m_pos)))
            ++m_pos;
        consumeOneWhitespace();
    }

    void consumeOneWhitespace()
    {
        if (at(m_pos) == u'\r' && at(m_pos + 1) == u'\n')
            m_pos += 2;
        else if (m_pos < size() && isWhitespace(at(m_pos)))
            ++m_pos;
    }

    void consumeName()
    {
        while (m_pos < size()) {
            const char16_t c = at(m_pos);
            if (isNameUnit(c)) {
                ++m_pos;
            } else if (validEscape(m_pos)) {
                ++m_pos;
                consumeEscape();
            } else {
                return;
            }
        }
    }

    void consumeNumber()
    {
        if (at(m_pos) == u'+' || at(m_pos) == u'-')
            ++m_pos;
        while (isDigit(at(m_pos)))
            ++m_pos;
        if (at(m_pos) == u'.' && isDigit(at(m_pos + 1))) {
            m_pos += 2;
            while (isDigit(at(m_pos)))
                ++m_pos;
        }
        const char16_t e = at(m_pos);
        if (e == u'e' || e == u'E') {
            const char16_t sign = at(m_pos + 1);
            if (isDigit(sign)) {
                m_pos += 2;
            } else if ((sign == u'+' || sign == u'-') && isDigit(at(m_pos + 2))) {
                m_pos += 3;
            } else {
                return;
            }
            while (isDigit(at(m_pos)))
                ++m_pos;
        }
    }

    TokenKind consumeNumeric()
    {
        consumeNumber();
        if (startsIdent(m_pos)) {
            consumeName();
            return TokenKind::Dimension;
        }
        if (at(m_pos) == u'%') {
            ++m_pos;
            return TokenKind::Percentage;
        }
        return TokenKind::Number;
    }

    TokenKind consumeString(char16_t quote)
    {
        while (m_pos < size()) {
            const char16_t c = at(m_pos);
            if (c == quote) {
                ++m_pos;
                return TokenKind::String;
            }
            if (isNewline(c))
                return TokenKind::BadString; // the line end stays outside
            ++m_pos;
            if (c == u'\\' && m_pos < size()) {
                if (isNewline(at(m_pos)))
                    consumeOneWhitespace(); // an escaped line end continues the string
                else
                    consumeEscape();
            }
        }
        m_unclosed = true;
        return TokenKind::String; // the text's end closes it
    }

    // What is left of an address that went wrong, up to its ")".
    TokenKind consumeBadUrl()
    {
        m_unclosed = true;
        while (m_pos < size()) {
            if (at(m_pos) == u')') {
                ++m_pos;
                m_unclosed = false;
                break;
            }
            if (validEscape(m_pos)) {
                ++m_pos;
                consumeEscape();
            } else {
                ++m_pos;
            }
        }
        return TokenKind::BadUrl;
    }

    static bool isNonPrintable(char16_t c) { return c <= 0x08 || c == 0x0b || (c >= 0x0e && c <= 0x1f) || c == 0x7f; }

    // After "url(" and its blanks, an unquoted address.
    TokenKind consumeUrl()
    {
        while (m_pos < size()) {
            const char16_t c = at(m_pos);
            if (c == u')') {
                ++m_pos;
                return TokenKind::Url;
            }
            if (isWhitespace(c)) {
                while (m_pos < size() && isWhitespace(at(m_pos)))
                    ++m_pos;
                if (m_pos >= size()) {
                    m_unclosed = true;
                    return TokenKind::Url;
                }
                if (at(m_pos) == u')') {
                    ++m_pos;
                    return TokenKind::Url;
                }
                return consumeBadUrl();
            }
            if (c == u'"' || c == u'\'' || c == u'(' || (isNonPrintable(c) && c != 0))
                return consumeBadUrl();
            if (c == u'\\') {
                if (!validEscape(m_pos))
                    return consumeBadUrl();
                ++m_pos;
                consumeEscape();
                continue;
            }
            ++m_pos;
        }
        m_unclosed = true;
        return TokenKind::Url;
    }

    TokenKind consumeIdentLike(qsizetype start)
    {
        consumeName();
        if (at(m_pos) != u'(')
            return TokenKind::Ident;
        const bool url = m_pos - start == 3 && asciiLower(at(start)) == u'u' && asciiLower(at(start + 1)) == u'r'
            && asciiLower(at(start + 2)) == u'l';
        ++m_pos;
        if (!url)
            return TokenKind::Function;
        qsizetype p = m_pos;
        while (p < size() && isWhitespace(at(p)))
            ++p;
        if (at(p) == u'"' || at(p) == u'\'')
            return TokenKind::Function; // a quoted address: "url(", blanks, then a string
        m_pos = p;
        return consumeUrl();
    }

    TokenKind consume()
    {
        if (m_pos >= size())
            return TokenKind::End;
        const qsizetype start = m_pos;
        const char16_t c = at(m_pos);
        if (isWhitespace(c)) {
            while (m_pos < size() && isWhitespace(at(m_pos)))
                ++m_pos;
            return TokenKind::Whitespace;
        }
        if (isNameStart(c))
            return consumeIdentLike(start);
        if (isDigit(c))
            return consumeNumeric();
        switch (c) {
        case u'/':
            if (at(m_pos + 1) == u'*') {
                m_pos = commentEnd(m_pos + 2);
                return TokenKind::Comment;
            }
            break;
        case u'"':
        case u'\'':
            ++m_pos;
            return consumeString(c);
        case u'#':
            if (isNameUnit(at(m_pos + 1)) && m_pos + 1 < size()) {
                ++m_pos;
                consumeName();
                return TokenKind::Hash;
            }
            if (validEscape(m_pos + 1)) {
                ++m_pos;
                consumeName();
                return TokenKind::Hash;
            }
            break;
        case u'+':
        case u'.':
            if (startsNumber(m_pos))
                return consumeNumeric();
            break;
        case u'-':
            if (startsNumber(m_pos))
                return consumeNumeric();
            if (at(m_pos + 1) == u'-' && at(m_pos + 2) == u'>') {
                m_pos += 3;
                return TokenKind::Cdc;
            }
            if (startsIdent(m_pos))
                return consumeIdentLike(start);
            break;
        case u'<':
            if (at(m_pos + 1) == u'!' && at(m_pos + 2) == u'-' && at(m_pos + 3) == u'-') {
                m_pos += 4;
                return TokenKind::Cdo;
            }
            break;
        case u'@':
            if (startsIdent(m_pos + 1)) {
                ++m_pos;
                consumeName();
                return TokenKind::AtKeyword;
            }
            break;
        case u'\\':
            if (validEscape(m_pos))
                return consumeIdentLike(start);
            break;
        case u':':
            ++m_pos;
            return TokenKind::Colon;
        case u';':
            ++m_pos;
            return TokenKind::Semicolon;
        case u',':
            ++m_pos;
            return TokenKind::Comma;
        case u'[':
            ++m_pos;
            return TokenKind::LeftBracket;
        case u']':
            ++m_pos;
            return TokenKind::RightBracket;
        case u'(':
            ++m_pos;
            return TokenKind::LeftParen;
        case u')':
            ++m_pos;
            return TokenKind::RightParen;
        case u'{':
            ++m_pos;
            return TokenKind::LeftBrace;
        case u'}':
            ++m_pos;
            return TokenKind::RightBrace;
        default:
            break;
        }
        ++m_pos;
        return TokenKind::Delim;
    }

    View m_text;
    qsizetype m_pos = 0;
    bool m_pendingComment = false;
    bool m_unclosed = false;
};

// Whether the token is one a reader steps over as a whole: a comment, a string or an
// address, whose braces, semicolons and quotes mean nothing.
inline bool isOpaque(TokenKind kind)
{
    return kind == TokenKind::Comment || kind == TokenKind::String || kind == TokenKind::BadString
        || kind == TokenKind::Url || kind == TokenKind::BadUrl;
}

// Whether the text of a token equals `word`, ASCII letter case ignored; `word` is
// lower case ASCII.
template<typename View>
bool equalsLower(View text, qsizetype start, qsizetype end, const char *word)
{
    qsizetype i = 0;
    for (; word[i]; ++i) {
        if (start + i >= end || asciiLower(unitAt(text, start + i)) != char16_t(uchar(word[i])))
            return false;
    }
    return start + i == end;
}

} // namespace Css
