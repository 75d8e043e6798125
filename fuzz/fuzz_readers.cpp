// Every reader of CSS text in the program agrees with the tokenizer about what is a
// comment, a string and an address: nothing starts inside one, completion offers
// nothing inside one, formatting changes nothing inside one. The tokenizer reads the
// control's UTF-8 as it reads UTF-16.

#include "FuzzInput.h"
#include "analysis/CssSyntaxReader.h"
#include "editor/CompletionContext.h"
#include "editor/CssColours.h"
#include "editor/DeclarationNames.h"
#include "editor/SheetFormatter.h"

#include <vector>

namespace {

using Css::Token;
using Css::TokenKind;

template<typename View>
std::vector<Token> tokensOf(View text)
{
    std::vector<Token> out;
    Css::Tokenizer tokens(text);
    for (Token t = tokens.next(); t.kind != TokenKind::End; t = tokens.next())
        out.push_back(t);
    return out;
}

// The comments, strings and addresses: a place strictly inside one is no place to start.
struct Opaque
{
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    bool inside(qsizetype at) const
    {
        for (const auto &[start, end] : spans) {
            if (at > start && at < end)
                return true;
        }
        return false;
    }
};

template<typename View>
Opaque opaqueOf(View text)
{
    Opaque o;
    for (const Token &t : tokensOf(text)) {
        if (Css::isOpaque(t.kind))
            o.spans.emplace_back(t.start, t.end);
    }
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    // As the editor holds it: UTF-8, so no half of a surrogate pair stays alone.
    const QByteArray bytes = fuzzText(in, 2000).toUtf8();
    const QString text = QString::fromUtf8(bytes);

    // UTF-8 and UTF-16: the same tokens, at the same characters.
    std::vector<qsizetype> toUtf16;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = QStringView(text).sliced(i, pair ? 2 : 1).toUtf8().size();
        for (qsizetype b = 0; b < length; ++b)
            toUtf16.push_back(i);
        i += pair;
    }
    toUtf16.push_back(text.size());
    const std::vector<Token> wide = tokensOf(QStringView(text));
    const std::vector<Token> narrow = tokensOf(QByteArrayView(bytes));
    FUZZ_CHECK(wide.size() == narrow.size(),
               QStringLiteral("%1 tokens in UTF-16, %2 in UTF-8").arg(wide.size()).arg(narrow.size()));
    for (size_t i = 0; i < wide.size(); ++i) {
        const Token &w = wide[i], &n = narrow[i];
        FUZZ_CHECK(w.kind == n.kind && w.start == toUtf16[size_t(n.start)] && w.end == toUtf16[size_t(n.end)]
                       && w.unclosed == n.unclosed,
                   QStringLiteral("token %1: %2 %3-%4 in UTF-16, %5 %6-%7 in UTF-8")
                       .arg(i)
                       .arg(int(w.kind))
                       .arg(w.start)
                       .arg(w.end)
                       .arg(int(n.kind))
                       .arg(n.start)
                       .arg(n.end));
    }

    const Opaque bytesOpaque = opaqueOf(QByteArrayView(bytes));
    for (const CssColours::Swatch &s : CssColours::find(bytes, 0, bytes.size()))
        FUZZ_CHECK(!bytesOpaque.inside(s.start),
                   QStringLiteral("a swatch inside a comment or string at %1").arg(s.start));
    for (const DeclarationNames::Name &n : DeclarationNames::find(bytes, 0, bytes.size()))
        FUZZ_CHECK(!bytesOpaque.inside(n.start),
                   QStringLiteral("a name inside a comment or string at %1").arg(n.start));

    const Opaque opaque = opaqueOf(QStringView(text));
    // Completion offers nothing between a comment's, string's or address's marks.
    for (const Token &t : wide) {
        if (!Css::isOpaque(t.kind))
            continue;
        const bool comment = t.kind == TokenKind::Comment;
        const bool string = t.kind == TokenKind::String || t.kind == TokenKind::BadString;
        const qsizetype innerStart = t.start + (comment ? 2 : string ? 1 : text.indexOf(u'(', t.start) - t.start + 1);
        const qsizetype closing = t.unclosed || t.kind == TokenKind::BadString ? 0 : comment ? 2 : 1;
        const qsizetype caret = innerStart + (t.end - closing - innerStart) / 2;
        if (caret >= innerStart && caret <= t.end - closing && caret < t.end + (closing == 0)
            && !(caret < text.size() && text[caret].isLowSurrogate()))
            FUZZ_CHECK(CompletionContext::at(text, caret).kind == CompletionContext::Kind::None,
                       QStringLiteral("completion inside a comment or string at %1").arg(caret));
    }
    const SyntaxReading reading = readSheet(text);
    for (const SyntaxRule &r : reading.rules)
        FUZZ_CHECK(!opaque.inside(r.start), QStringLiteral("a rule inside a comment or string at %1").arg(r.start));
    for (const SyntaxAtRule &a : reading.atRules)
        FUZZ_CHECK(!opaque.inside(a.start), QStringLiteral("an at-rule inside a comment or string at %1").arg(a.start));
    for (const SheetFormatter::Edit &e : SheetFormatter::edits(text, QStringLiteral("  "))) {
        FUZZ_CHECK(!opaque.inside(e.start) && !opaque.inside(e.end),
                   QStringLiteral("formatting inside a comment or string at %1-%2").arg(e.start).arg(e.end));
    }
    return 0;
}
