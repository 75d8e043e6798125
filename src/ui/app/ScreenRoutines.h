#pragma once

class QWidget;

// Moves the window so that its outer frame is centred on its screen.
void centreOnScreen(QWidget &window);
