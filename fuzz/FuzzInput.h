#pragma once

// What the harnesses share: text made from the fuzzer's bytes, and a check that turns
// a wrong result into a crash, which the fuzzer reports and keeps.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "css/ReadingPlaces.h"

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

// Up to `count` edits of `sheet` as typing makes them (a few characters replaced by a
// few others), `check` after each.
template<typename Check>
void editInTurn(FuzzedDataProvider &in, QString &sheet, int count, Check check)
{
    for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        const auto at = in.ConsumeIntegralInRange<qsizetype>(0, sheet.size());
        const auto removed = in.ConsumeIntegralInRange<qsizetype>(0, qMin<qsizetype>(8, sheet.size() - at));
        sheet.replace(at, removed, fuzzText(in, in.ConsumeIntegralInRange<size_t>(0, 12)));
        check();
    }
}

// What a search for ranges of CSS text (items with `start` and `length`) must keep:
// items in order inside the text; a search of [from, to) reports the whole text's
// items that start there; a reading from the reading place before `from`, with the
// blocks open there, reports the same. `find(text, from, to, blocks)` is the search;
// returns every item.
template<typename Item, typename Find>
QList<Item> checkRangeSearch(const QByteArray &text, qsizetype from, qsizetype to, Find find)
{
    const auto described = [](const QList<Item> &items) {
        QStringList out;
        for (const Item &item : items)
            out << QStringLiteral("%1+%2").arg(item.start).arg(item.length);
        return out.join(QLatin1Char(' '));
    };
    const qsizetype n = text.size();
    const QList<Item> all = find(text, 0, n, Css::Blocks());
    qsizetype end = 0;
    QList<Item> inRange;
    for (const Item &item : all) {
        FUZZ_CHECK(item.start >= end && item.length > 0 && item.start + item.length <= n, described(all));
        end = item.start + item.length;
        if (item.start >= from && item.start < to)
            inRange << item;
    }
    const QList<Item> ranged = find(text, from, to, Css::Blocks());
    FUZZ_CHECK(
        ranged == inRange,
        QStringLiteral("[%1, %2): %3 instead of %4").arg(from).arg(to).arg(described(ranged), described(inRange)));
    // Places remembered on the way to a later position serve an earlier one too.
    Css::ReadingPlaces places;
    const auto bytes = [&](qsizetype f, qsizetype t) { return QByteArrayView(text).sliced(f, t - f); };
    places.before(n, bytes);
    const Css::Place place = places.before(from, bytes);
    FUZZ_CHECK(place.offset >= 0 && place.offset <= from, QStringLiteral("place %1").arg(place.offset));
    QList<Item> resumed
        = find(QByteArrayView(text).sliced(place.offset), from - place.offset, to - place.offset, place.blocks);
    for (Item &item : resumed)
        item.start += place.offset;
    FUZZ_CHECK(resumed == ranged,
               QStringLiteral("from the place %1: %2 instead of %3")
                   .arg(place.offset)
                   .arg(described(resumed), described(ranged)));
    return all;
}
