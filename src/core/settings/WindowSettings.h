#pragma once

#include "IniFile.h"

// The visibility of the three side regions, kept in section [Fenster].
struct PanelVisibility
{
    bool parser = true; // analysis panel
    bool objects = true; // reference panel
    bool preview = true; // preview and its splitter

    bool operator==(const PanelVisibility &) const = default;

    // Missing keys and an unreadable file count as shown.
    static PanelVisibility read(const IniFile &ini);
    // Throws AppError when the file cannot be written.
    void write(const IniFile &ini) const;
};
