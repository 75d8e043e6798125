#include "Startup.h"

#include "QtDialogs.h"
#include "ScreenRoutines.h"
#include "SplashWindow.h"
#include "app/AppError.h"
#include "app/CommandLine.h"
#include "app/Installation.h"
#include "app/SharedRoutines.h"
#include "main_window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QThread>
#include <QWindow>

#include <unistd.h>

namespace Startup {

std::unique_ptr<SplashWindow> createSplash(AppPaths &paths, Dialogs &dialogs, const QString &fileVersion)
{
    QString label;
    try {
        label = QStringLiteral("Version ") + versionString(fileVersion);
    } catch (const AppError &error) {
        dialogs.showFailure(error);
        return std::make_unique<SplashWindow>();
    }
    // Widget sizes and font pixel sizes are independent of the screen's resolution
    // here, so the window keeps its design size without scaling.
    auto splash = std::make_unique<SplashWindow>(label);
    paths.styleDefDir = AppPaths::subFolder(paths.dataFolder(), QStringLiteral("styledefs"));
    centreOnScreen(*splash);
    return splash;
}

namespace {

// A window is drawn only once the window system has mapped it: a repaint before that is
// lost, and the splash would stay blank while the windows are created without an event
// loop. Waits a moment for the mapping, then draws and hands the picture over.
void paintNow(QWidget &window)
{
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    window.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void createWindows(SplashWindow &splash, const QList<WindowStep> &steps, Dialogs &dialogs,
                   const std::function<void(int)> &pause)
{
    QApplication::setOverrideCursor(Qt::BlankCursor);
    try {
        splash.setProgress(5);
        splash.show();
        paintNow(splash);
        for (const WindowStep &step : steps) {
            dialogs.reportFailure(step.create);
            splash.setProgress(step.progress);
            paintNow(splash);
            pause(100);
        }
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}

void chooseGraphics()
{
    // With OpenGL, the view makes its whole window composite through OpenGL, so every
    // repaint of the editor and the trees goes through it too; without a GPU (virtual
    // machines, remote desktops) that is Mesa's software rasteriser, several times the
    // CPU of our own work per keystroke and a steady load while idle. The preview is a
    // still page: drawing it in software costs little with or without a GPU, and a
    // probe for the kind of OpenGL would need a context at every start.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

int run(int argc, char **argv)
{
    const CommandLine commandLine = CommandLine::parse(argc, argv);
    // The browser engine's sandbox cannot run as root; it refuses to start without this.
    if (geteuid() == 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --no-sandbox");
    }
    // The browser engine describes its graphics set-up at every start: no news for the
    // user. QT_LOGGING_RULES still turns it on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    chooseGraphics();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stylograf"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.stylograf.Stylograf"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QtDialogs dialogs;
    AppPaths paths = Installation::paths(AppPaths::appDirFromExecutable(QCoreApplication::applicationFilePath()),
                                         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                                         QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    dialogs.reportFailure([&] { Installation::prepareUserData(paths, dialogs); });
    std::unique_ptr<SplashWindow> splash = createSplash(paths, dialogs, buildFileVersion());

    std::unique_ptr<MainWindow> mainForm;
    createWindows(*splash,
                  {{10, [&] { mainForm = std::make_unique<MainWindow>(paths, dialogs, commandLine.file); }},
                   {50,
                    [&] {
                        if (mainForm)
                            mainForm->assistantDialog();
                    }},
                   {60,
                    [&] {
                        if (mainForm)
                            mainForm->settingsDialog();
                    }},
                   {90,
                    [&] {
                        if (mainForm)
                            mainForm->aboutBox();
                    }}},
                  dialogs, [](int ms) { QThread::msleep(ms); });
    splash.reset();
    if (!mainForm)
        return 1;
    mainForm->showMaximized();
    return app.exec();
}

} // namespace Startup
