#include "WindowSettings.h"

namespace {
const QString kSection = QStringLiteral("Fenster");
}

PanelVisibility PanelVisibility::read(const IniFile &ini)
{
    PanelVisibility v;
    v.parser = ini.readSwitch(kSection, QStringLiteral("parser"), true);
    v.objects = ini.readSwitch(kSection, QStringLiteral("objects"), true);
    v.preview = ini.readSwitch(kSection, QStringLiteral("preview"), true);
    return v;
}

void PanelVisibility::write(const IniFile &ini) const
{
    ini.writeSwitch(kSection, QStringLiteral("parser"), parser);
    ini.writeSwitch(kSection, QStringLiteral("objects"), objects);
    ini.writeSwitch(kSection, QStringLiteral("preview"), preview);
}
