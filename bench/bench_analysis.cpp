// The analysis after an edit: join, strip, walk, the three sorted lists, repeats.
// Each iteration alternates between the sheet and a copy with one selector changed,
// as typing does; the parser keeps its lists between runs as in the program.
// Also formatting a whole sheet (Bearbeiten > Formatieren), which runs the analysis
// once more to keep its selectors, and the analysis by CSS syntax beside the classic
// one on the same sheets, real ones too, as a ratio measured in one run.

#include "ReferenceParser.h"
#include "SheetGenerator.h"
#include "analysis/CssSyntaxReader.h"
#include "analysis/StyleSheetParser.h"
#include "css/CssTokenizer.h"
#include "editor/SheetFormatter.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <chrono>

namespace {

QString input(int which)
{
    switch (which) {
    case 0:
        return generatedSheet(100 << 10);
    case 1:
        return generatedSheet(1 << 20);
    case 2:
        return generatedSheet(5 << 20);
    default:
        return minifiedSheet(700 << 10);
    }
}

const char *const kNames[] = {"100KB", "1MB", "5MB", "700KB minified"};

// Typing inside a declaration leaves the selectors as they were; typing a selector
// changes them.
QString edited(const QString &sheet, bool selector)
{
    QString text = sheet;
    if (selector) {
        text.insert(text.size() / 2, QStringLiteral("\nem.neu { color: red; }\n"));
    } else {
        const qsizetype colon = text.indexOf(QLatin1Char(':'), text.size() / 2);
        text.insert(colon + 1, QLatin1Char('x'));
    }
    return text;
}

void analysis(benchmark::State &state)
{
    const QString sheet = input(int(state.range(0)));
    const QString edit = edited(sheet, state.range(1) != 0);
    StyleSheetParser parser;
    SheetAnalysis result;
    parser.parseSheet(joinAndStripComments(sheet, true).text, result); // the program has analysed the sheet before
    bool flip = false;
    for (auto _ : state) {
        const QString &text = (flip = !flip) ? edit : sheet;
        const FlatText flat = joinAndStripComments(text, true);
        benchmark::DoNotOptimize(parser.parseSheet(flat.text, result));
    }
    state.SetLabel(QStringLiteral("%1, %2")
                       .arg(QLatin1String(kNames[state.range(0)]),
                            state.range(1) ? QLatin1String("selector typed") : QLatin1String("declaration typed"))
                       .toStdString());
    state.SetBytesProcessed(state.iterations() * sheet.size());
}

void literalReference(benchmark::State &state)
{
    const QStringList lines = input(int(state.range(0))).split(QLatin1Char('\n'));
    for (auto _ : state)
        benchmark::DoNotOptimize(Reference::analyse(lines));
    state.SetLabel(kNames[state.range(0)]);
}

void formatting(benchmark::State &state)
{
    const QString sheet = input(int(state.range(0)));
    const QString indent(8, QLatin1Char(' '));
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetFormatter::applied(sheet, SheetFormatter::edits(sheet, indent)));
    state.SetLabel(kNames[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * sheet.size());
}

// The real sheets tools/perf/fetch-sheets.sh fetched, when it did.
const QStringList &realSheets()
{
    static const QStringList names
        = QDir(QStringLiteral(STYLOGRAF_SHEETS_DIR)).entryList({QStringLiteral("*.css")}, QDir::Files);
    return names;
}

QString sheetText(int which)
{
    if (which < 4)
        return input(which);
    QFile file(QDir(QStringLiteral(STYLOGRAF_SHEETS_DIR)).filePath(realSheets().value(which - 4)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Both readings after the same keys, alternating in one loop so that the machine's
// drift touches both alike: the time is the CSS reading's, `css_vs_classic` the ratio.
void readings(benchmark::State &state)
{
    const int which = int(state.range(0));
    const QString sheet = sheetText(which);
    if (sheet.isEmpty()) {
        state.SkipWithError("no real sheets: run tools/perf/fetch-sheets.sh");
        return;
    }
    const QString edit = edited(sheet, false);
    StyleSheetParser classic;
    CssSyntaxParser css;
    SheetAnalysis a, b;
    classic.parseSheet(joinAndStripComments(sheet, true).text, a);
    css.parseSheet(sheet, b);
    using Clock = std::chrono::steady_clock;
    Clock::duration classicTime{}, cssTime{};
    bool flip = false;
    for (auto _ : state) {
        const QString &text = (flip = !flip) ? edit : sheet;
        state.PauseTiming();
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(classic.parseSheet(joinAndStripComments(text, true).text, a));
        const auto t1 = Clock::now();
        state.ResumeTiming();
        benchmark::DoNotOptimize(css.parseSheet(text, b));
        const auto t2 = Clock::now();
        classicTime += t1 - t0;
        cssTime += t2 - t1;
    }
    state.counters["css_vs_classic"] = double(cssTime.count()) / double(std::max<Clock::rep>(1, classicTime.count()));
    state.SetLabel(which < 4 ? kNames[which] : realSheets().value(which - 4).toStdString());
    state.SetBytesProcessed(state.iterations() * sheet.size());
}

// The tokenizer every reader of CSS text builds on, over UTF-16 (the analysis) and
// over the control's UTF-8 bytes (the marks in view, completion, tips).
void tokenizing(benchmark::State &state)
{
    const QString sheet = sheetText(int(state.range(0)));
    if (sheet.isEmpty()) {
        state.SkipWithError("no real sheets: run tools/perf/fetch-sheets.sh");
        return;
    }
    const QByteArray bytes = sheet.toUtf8();
    const bool utf8 = state.range(1) != 0;
    for (auto _ : state) {
        qsizetype tokens = 0;
        if (utf8) {
            Css::Tokenizer t{QByteArrayView(bytes)};
            while (t.next().kind != Css::TokenKind::End)
                ++tokens;
        } else {
            Css::Tokenizer t{QStringView(sheet)};
            while (t.next().kind != Css::TokenKind::End)
                ++tokens;
        }
        benchmark::DoNotOptimize(tokens);
    }
    const int which = int(state.range(0));
    state.SetLabel((which < 4 ? std::string(kNames[which]) : realSheets().value(which - 4).toStdString())
                   + (utf8 ? ", UTF-8" : ", UTF-16"));
    state.SetBytesProcessed(state.iterations() * (utf8 ? bytes.size() : sheet.size() * 2));
}

} // namespace

BENCHMARK(tokenizing)->ArgsProduct({{1, 4, 8}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(readings)->DenseRange(0, 3)->DenseRange(4, 8)->Unit(benchmark::kMillisecond);
BENCHMARK(formatting)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(analysis)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(literalReference)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
