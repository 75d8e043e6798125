#pragma once

#include <QList>

class QWidget;

// Gives every control of the windows that carries a UI text id the text stored under
// id + offset: labels, buttons and check boxes, menu items, group boxes and tab pages.
void translateWindows(const QList<QWidget *> &windows, int offset);
