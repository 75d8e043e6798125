#pragma once

// What the harnesses share: text made from the fuzzer's bytes, and a check that turns
// a wrong result into a crash, which the fuzzer reports and keeps.

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void fuzzFailure(const char *check, const QString &detail)
{
    std::fprintf(stderr, "wrong result: %s\n%s\n", check, qPrintable(detail));
    std::abort();
}

#define FUZZ_CHECK(condition, detail) \
    do { \
        if (!(condition)) \
            fuzzFailure(#condition, (detail)); \
    } while (false)

// Text of up to `bytes` bytes: a byte below 0xE0 is that character (so braces,
// comment marks, line ends and NUL all come as they are); the bytes above stand for
// characters that test the edges of case folding and of UTF-16.
inline QString fuzzText(FuzzedDataProvider &in, size_t bytes)
{
    static const QStringList special = {
        QString::fromUtf8("\xf0\x90\x90\x80"), // Deseret capital long I
        QString::fromUtf8("\xf0\x90\x90\xa8"), // its small letter
        QString::fromUtf8("\xc3\x9f"), // sharp s, which folds to "ss"
        QString::fromUtf8("\xc4\xb0"), // capital I with dot
        QString::fromUtf8("\xc4\xb1"), // dotless i
        QString::fromUtf8("\xe2\x84\xaa"), // Kelvin sign, folding to k
        QString::fromUtf8("\xef\xbb\xbf"), // byte order mark
        QString(QChar(0xD800)), // half of a surrogate pair
        QString(QChar(0xDC00)),
        QStringLiteral("/*"),
        QStringLiteral("*/"),
        QStringLiteral("</style>"),
        QStringLiteral("<!--"),
        QStringLiteral("plaintext"),
        QStringLiteral("&amp;"),
        QStringLiteral("\r\n"),
    };
    const std::string raw = in.ConsumeBytesAsString(bytes);
    QString text;
    text.reserve(qsizetype(raw.size()));
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0xE0)
            text += QChar(b);
        else
            text += special[(b - 0xE0) % special.size()];
    }
    return text;
}
