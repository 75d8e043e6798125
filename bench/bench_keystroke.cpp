// One character typed into the middle of a sheet on the real main window, until the
// change handling has returned: the control's insert, the analysis, both trees, and
// the preview page built and handed to the browser engine.

#include "ScriptedDialogs.h"
#include "SheetGenerator.h"
#include "editor/SheetEditor.h"
#include "main_window/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString input(int which)
{
    switch (which) {
    case 0:
        return generatedSheet(100 << 10);
    case 1:
        return generatedSheet(1 << 20);
    default:
        return minifiedSheet(700 << 10);
    }
}

const char *const kNames[] = {"100KB", "1MB", "700KB minified"};

void typeIntoTheMainWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("inf"));
    AppPaths paths;
    paths.appDir = dir.path() + QLatin1Char('/');
    ScriptedDialogs dialogs;
    MainWindow window(paths, dialogs, {});
    window.resize(1200, 800);
    window.show();
    QCoreApplication::processEvents();

    SheetEditor *editor = window.editor();
    const QStringList lines = input(int(state.range(0))).split(QLatin1Char('\n'));
    editor->setLines(lines);
    editor->selectAll();
    editor->replaceSelection(lines.join(QLatin1Char('\n'))); // analysed once, as after opening
    // Inside a declaration in the middle of the sheet.
    const int line = int(lines.size() / 2);
    editor->setCaretPosition(line + 1, lines[line].indexOf(QLatin1Char(':')) + 2);

    bool type = true;
    for (auto _ : state) {
        QKeyEvent press = type ? QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"))
                               : QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QCoreApplication::sendEvent(editor, &press);
        type = !type;
        state.PauseTiming();
        QCoreApplication::processEvents(); // the engine loads the page between keys
        state.ResumeTiming();
    }
    state.SetLabel(kNames[state.range(0)]);
}

} // namespace

BENCHMARK(typeIntoTheMainWindow)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2)
    ->ComputeStatistics("median", [](const std::vector<double> &v) {
        std::vector<double> s = v;
        std::sort(s.begin(), s.end());
        return s[s.size() / 2];
    });

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
