#pragma once

class QWidget;

// True when the screen's logical resolution is exactly 96 pixels per inch.
bool IsStandardDpi();

// Moves the window so that its outer frame is centred on its screen.
void CentreOnScreen(QWidget &window);
