#pragma once

#include <QStringList>
#include <QStringView>

// The tokens of one line of a style sheet, and the one state carried from line to
// line: whether a block comment is open.
enum class TokenKind { Comment, Identifier, Key, EndOfLine, Number, Space, String, Symbol, Unknown };
enum class RangeState { Normal, InComment };

class CssScanner
{
public:
    void resetRangeState() { m_range = RangeState::Normal; }
    void setRangeState(RangeState state) { m_range = state; }
    RangeState rangeState() const { return m_range; }

    // Takes the line (without its line break) and scans its first token.
    void loadLine(QStringView line);
    void nextToken();
    bool atLineEnd() const { return m_kind == TokenKind::EndOfLine; }

    TokenKind tokenKind() const { return m_kind; }
    qsizetype tokenStart() const { return m_start; }
    qsizetype tokenLength() const { return m_pos - m_start; }
    QStringView tokenText() const { return m_line.sliced(m_start, m_pos - m_start); }

    // The keywords, and whether a run of identifier characters is one of them
    // (letters in any case; a digit matches any digit).
    static const QStringList &keywords();
    static bool isKeyword(QStringView identifier);
    static int keywordHash(QStringView identifier);

private:
    char16_t at(qsizetype i) const { return i < m_line.size() ? m_line[i].unicode() : u'\0'; }
    void commentContinuation();
    void identifier();
    void number();
    void minus();
    void string();

    QStringView m_line;
    qsizetype m_pos = 0;
    qsizetype m_start = 0;
    TokenKind m_kind = TokenKind::EndOfLine;
    RangeState m_range = RangeState::Normal;
};
