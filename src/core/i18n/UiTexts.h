#pragma once

#include <QString>

// The table of user-interface texts: German under the id, English under id + 1000.
class UiTexts
{
public:
    static constexpr int German = 0;
    static constexpr int English = 1000;

    // The text stored under exactly this number; empty when there is none. Texts
    // longer than 254 characters are cut.
    static QString stored(int number);

    int offset() const { return m_offset; }
    void setOffset(int offset) { m_offset = offset; }

    // The text of `id` in the language in force; fetch it each time it is shown.
    QString text(int id) const { return stored(id + m_offset); }

private:
    int m_offset = German;
};

// The property under which a control or action keeps the UI text id of its caption.
inline constexpr char kUiTextIdProperty[] = "uiTextId";
