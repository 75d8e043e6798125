// Opening and saving a large style sheet: decoding, line splitting and encoding.

#include "document/TextFileFormat.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray sheet(qsizetype bytes, bool latin1)
{
    const QByteArray rule = latin1 ? QByteArray("p.gr\xf6\xdf"
                                                "e { color: #336699; margin: 0 auto; }\r\n")
                                   : QByteArray("p.gr\xc3\xb6\xc3\x9f"
                                                "e { color: #336699; margin: 0 auto; }\r\n");
    QByteArray text;
    while (text.size() < bytes)
        text += rule;
    return text;
}

void decodeUtf8(benchmark::State &state)
{
    const QByteArray bytes = sheet(state.range(0), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFileFormat::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void decodeWindows1252(benchmark::State &state)
{
    const QByteArray bytes = sheet(state.range(0), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFileFormat::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void encodeUtf8(benchmark::State &state)
{
    const auto decoded = TextFileFormat::decode(sheet(state.range(0), false));
    QByteArray out;
    for (auto _ : state) {
        TextFileFormat::encode(decoded.lines, decoded.format, out);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * out.size());
}

} // namespace

BENCHMARK(decodeUtf8)->Arg(1 << 20);
BENCHMARK(decodeWindows1252)->Arg(1 << 20);
BENCHMARK(encodeUtf8)->Arg(1 << 20);
BENCHMARK_MAIN();
