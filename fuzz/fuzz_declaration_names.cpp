// The property names the editor checks for typos: each a name followed by a colon,
// never a custom or vendor name; a narrower range, a reading from the reported restart
// place and one starting inside a comment agree with a full scan.

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
        text, from, to, [](QByteArrayView t, qsizetype f, qsizetype e, bool inComment, qsizetype *restart) {
            return DeclarationNames::find(t, f, e, inComment, restart);
        });
    for (const DeclarationNames::Name &name : all) {
        const QString at = QStringLiteral("%1+%2").arg(name.start).arg(name.length);
        FUZZ_CHECK(text[name.start] != '-', at + QStringLiteral(" is a custom or vendor name"));
        qsizetype colon = name.start + name.length;
        while (colon < n && QByteArrayView(" \t\n\r\f").contains(text[colon]))
            ++colon;
        FUZZ_CHECK(colon < n && text[colon] == ':', at + QStringLiteral(" has no colon"));
    }
    return 0;
}
