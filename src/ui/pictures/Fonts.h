#pragma once

// The program names the fonts of its design ("MS Sans Serif", "Courier New",
// "Verdana", "Terminal"); where they are not installed, metric-compatible free
// fonts stand in for them.
void installFontSubstitutes();
