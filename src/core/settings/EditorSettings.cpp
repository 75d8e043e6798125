#include "EditorSettings.h"

#include "ColourValues.h"

namespace {

const QString kStatus = QStringLiteral("Status");

quint32 readColour(const IniFile &ini, const QString &key, quint32 fallback)
{
    const auto text = ini.read(QStringLiteral("StyleColor"), key);
    if (!text)
        return fallback;
    return ColourValues::read(*text).value_or(fallback);
}

} // namespace

EditorSettings::EditorSettings()
    : keyColour(ColourValues::rgbNumber(0, 0, 255)),  // "clblue"
      identColour(ColourValues::rgbNumber(128, 0, 0)), // maroon, the design colour
      numColour(ColourValues::rgbNumber(0, 0, 0))      // black, the design colour
{
}

EditorSettings EditorSettings::read(const IniFile &ini)
{
    EditorSettings s;
    s.highlighting = ini.readSwitch(QStringLiteral("Syntaxhighlighting"), kStatus, true);
    s.lineNumbers = ini.readSwitch(QStringLiteral("Liniennummern"), kStatus, true);
    s.formattingMarks = ini.readSwitch(QStringLiteral("Formatierungen"), kStatus, true);
    s.xpMenu = ini.readSwitch(QStringLiteral("XP-Menue"), kStatus, true);
    s.fontName = ini.read(QStringLiteral("Font"), QStringLiteral("Font")).value_or(s.fontName);
    const QString size = ini.read(QStringLiteral("Font"), QStringLiteral("Size")).value_or(s.fontSize);
    if (IniFile::parseWholeNumber(size))
        s.fontSize = size;
    s.keyBold = ini.readSwitch(QStringLiteral("Style"), QStringLiteral("Key"), true);
    s.identBold = ini.readSwitch(QStringLiteral("Style"), QStringLiteral("Ident"), true);
    s.numBold = ini.readSwitch(QStringLiteral("Style"), QStringLiteral("Num"), true);
    s.keyColour = readColour(ini, QStringLiteral("Key_fg"), s.keyColour);
    s.identColour = readColour(ini, QStringLiteral("Ident_fg"), s.identColour);
    s.numColour = readColour(ini, QStringLiteral("Num_fg"), s.numColour);
    return s;
}

void EditorSettings::write(const IniFile &ini, int language) const
{
    ini.writeSwitch(QStringLiteral("Syntaxhighlighting"), kStatus, highlighting);
    ini.writeSwitch(QStringLiteral("Liniennummern"), kStatus, lineNumbers);
    ini.writeSwitch(QStringLiteral("Formatierungen"), kStatus, formattingMarks);
    ini.writeSwitch(QStringLiteral("XP-Menue"), kStatus, xpMenu);
    ini.write(QStringLiteral("Sprache"), QStringLiteral("lingual"), QString::number(language));
    ini.write(QStringLiteral("Font"), QStringLiteral("Font"), fontName);
    ini.write(QStringLiteral("Font"), QStringLiteral("Size"), fontSize);
    ini.writeSwitch(QStringLiteral("Style"), QStringLiteral("Key"), keyBold);
    ini.writeSwitch(QStringLiteral("Style"), QStringLiteral("Ident"), identBold);
    ini.writeSwitch(QStringLiteral("Style"), QStringLiteral("Num"), numBold);
    ini.write(QStringLiteral("StyleColor"), QStringLiteral("Key_fg"), ColourValues::write(keyColour));
    ini.write(QStringLiteral("StyleColor"), QStringLiteral("Ident_fg"), ColourValues::write(identColour));
    ini.write(QStringLiteral("StyleColor"), QStringLiteral("Num_fg"), ColourValues::write(numColour));
}
