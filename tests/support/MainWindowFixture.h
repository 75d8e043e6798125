#pragma once

#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "app/AppPaths.h"
#include "document/DocumentController.h"
#include "editor/SheetEditor.h"
#include "main_window/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

// A main window on a program folder of its own, with scripted dialogs.
class MainWindowFixture
{
public:
    MainWindowFixture()
    {
        // The program folder as the build lays it out: the shipped reference data.
        for (const QString &folder :
             {QStringLiteral("inf"), QStringLiteral("styledefs"), QStringLiteral("standards")}) {
            QDir(m_dir.path()).mkpath(folder);
            const QDir shipped(QStringLiteral(SHIPPED_DATA_DIR "/") + folder);
            for (const QString &name : shipped.entryList(QDir::Files))
                QFile::copy(shipped.filePath(name), m_dir.filePath(folder + QLatin1Char('/') + name));
        }
        paths.appDir = m_dir.path() + QLatin1Char('/');
        paths.styleDefDir = AppPaths::subFolder(paths.appDir, QStringLiteral("styledefs"));
    }

    // Creates (or creates again) the window, shows it and waits for its activation.
    MainWindow &open(const QString &commandLineFile = {})
    {
        window.reset();
        window = std::make_unique<MainWindow>(paths, dialogs, commandLineFile);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the main window did not become active");
        return *window;
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void put(const QString &name, const QByteArray &bytes) const { writeFile(path(name), bytes); }
    // Writes the file and opens it with the Open command; returns its path.
    QString openFile(const QString &name, const QByteArray &bytes)
    {
        put(name, bytes);
        dialogs.openAnswers << path(name);
        action("actionOpen")->trigger();
        return path(name);
    }
    QByteArray contents(const QString &name) const { return readFile(path(name)); }

    // Another window takes the focus, then the main window is activated again.
    void reactivate() const
    {
        QWidget other;
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other))
            qWarning("the other window did not become active");
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the main window did not become active again");
    }

    SheetEditor *editor() const { return window->editor(); }
    DocumentController &document() const { return window->document(); }

    template<typename T = QWidget>
    T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QAction *action(const char *name) const { return find<QAction>(name); }
    QString field(int i) const { return find<QLabel>(qPrintable(QStringLiteral("statusField%1").arg(i)))->text(); }
    bool enabled(const char *button) const { return find<QWidget>(button)->isEnabled(); }

    // Types into the editor as a user would.
    void type(const QString &text) const
    {
        editor()->setFocus();
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(editor(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, editor(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    AppPaths paths;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

private:
    QTemporaryDir m_dir;
};
