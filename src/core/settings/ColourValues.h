#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Colours as the settings file stores them: a name of the table ("clBlue"), or "$"
// and eight hexadecimal digits of blue * 65536 + green * 256 + red. The desktop's own
// colours have numbers from 0x80000000 on.
namespace ColourValues {

// The number of a stored value: a name in any letter case, or a whole number (decimal,
// "$" or "0x" hexadecimal); nullopt when it is neither.
std::optional<quint32> read(const QString &text);
// The table's name when the number has one, else "$" and eight upper-case digits.
QString write(quint32 number);

// Every name of the table, in its order.
QStringList names();

constexpr quint32 rgbNumber(int red, int green, int blue)
{
    return quint32(blue) << 16 | quint32(green) << 8 | quint32(red);
}

} // namespace ColourValues
