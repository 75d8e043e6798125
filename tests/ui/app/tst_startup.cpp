#include "ScriptedDialogs.h"
#include "app/AppError.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

struct PaintCounter : QObject
{
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void splashWithAVersion()
    {
        ScriptedDialogs dialogs;
        AppPaths paths;
        paths.appDir = QStringLiteral("/opt/sg/");
        auto splash = Startup::createSplash(paths, dialogs, QStringLiteral("1.1.0.1"));
        QCOMPARE(paths.styleDefDir, QStringLiteral("/opt/sg/styledefs/"));
        QVERIFY(paths.infDir.isEmpty()); // set by the main window
        QCOMPARE(splash->versionText(), QStringLiteral("Version 1.1.0"));
        QCOMPARE(splash->size(), QSize(345, 90));
        QVERIFY(dialogs.asked.isEmpty());
        const QSize screen = QGuiApplication::primaryScreen()->size();
        QCOMPARE(splash->pos(), QPoint((screen.width() - 345) / 2, (screen.height() - 90) / 2));
    }

    void splashWithoutAVersion()
    {
        ScriptedDialogs dialogs;
        AppPaths paths;
        paths.appDir = QStringLiteral("/");
        auto splash = Startup::createSplash(paths, dialogs, QString());
        QVERIFY(paths.styleDefDir.isEmpty());
        QCOMPARE(splash->versionText(), QStringLiteral("Version 1.0.0")); // the design text
        QCOMPARE(dialogs.askedTexts(), QStringList{QStringLiteral("Keine Versionsinformationen vorhanden.")});
        QCOMPARE(dialogs.asked[0].kind, BoxKind::Failure);
    }

    void windowsAreCreatedInOrderUnderAHiddenPointer()
    {
        ScriptedDialogs dialogs;
        SplashWindow splash(QStringLiteral("Version 1.0.0"));
        QSignalSpy progress(&splash, &SplashWindow::progressChanged);
        QStringList events;
        QList<int> pauses;
        auto pointerHidden = [] {
            return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BlankCursor;
        };
        Startup::createWindows(splash,
                               {{10, [&] { events << QStringLiteral("main:%1").arg(pointerHidden()); }},
                                {20, [&] { throw AppError(QStringLiteral("kaputt")); }},
                                {30, [&] { events << QStringLiteral("search:%1").arg(splash.isVisible()); }}},
                               dialogs, [&](int ms) { pauses << ms; });
        QCOMPARE(events, (QStringList{"main:1", "search:1"}));
        QList<int> values;
        for (const auto &args : progress)
            values << args[0].toInt();
        QCOMPARE(values, (QList<int>{5, 10, 20, 30}));
        QCOMPARE(pauses, (QList<int>{100, 100, 100}));
        QCOMPARE(dialogs.askedTexts(), QStringList{QStringLiteral("kaputt.")});
        QVERIFY(!QApplication::overrideCursor());
    }

    // The splash is drawn before the first window is made, and again after each one:
    // start-up runs no event loop, so a repaint before the window is mapped is lost.
    void splashIsDrawnWhileTheWindowsAreMade()
    {
        ScriptedDialogs dialogs;
        SplashWindow splash;
        QList<int> paints;
        PaintCounter counter;
        splash.findChild<QWidget *>(QStringLiteral("progressBar"))->installEventFilter(&counter);
        const auto seen = [&] {
            paints << counter.count;
            QVERIFY(splash.windowHandle() && splash.windowHandle()->isExposed());
        };
        Startup::createWindows(splash, {{10, seen}, {50, seen}}, dialogs, [](int) {});
        QCOMPARE(paints.size(), 2);
        QVERIFY(paints[0] > 0);
        QVERIFY(paints[1] > paints[0]);
        QVERIFY(counter.count > paints[1]);
    }

    // In normal use, on a display, the program writes nothing to standard error.
    void standardErrorStaysQuiet()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("Xvfb is not installed");
        QProcess display;
        display.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                       QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("1280x1024x24")});
        QVERIFY(display.waitForReadyRead(10000));
        const QString number = QString::fromLatin1(display.readLine()).trimmed();
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + number);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        program.setProcessEnvironment(env);
        // A sheet whose preview the engine refuses to fetch from: it says so in silence.
        const QString sheet = runtime.filePath(QStringLiteral("remote.css"));
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("p { background: url(http://127.0.0.1:9/x.png) }\niframe src=/etc/hostname {}\n");
        file.close();
        program.start(QStringLiteral(STYLOGRAF_EXE), {sheet});
        QVERIFY(program.waitForStarted());
        QTest::qWait(8000); // the windows are made and the preview's engine has started
        program.terminate();
        QVERIFY(program.waitForFinished(20000));
        display.terminate();
        display.waitForFinished(10000);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), QString());
    }

    void pointerComesBackWhenStartUpFails()
    {
        ScriptedDialogs dialogs;
        SplashWindow splash;
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            Startup::createWindows(splash, {{10, [] { throw std::runtime_error("x"); }}}, dialogs, [](int) {}));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
