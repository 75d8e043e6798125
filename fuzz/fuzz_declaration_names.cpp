// The property names the editor checks for typos: each a name followed by a colon,
// never a custom or vendor name; a narrower range and a reading from the reading place
// before it (with the blocks open there, so also the at-rule a name belongs to) agree
// with a full scan.

#include "FuzzInput.h"
#include "editor/DeclarationNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto a = in.ConsumeIntegral<uint16_t>();
    const auto b = in.ConsumeIntegral<uint16_t>();
    const QByteArray text = fuzzText(in, 3000).toUtf8();
    const qsizetype n = text.size();
    const qsizetype from = n ? qsizetype(a) % (n + 1) : 0;
    const qsizetype to = from + (n ? qsizetype(b) % (n + 1 - from) : 0);

    const QList<DeclarationNames::Name> all = checkRangeSearch<DeclarationNames::Name>(
        text, from, to, [](QByteArrayView t, qsizetype f, qsizetype e, const Css::Blocks &blocks) {
            return DeclarationNames::find(t, f, e, blocks);
        });
    for (const DeclarationNames::Name &name : all) {
        const QString at = QStringLiteral("%1+%2").arg(name.start).arg(name.length);
        FUZZ_CHECK(text[name.start] != '-', at + QStringLiteral(" is a custom or vendor name"));
        // Blanks and comments may stand before the colon.
        Css::Tokenizer after{QByteArrayView(text), name.start + name.length};
        Css::Token colon = after.next();
        while (colon.kind == Css::TokenKind::Whitespace || colon.kind == Css::TokenKind::Comment)
            colon = after.next();
        FUZZ_CHECK(colon.kind == Css::TokenKind::Colon, at + QStringLiteral(" has no colon"));
    }
    return 0;
}
