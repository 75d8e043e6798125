#pragma once

#include <QString>
#include <QStringList>

// Where Tab and Backspace move the caret. Columns are 0-based; `reference` is the
// nearest non-blank line above the caret line (empty when there is none).
namespace IndentRules {

constexpr int kTabWidth = 8;

// Tab goes to below the start of the next word of the reference line; without such
// a word, to the next multiple of the tab width.
int smartTabColumn(const QString &reference, int column);

// Backspace in leading white space steps back to the nearest word start of the
// reference line left of the caret, else to the previous tab stop.
int unindentColumn(const QString &reference, int column);

bool isBlankLine(const QString &line);

// True when everything left of the caret (up to `column`) is blank.
bool inLeadingWhiteSpace(const QString &line, int column);

QString withoutTrailingBlanks(const QString &line);

} // namespace IndentRules
