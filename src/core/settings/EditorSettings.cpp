#include "EditorSettings.h"

#include "ColourValues.h"

namespace {

// One key of the settings file and the field that holds it.
template<typename Field>
struct Key
{
    const char *section;
    const char *key;
    Field EditorSettings::*field;
};

// Each setting once: its section, its key and its field, whose initialiser is the default.
// In the order a new file gets them.
const Key<bool> kDisplaySwitches[] = {
    {"Syntaxhighlighting", "Status", &EditorSettings::highlighting},
    {"Liniennummern", "Status", &EditorSettings::lineNumbers},
    {"Formatierungen", "Status", &EditorSettings::formattingMarks},
    {"XP-Menue", "Status", &EditorSettings::xpMenu},
    {"Farbmuster", "Status", &EditorSettings::colourSwatches},
    {"Vervollstaendigung", "Status", &EditorSettings::completion},
    {"Syntaxhinweise", "Status", &EditorSettings::propertyTips},
    {"Unbekannte Eigenschaften", "Status", &EditorSettings::unknownNames},
    {"CSS-Syntax", "Status", &EditorSettings::cssSyntax},
};
const Key<bool> &kCssSyntax = kDisplaySwitches[std::size(kDisplaySwitches) - 1];
const char kLanguageSection[] = "Sprache";
const char kLanguageKey[] = "lingual";
const Key<QString> kFont = {"Font", "Font", &EditorSettings::fontName};
const Key<QString> kFontSize = {"Font", "Size", &EditorSettings::fontSize};
const Key<bool> kBoldSwitches[] = {
    {"Style", "Key", &EditorSettings::keyBold},
    {"Style", "Ident", &EditorSettings::identBold},
    {"Style", "Num", &EditorSettings::numBold},
};
const Key<quint32> kColours[] = {
    {"StyleColor", "Key_fg", &EditorSettings::keyColour},
    {"StyleColor", "Ident_fg", &EditorSettings::identColour},
    {"StyleColor", "Num_fg", &EditorSettings::numColour},
};

void readSwitches(const IniFile &ini, EditorSettings &s, const auto &keys)
{
    for (const Key<bool> &k : keys)
        s.*k.field = ini.readSwitch(QLatin1String(k.section), QLatin1String(k.key), s.*k.field);
}

void writeSwitches(const IniFile &ini, const EditorSettings &s, const auto &keys)
{
    for (const Key<bool> &k : keys)
        ini.writeSwitch(QLatin1String(k.section), QLatin1String(k.key), s.*k.field);
}

template<typename Field>
std::optional<QString> readText(const IniFile &ini, const Key<Field> &k)
{
    return ini.read(QLatin1String(k.section), QLatin1String(k.key));
}

template<typename Field>
void writeText(const IniFile &ini, const Key<Field> &k, const QString &value)
{
    ini.write(QLatin1String(k.section), QLatin1String(k.key), value);
}

} // namespace

EditorSettings::EditorSettings()
    : keyColour(ColourValues::rgbNumber(0, 0, 255)), // "clblue"
      identColour(ColourValues::rgbNumber(128, 0, 0)), // maroon, the design colour
      numColour(ColourValues::rgbNumber(0, 0, 0)) // black, the design colour
{
}

EditorSettings EditorSettings::read(const IniFile &ini)
{
    EditorSettings s;
    readSwitches(ini, s, kDisplaySwitches);
    readSwitches(ini, s, kBoldSwitches);
    s.fontName = readText(ini, kFont).value_or(s.fontName);
    const QString size = readText(ini, kFontSize).value_or(s.fontSize);
    if (IniFile::parseWholeNumber(size))
        s.fontSize = size;
    for (const Key<quint32> &k : kColours) {
        if (const auto text = readText(ini, k))
            s.*k.field = ColourValues::read(*text).value_or(s.*k.field);
    }
    return s;
}

void EditorSettings::write(const IniFile &ini, int language) const
{
    writeSwitches(ini, *this, kDisplaySwitches);
    writeLanguage(ini, language);
    writeText(ini, kFont, fontName);
    writeText(ini, kFontSize, fontSize);
    writeSwitches(ini, *this, kBoldSwitches);
    for (const Key<quint32> &k : kColours)
        writeText(ini, k, ColourValues::write(this->*k.field));
}

void EditorSettings::writeCssSyntax(const IniFile &ini, bool on)
{
    ini.writeSwitch(QLatin1String(kCssSyntax.section), QLatin1String(kCssSyntax.key), on);
}

void EditorSettings::writeLanguage(const IniFile &ini, int language)
{
    ini.write(QLatin1String(kLanguageSection), QLatin1String(kLanguageKey), QString::number(language));
}
