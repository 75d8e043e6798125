#include "WindowSettings.h"

namespace {

// The section and its keys, each with the field that holds it.
const char kSection[] = "Fenster";
const struct
{
    const char *key;
    bool PanelVisibility::*field;
} kKeys[] = {
    {"parser", &PanelVisibility::parser},
    {"objects", &PanelVisibility::objects},
    {"preview", &PanelVisibility::preview},
};

} // namespace

PanelVisibility PanelVisibility::read(const IniFile &ini)
{
    PanelVisibility v;
    for (const auto &k : kKeys)
        v.*k.field = ini.readSwitch(QLatin1String(kSection), QLatin1String(k.key), v.*k.field);
    return v;
}

void PanelVisibility::write(const IniFile &ini) const
{
    for (const auto &k : kKeys)
        ini.writeSwitch(QLatin1String(kSection), QLatin1String(k.key), this->*k.field);
}
