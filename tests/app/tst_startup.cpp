#include "ScriptedDialogs.h"
#include "app/AppError.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void splashWithAVersion()
    {
        ScriptedDialogs dialogs;
        AppPaths paths;
        auto splash = Startup::createSplash(paths, dialogs, QStringLiteral("/opt/sg/stylograf"), QStringLiteral("1.1.0.1"));
        QCOMPARE(paths.appDir, QStringLiteral("/opt/sg/"));
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
        auto splash = Startup::createSplash(paths, dialogs, QStringLiteral("/stylograf"), QString());
        QCOMPARE(paths.appDir, QStringLiteral("/"));
        QVERIFY(paths.styleDefDir.isEmpty());
        QCOMPARE(splash->versionText(), QStringLiteral("Version 1.0.0")); // the design text
        QCOMPARE(dialogs.askedTexts(), QStringList{QStringLiteral("Keine Versionsinformationen vorhanden.")});
        QCOMPARE(dialogs.asked[0].kind, BoxKind::Failure);
    }

    void windowsAreCreatedInOrderUnderAHiddenPointer()
    {
        ScriptedDialogs dialogs;
        TStartfenster splash(QStringLiteral("Version 1.0.0"));
        QSignalSpy progress(&splash, &TStartfenster::progressChanged);
        QStringList events;
        QList<int> pauses;
        auto pointerHidden = [] {
            return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BlankCursor;
        };
        Startup::createWindows(
            splash,
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

    void pointerComesBackWhenStartUpFails()
    {
        ScriptedDialogs dialogs;
        TStartfenster splash;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 Startup::createWindows(splash, {{10, [] { throw std::runtime_error("x"); }}}, dialogs,
                                                        [](int) {}));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
