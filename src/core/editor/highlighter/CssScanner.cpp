#include "CssScanner.h"

#include <array>
#include <vector>

namespace {

bool isLetter(char16_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigit(char16_t c)
{
    return c >= '0' && c <= '9';
}

bool isIdentifierChar(char16_t c)
{
    return isLetter(c) || isDigit(c) || c == '-' || c == '_';
}

bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool isSpaceChar(char16_t c)
{
    return c != 0 && c != 10 && c != 13 && c <= 32;
}

bool endsCommentLine(char16_t c)
{
    return c == 0 || c == 10 || c == 13;
}

int charValue(char16_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 1;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 1;
    if (c == '_')
        return 31;
    if (c == '-')
        return -19;
    return 0;
}

// The keywords in the slot of their hash.
const std::array<std::vector<int>, 256> &keywordSlots()
{
    static const std::array<std::vector<int>, 256> table = [] {
        std::array<std::vector<int>, 256> t;
        const QStringList &words = CssScanner::keywords();
        for (int i = 0; i < words.size(); ++i)
            t[size_t(CssScanner::keywordHash(words[i]))].push_back(i);
        return t;
    }();
    return table;
}

} // namespace

const QStringList &CssScanner::keywords()
{
    static const QStringList words
        = QStringLiteral(
              "ascent azimuth b-box background background-attachment background-color background-image "
              "background-position "
              "background-position-x background-position-y baseline behavior border border-bottom border-bottom-color "
              "border-bottom-style border-bottom-width border-collapse border-color border-left border-left-color "
              "border-left-style border-left-width border-right border-right-color border-right-style "
              "border-right-width "
              "border-spacing border-style border-top border-top-color border-top-style border-top-width border-width "
              "bottom "
              "cap-height caption-side centerline clear clip cm color content counter counter-increment counter-reset "
              "cue "
              "cue-after cue-before cursor definition-src deg descent direction display elevation em empty-cells ex "
              "filter "
              "float font font-family font-size font-size-adjust font-stretch font-style font-variant font-weight grad "
              "height Hz ime-mode in kHz layout-grid layout-grid-line layout-grid-mode layout-grid-type left "
              "letter-spacing "
              "line-break line-height list-style list-style-image list-style-position list-style-type margin "
              "margin-bottom "
              "margin-left margin-right margin-top marker-offset marks mathline max-height max-width min-height "
              "min-width "
              "mm ms orphans outline outline-color outline-style outline-width overflow overflow-x overflow-y padding "
              "padding-bottom padding-left padding-right padding-top page page-break-after page-break-before "
              "page-break-inside panose-1 pause pause-after pause-before pc pitch pitch-range play-during position pt "
              "px "
              "quotes rad richness right ruby-align ruby-overhang ruby-position run-in s scrollbar-3d-light-color "
              "scrollbar-arrow-color scrollbar-base-color scrollbar-dark-shadow-color scrollbar-face-color "
              "scrollbar-highlight-color scrollbar-shadow-color size slope speak speak-header speak-numeral "
              "speak-punctuation speech-rate src stemh stemv stress table-layout text-align text-autospace "
              "text-decoration "
              "text-indent text-justify text-kashida-space text-shadow text-transform text-underline-position top "
              "top-line "
              "unicode-bidi unicode-range units-per-em vertical-align visibility voice-family volume white-space "
              "widows "
              "width widths word-break word-spacing word-wrap writing-mode x-height z-index zoom")
              .split(QLatin1Char(' '));
    return words;
}

int CssScanner::keywordHash(QStringView identifier)
{
    int hash = 0;
    for (QChar c : identifier)
        hash += charValue(c.unicode());
    return hash;
}

bool CssScanner::isKeyword(QStringView identifier)
{
    const int hash = keywordHash(identifier);
    if (hash < 0 || hash > 254)
        return false;
    for (int index : keywordSlots()[size_t(hash)]) {
        const QString &word = keywords()[index];
        if (word.size() != identifier.size())
            continue;
        bool same = true;
        for (qsizetype i = 0; same && i < word.size(); ++i)
            same = charValue(word[i].unicode()) == charValue(identifier[i].unicode());
        if (same)
            return true;
    }
    return false;
}

void CssScanner::loadLine(QStringView line)
{
    m_line = line;
    m_pos = 0;
    nextToken();
}

void CssScanner::nextToken()
{
    m_start = m_pos;
    if (m_range == RangeState::InComment) {
        commentContinuation();
        return;
    }
    const char16_t c = at(m_pos);
    switch (c) {
    case 0:
        m_kind = TokenKind::EndOfLine;
        return;
    case 10:
        ++m_pos;
        m_kind = TokenKind::Space;
        return;
    case 13:
        ++m_pos;
        if (at(m_pos) == 10)
            ++m_pos;
        m_kind = TokenKind::Space;
        return;
    case '#':
    case '$':
        ++m_pos;
        while (isHexDigit(at(m_pos)))
            ++m_pos;
        m_kind = TokenKind::Number;
        return;
    case '\'':
        string();
        return;
    case '(':
    case ')':
        ++m_pos;
        m_kind = TokenKind::Symbol;
        return;
    case '-':
        minus();
        return;
    case '/':
        ++m_pos;
        if (at(m_pos) != '*') {
            m_kind = TokenKind::Symbol;
            return;
        }
        ++m_pos;
        m_kind = TokenKind::Comment;
        m_range = RangeState::InComment;
        if (!endsCommentLine(at(m_pos)))
            commentContinuation();
        return;
    case '{':
    case '}':
        ++m_pos;
        while (isDigit(at(m_pos)))
            ++m_pos;
        m_kind = TokenKind::String;
        return;
    default:
        break;
    }
    if (isSpaceChar(c)) {
        while (isSpaceChar(at(m_pos)))
            ++m_pos;
        m_kind = TokenKind::Space;
    } else if (isDigit(c)) {
        number();
    } else if (isLetter(c) || c == '_') {
        identifier();
    } else {
        // A character outside the basic plane is one token, never half of one.
        m_pos += QChar::isHighSurrogate(c) && QChar::isLowSurrogate(at(m_pos + 1)) ? 2 : 1;
        m_kind = TokenKind::Unknown;
    }
}

void CssScanner::commentContinuation()
{
    if (at(m_pos) == 0) {
        m_kind = TokenKind::EndOfLine; // an empty line inside a comment
        return;
    }
    m_kind = TokenKind::Comment;
    for (;;) {
        if (at(m_pos) == '*' && at(m_pos + 1) == '/') {
            m_pos += 2;
            m_range = RangeState::Normal;
            return;
        }
        ++m_pos;
        if (endsCommentLine(at(m_pos)))
            return;
    }
}

void CssScanner::identifier()
{
    while (isIdentifierChar(at(m_pos)))
        ++m_pos;
    m_kind = isKeyword(tokenText()) ? TokenKind::Key : TokenKind::Identifier;
}

void CssScanner::number()
{
    m_kind = TokenKind::Number;
    ++m_pos;
    for (;;) {
        const char16_t c = at(m_pos);
        if (c == '.') {
            if (at(m_pos + 1) == '.')
                return;
        } else if (c == 'e') {
            if (at(m_pos + 1) == 'x' || at(m_pos + 1) == 'm')
                return;
        } else if (c != 'E' && !isDigit(c)) {
            return;
        }
        ++m_pos;
    }
}

void CssScanner::minus()
{
    const bool afterSpace = m_pos > 0 && at(m_pos - 1) == ' ';
    ++m_pos;
    if (!afterSpace) {
        m_kind = TokenKind::Identifier;
        return;
    }
    const char16_t next = at(m_pos);
    if (isLetter(next) || isDigit(next)) {
        m_kind = TokenKind::Number;
    } else if (next == '.' && (isLetter(at(m_pos + 1)) || isDigit(at(m_pos + 1)))) {
        ++m_pos;
        m_kind = TokenKind::Number;
    } else {
        m_kind = TokenKind::Unknown; // a lone minus between blanks, like other operators
    }
}

void CssScanner::string()
{
    ++m_pos;
    if (at(m_pos) == '\'' && at(m_pos + 1) == '\'')
        m_pos += 2;
    // A NUL ends the line for the scanner, strings included.
    while (at(m_pos) != u'\0' && at(m_pos) != '\'')
        ++m_pos;
    if (at(m_pos) == '\'')
        ++m_pos;
    m_kind = TokenKind::String;
}
