// What the user waits for after a key, on generated sheets and on real framework
// sheets (tools/perf/fetch-sheets.sh puts them into build/sheets; absent ones are left
// out):
// - keyAndRepaint: one character typed into the middle of the sheet and the whole
//   window repainted at once; in the same run the bare editing control with the same
//   text, key and repaint, and the ratio of the two;
// - keyAndNextFrame: the same, but painting only what the key marked for repainting,
//   as the window's next frame does;
// - helpersOnAndOff: keyAndRepaint with the editor's colour swatches, completion,
//   property tips and unknown names on and off in turn, and the ratio of the two;
// - classicAndCssReading: keyAndRepaint with the analysis reading the sheet by the
//   classic walk and by CSS syntax in turn, and the ratio of the two;
// - keyToPreview: the key until the preview has shown the new page;
// - open: opening the file until the window with its trees is painted, and until the
//   preview has shown the sheet.

#include "MainWindowFixture.h"
#include "SheetGenerator.h"
#include "app/Startup.h"
#include "editor/SheetEditor.h"
#include "preview/WebEnginePreview.h"
#include "structure_view/AnalysisController.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <functional>

#include <benchmark/benchmark.h>

namespace {

struct Sheet
{
    std::string name;
    QByteArray bytes;
};

QList<Sheet> sheets()
{
    QList<Sheet> list{{"generated 1MB", generatedSheet(1 << 20).toUtf8()},
                      {"generated 700KB minified", minifiedSheet(700 << 10).toUtf8()}};
    const QDir real(QStringLiteral(STYLOGRAF_SHEETS_DIR));
    for (const char *name : {"bootstrap.css", "bootstrap.min.css", "tailwind.css", "bulma.min.css", "primer.css"}) {
        QFile file(real.filePath(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly))
            list.append({name, file.readAll()});
    }
    return list;
}

// Inside a declaration about the middle of the sheet: the middle line, or the middle
// of the one long line of a minified sheet. Line and column count from 1.
QPoint caretSpot(const QStringList &lines)
{
    qsizetype line = lines.size() / 2;
    if (lines.size() < 100) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].size() > lines[line].size())
                line = i;
    }
    const QString &text = lines[line];
    qsizetype colon = text.indexOf(QLatin1Char(':'), text.size() / 2);
    if (colon < 0)
        colon = qMax<qsizetype>(text.indexOf(QLatin1Char(':')), 0);
    return QPoint(int(colon + 2), int(line + 1));
}

QKeyEvent keyFor(bool type)
{
    return type ? QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"))
                : QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
}

// Seconds from typing "x" (or taking it back) into `target` to the end of `then()`.
template<typename Then>
double timedKey(QObject *target, bool type, Then then)
{
    QKeyEvent key = keyFor(type);
    QElapsedTimer timer;
    timer.start();
    QCoreApplication::sendEvent(target, &key);
    then();
    return double(timer.nsecsElapsed()) / 1e9;
}

WebEnginePreview *previewOf(MainWindow &window)
{
    return window.findChild<WebEnginePreview *>();
}

