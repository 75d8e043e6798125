#pragma once

#include "IniFile.h"

#include <QString>

// The editor's settings as the file keeps them; each field starts with its default.
struct EditorSettings
{
    bool highlighting = true;   // [Syntaxhighlighting] Status
    bool lineNumbers = true;    // [Liniennummern] Status
    bool formattingMarks = true; // [Formatierungen] Status
    bool xpMenu = true;         // [XP-Menue] Status
    QString fontName = QStringLiteral("Courier New"); // [Font] Font
    QString fontSize = QStringLiteral("10");          // [Font] Size, as typed
    bool keyBold = true;        // [Style] Key
    bool identBold = true;      // [Style] Ident
    bool numBold = true;        // [Style] Num
    quint32 keyColour;          // [StyleColor] Key_fg
    quint32 identColour;        // [StyleColor] Ident_fg
    quint32 numColour;          // [StyleColor] Num_fg

    EditorSettings();

    // Missing keys, and colours that cannot be read, take their defaults.
    static EditorSettings read(const IniFile &ini);
    // Writes every key but the panels'; `language` is the language offset. Throws
    // "In %s kann nicht geschrieben werden".
    void write(const IniFile &ini, int language) const;
};
