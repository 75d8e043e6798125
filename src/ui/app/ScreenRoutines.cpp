#include "ScreenRoutines.h"

#include "app/SharedRoutines.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

bool IsStandardDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen && qFuzzyCompare(screen->logicalDotsPerInch(), 96.0);
}

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.move(centredPosition(screen->size(), window.frameGeometry().size()));
}
