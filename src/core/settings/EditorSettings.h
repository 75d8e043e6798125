#pragma once

#include "IniFile.h"

#include <QString>

// The editor's settings as the file keeps them; each field starts with its default.
// Their sections and keys are declared once, beside the reading and writing.
struct EditorSettings
{
    bool highlighting = true;
    bool lineNumbers = true;
    bool formattingMarks = true;
    bool xpMenu = true;
    bool colourSwatches = true;
    bool completion = true;
    bool propertyTips = true;
    bool unknownNames = true;
    bool cssSyntax = false; // the analysis reads the sheet by CSS syntax, not by the classic walk
    QString fontName = QStringLiteral("Courier New");
    QString fontSize = QStringLiteral("10"); // as typed
    bool keyBold = true;
    bool identBold = true;
    bool numBold = true;
    quint32 keyColour;
    quint32 identColour;
    quint32 numColour;

    EditorSettings();

    // Missing keys, and colours that cannot be read, take their defaults.
    static EditorSettings read(const IniFile &ini);
    // Writes every key but the panels'; `language` is the language offset. Throws
    // "In %s kann nicht geschrieben werden".
    void write(const IniFile &ini, int language) const;

    // The language offset chosen last; written on its own when the user picks one.
    static void writeLanguage(const IniFile &ini, int language);
    // The analysis's reading; written on its own when the user picks it in the menu.
    static void writeCssSyntax(const IniFile &ini, bool on);
};
