// One typed character in the middle of a large style sheet, as the editor sees it:
// the key goes through the editor's key handling and its change report.

#include "editor/SheetEditor.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

QStringList sheet(qsizetype bytes)
{
    QStringList lines;
    qsizetype size = 0;
    for (int i = 0; size < bytes; ++i) {
        lines << QStringLiteral("p.klasse%1 { color: #336699; margin: 0 auto; }").arg(i);
        size += lines.last().size() + 1;
    }
    return lines;
}

void typeInTheMiddle(benchmark::State &state)
{
    SheetEditor editor;
    editor.resize(800, 600);
    editor.show();
    const QStringList lines = sheet(state.range(0));
    editor.setLines(lines);
    editor.setCaretPosition(int(lines.size() / 2), 5);
    int reports = 0;
    QObject::connect(&editor, &SheetEditor::changed, [&] { ++reports; });
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(&editor, &press);
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QCoreApplication::sendEvent(&editor, &back);
    }
    state.counters["reports"] = reports;
}

} // namespace

BENCHMARK(typeInTheMiddle)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
