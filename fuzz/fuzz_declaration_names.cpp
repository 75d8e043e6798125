// The property names the editor checks for typos: each a name followed by a colon,
// in order, never a custom or vendor name; a narrower range reports the same names as
// a full scan, so does one from the place it reports as a restart, and starting inside
// a comment is starting after "/*".

#include "FuzzInput.h"
#include "editor/DeclarationNames.h"

namespace {

QString described(const QList<DeclarationNames::Name> &names)
{
    QStringList out;
    for (const DeclarationNames::Name &n : names)
        out << QStringLiteral("%1+%2").arg(n.start).arg(n.length);
    return out.join(QLatin1Char(' '));
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto a = in.ConsumeIntegral<uint16_t>();
    const auto b = in.ConsumeIntegral<uint16_t>();
    const QByteArray text = fuzzText(in, 3000).toUtf8();
    const qsizetype n = text.size();
    const qsizetype from = n ? qsizetype(a) % (n + 1) : 0;
    const qsizetype to = from + (n ? qsizetype(b) % (n + 1 - from) : 0);

    const QList<DeclarationNames::Name> all = DeclarationNames::find(text, 0, n);
    qsizetype end = 0;
    for (const DeclarationNames::Name &name : all) {
        FUZZ_CHECK(name.start >= end && name.length > 0 && name.start + name.length <= n, described(all));
        end = name.start + name.length;
        FUZZ_CHECK(text[name.start] != '-', described({name}) + QStringLiteral(" is a custom or vendor name"));
        qsizetype colon = end;
        while (colon < n && isBlank(text[colon]))
            ++colon;
        FUZZ_CHECK(colon < n && text[colon] == ':', described({name}) + QStringLiteral(" has no colon"));
    }

    QList<DeclarationNames::Name> inRange;
    for (const DeclarationNames::Name &name : all)
        if (name.start >= from && name.start < to)
            inRange << name;
    for (const bool inComment : {false, true}) {
        qsizetype restart = -1;
        const QList<DeclarationNames::Name> ranged = DeclarationNames::find(text, from, to, inComment, &restart);
        if (!inComment)
            FUZZ_CHECK(ranged == inRange,
                       QStringLiteral("[%1, %2): %3 instead of %4")
                           .arg(from)
                           .arg(to)
                           .arg(described(ranged), described(inRange)));
        FUZZ_CHECK(restart >= 0 && restart <= from, QStringLiteral("restart %1").arg(restart));
        if (restart == 0)
            continue;
        QList<DeclarationNames::Name> resumed
            = DeclarationNames::find(QByteArrayView(text).sliced(restart), from - restart, to - restart);
        for (DeclarationNames::Name &n : resumed)
            n.start += restart;
        FUZZ_CHECK(resumed == ranged,
                   QStringLiteral("from the restart %1: %2 instead of %3")
                       .arg(restart)
                       .arg(described(resumed), described(ranged)));
    }

    QList<DeclarationNames::Name> opened = DeclarationNames::find("/*" + text, 0, n + 2);
    for (DeclarationNames::Name &name : opened)
        name.start -= 2;
    const QList<DeclarationNames::Name> inComment = DeclarationNames::find(text, 0, n, true);
    FUZZ_CHECK(inComment == opened, described(inComment) + QStringLiteral(" instead of ") + described(opened));
    return 0;
}