// Waits for the preview's next page; false after `ms` without one.
bool waitForPage(WebEnginePreview *preview, int ms)
{
    bool shown = false;
    const QMetaObject::Connection c = QObject::connect(preview, &WebEnginePreview::pageShown, [&] { shown = true; });
    QElapsedTimer waited;
    waited.start();
    while (!shown && waited.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QObject::disconnect(c);
    return shown;
}

struct OpenSheet
{
    MainWindowFixture fixture;
    QStringList lines;
    bool previewed = false; // a sheet whose analysis stops with an error keeps the preview's old page

    explicit OpenSheet(const Sheet &sheet)
    {
        fixture.open().resize(1280, 900);
        fixture.openFile(QStringLiteral("sheet.css"), sheet.bytes);
        lines = QString::fromUtf8(sheet.bytes).split(QLatin1Char('\n'));
        const QPoint spot = caretSpot(lines);
        fixture.editor()->setCaretPosition(spot.y(), spot.x());
        previewed = waitForPage(previewOf(*fixture.window), 20000);
    }
};

enum class Frame { WholeWindow, PendingUpdates };

// Paints the window: all of it, or the regions waiting for the next frame.
void paint(QWidget &window, Frame frame)
{
    if (frame == Frame::WholeWindow)
        window.repaint();
    else
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

void setHelpers(SheetEditor &editor, bool on)
{
    editor.setColourSwatchesVisible(on);
    editor.setCompletionEnabled(on);
    editor.setPropertyTipsEnabled(on);
    editor.setUnknownNamesMarked(on);
}

void keyAndPaint(benchmark::State &state, const Sheet &sheet, Frame frame)
{
    OpenSheet open(sheet);
    MainWindow &window = *open.fixture.window;
    SheetEditor *editor = open.fixture.editor();
    setHelpers(*editor, true);

    QWidget bareWindow;
    auto *bare = new QsciScintilla(&bareWindow);
    bareWindow.resize(editor->size());
    bare->resize(editor->size());
    bare->setUtf8(true);
    bare->setText(QString::fromUtf8(sheet.bytes));
    const QPoint spot = caretSpot(open.lines);
    bare->setCursorPosition(spot.y() - 1, spot.x() - 1);
    bareWindow.show();
    QCoreApplication::processEvents();

    double seconds = 0;
    double bareSeconds = 0;
    bool type = true;
    for (auto _ : state) {
        const double elapsed = timedKey(editor, type, [&] { paint(window, frame); });
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        bareSeconds += timedKey(bare, type, [&] { paint(bareWindow, frame); });
        type = !type;
        QCoreApplication::processEvents(); // the browser engine between keys, as in the running window
    }
    state.counters["bare_ms"] = benchmark::Counter(bareSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = bareSeconds > 0 ? seconds / bareSeconds : 0;
    state.SetLabel(sheet.name);
}

void keyAndRepaint(benchmark::State &state, const Sheet &sheet)
{
    keyAndPaint(state, sheet, Frame::WholeWindow);
}

// Two settings of one window in turn, the same keys in each, so the machine's drift
// between runs does not count: each turn types "x" and takes it back; `set(second)`
// switches, and neither it nor the paint after it is timed. The iteration's time is the
// second setting's; the counters `<first>_ms` and `<second>_vs_<first>` the rest.
void inTurn(benchmark::State &state, const Sheet &sheet, OpenSheet &open, const std::function<void(bool)> &set,
            const std::string &first, const std::string &second)
{
    MainWindow &window = *open.fixture.window;
    SheetEditor *editor = open.fixture.editor();
    double seconds[2] = {0, 0};
    bool secondFirst = true;
    const auto turn = [&](bool toSecond) {
        set(toSecond);
        window.repaint();
        QCoreApplication::processEvents();
        double elapsed = 0;
        for (const bool type : {true, false}) {
            elapsed += timedKey(editor, type, [&] { window.repaint(); });
            QCoreApplication::processEvents();
        }
        seconds[toSecond] += elapsed;
        return elapsed;
    };
    for (auto _ : state) {
        const double a = turn(secondFirst);
        const double b = turn(!secondFirst);
        state.SetIterationTime((secondFirst ? a : b) / 2);
        secondFirst = !secondFirst;
    }
    state.counters[first + "_ms"] = benchmark::Counter(seconds[0] * 500, benchmark::Counter::kAvgIterations);
    state.counters[second + "_vs_" + first] = seconds[0] > 0 ? seconds[1] / seconds[0] : 0;
    state.SetLabel(sheet.name);
}

// The cost of the editing helpers (colour swatches, completion, property tips, unknown
// names): off and on in turn.
void helpersOnAndOff(benchmark::State &state, const Sheet &sheet)
{
    OpenSheet open(sheet);
    inTurn(
        state, sheet, open, [&](bool on) { setHelpers(*open.fixture.editor(), on); }, "off", "on");
}

// The two readings of the analysis in turn; switching analyses the sheet anew. Where a
// reading finds an error the trees and the preview keep what they showed, which costs
// nothing: `classic_error` and `css_error` say where that is so.
void classicAndCssReading(benchmark::State &state, const Sheet &sheet)
{
    OpenSheet open(sheet);
    const AnalysisController &analysis = open.fixture.window->analysis();
    QAction *css = open.fixture.action("actionAnalyseByCssSyntax");
    state.counters["classic_error"] = analysis.analysis().parseError;
    css->trigger();
    state.counters["css_error"] = analysis.analysis().parseError;
    inTurn(
        state, sheet, open,
        [&](bool byCss) {
            if (css->isChecked() != byCss)
                css->trigger();
        },
        "classic", "css");
}

void keyAndNextFrame(benchmark::State &state, const Sheet &sheet)
{
    keyAndPaint(state, sheet, Frame::PendingUpdates);
}

void keyToPreview(benchmark::State &state, const Sheet &sheet)
{
    OpenSheet open(sheet);
    SheetEditor *editor = open.fixture.editor();
    WebEnginePreview *preview = previewOf(*open.fixture.window);
    if (!open.previewed) {
        state.SkipWithError("no preview: the analysis stops with an error");
        return;
    }
    bool type = true;
    for (auto _ : state) {
        bool shown = false;
        const double elapsed = timedKey(editor, type, [&] { shown = waitForPage(preview, 60000); });
        type = !type;
        if (!shown) {
            state.SkipWithError("no page within a minute");
            break;
        }
        state.SetIterationTime(elapsed);
    }
    state.SetLabel(sheet.name);
}

void openSheet(benchmark::State &state, const Sheet &sheet)
{
    MainWindowFixture fixture;
    fixture.open().resize(1280, 900);
    fixture.put(QStringLiteral("sheet.css"), sheet.bytes);
    double previewSeconds = 0;
    bool previewed = true;
    for (auto _ : state) {
        fixture.action("actionNew")->trigger(); // an empty sheet between the openings, shown
        waitForPage(previewOf(*fixture.window), 5000);
        QElapsedTimer timer;
        timer.start();
        fixture.dialogs.openAnswers << fixture.path(QStringLiteral("sheet.css"));
        fixture.action("actionOpen")->trigger();
        fixture.window->repaint();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (fixture.editor()->lineCount() < 2 && sheet.bytes.count('\n') > 1) {
            state.SkipWithError("the sheet was not opened");
            break;
        }
        if (previewed)
            previewed = waitForPage(previewOf(*fixture.window), 20000);
        previewSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    if (previewed) // else the analysis stopped with an error and the preview kept its page
        state.counters["preview_ms"] = benchmark::Counter(previewSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.SetLabel(sheet.name);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    Startup::chooseGraphics();
    QApplication app(argc, argv);
    const QList<Sheet> all = sheets();
    using Measure = void (*)(benchmark::State &, const Sheet &);
    const struct
    {
        const char *name;
        Measure measure;
        int iterations;
    } kinds[] = {{"keyAndRepaint/", keyAndRepaint, 40},
                 {"helpersOnAndOff/", helpersOnAndOff, 40},
                 {"classicAndCssReading/", classicAndCssReading, 40},
                 {"keyAndNextFrame/", keyAndNextFrame, 40},
                 {"keyToPreview/", keyToPreview, 6},
                 {"open/", openSheet, 3}};
    for (const auto &kind : kinds) {
        for (const Sheet &sheet : all) {
            benchmark::RegisterBenchmark((kind.name + sheet.name).c_str(), kind.measure, sheet)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(kind.iterations);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
