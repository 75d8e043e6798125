#include "ScreenRoutines.h"

#include "app/SharedRoutines.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.move(centredPosition(screen->size(), window.frameGeometry().size()));
}
