// Colouring a whole 1 MB style sheet: our highlighter beside QScintilla's own CSS lexer.

#include "SheetGenerator.h"
#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"

#include <Qsci/qscilexercss.h>

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void colourise(benchmark::State &state, QsciLexer *(*makeLexer)(SheetEditor &))
{
    SheetEditor editor;
    editor.setLexer(makeLexer(editor));
    const QString sheet = generatedSheet(1 << 20);
    editor.setLines(sheet.split(QLatin1Char('\n')));
    for (auto _ : state) {
        editor.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
    }
    state.SetBytesProcessed(state.iterations() * sheet.toUtf8().size());
}

HighlighterAttributes &attributes()
{
    static HighlighterAttributes instance;
    return instance;
}

void ours(benchmark::State &state)
{
    colourise(state, [](SheetEditor &e) -> QsciLexer * { return new CssLexer(attributes(), e.font(), &e); });
}

void qscintillaCss(benchmark::State &state)
{
    colourise(state, [](SheetEditor &e) -> QsciLexer * { return new QsciLexerCSS(&e); });
}

} // namespace

BENCHMARK(ours)->Unit(benchmark::kMillisecond);
BENCHMARK(qscintillaCss)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
