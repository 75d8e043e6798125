#include "ColourValues.h"

#include "IniFile.h"

#include <limits>

namespace ColourValues {

namespace {

struct Named
{
    const char *name;
    quint32 number;
};

constexpr quint32 kSystem = 0x80000000u;

const Named kNames[] = {
    {"clBlack", rgbNumber(0, 0, 0)},
    {"clMaroon", rgbNumber(128, 0, 0)},
    {"clGreen", rgbNumber(0, 128, 0)},
    {"clOlive", rgbNumber(128, 128, 0)},
    {"clNavy", rgbNumber(0, 0, 128)},
    {"clPurple", rgbNumber(128, 0, 128)},
    {"clTeal", rgbNumber(0, 128, 128)},
    {"clGray", rgbNumber(128, 128, 128)},
    {"clSilver", rgbNumber(192, 192, 192)},
    {"clRed", rgbNumber(255, 0, 0)},
    {"clLime", rgbNumber(0, 255, 0)},
    {"clYellow", rgbNumber(255, 255, 0)},
    {"clBlue", rgbNumber(0, 0, 255)},
    {"clFuchsia", rgbNumber(255, 0, 255)},
    {"clAqua", rgbNumber(0, 255, 255)},
    {"clWhite", rgbNumber(255, 255, 255)},
    {"clMoneyGreen", rgbNumber(192, 220, 192)},
    {"clSkyBlue", rgbNumber(166, 202, 240)},
    {"clCream", rgbNumber(255, 251, 240)},
    {"clMedGray", rgbNumber(160, 160, 164)},
    {"clScrollBar", kSystem + 0},
    {"clBackground", kSystem + 1},
    {"clActiveCaption", kSystem + 2},
    {"clInactiveCaption", kSystem + 3},
    {"clMenu", kSystem + 4},
    {"clWindow", kSystem + 5},
    {"clWindowFrame", kSystem + 6},
    {"clMenuText", kSystem + 7},
    {"clWindowText", kSystem + 8},
    {"clCaptionText", kSystem + 9},
    {"clActiveBorder", kSystem + 10},
    {"clInactiveBorder", kSystem + 11},
    {"clAppWorkSpace", kSystem + 12},
    {"clHighlight", kSystem + 13},
    {"clHighlightText", kSystem + 14},
    {"clBtnFace", kSystem + 15},
    {"clBtnShadow", kSystem + 16},
    {"clGrayText", kSystem + 17},
    {"clBtnText", kSystem + 18},
    {"clInactiveCaptionText", kSystem + 19},
    {"clBtnHighlight", kSystem + 20},
    {"cl3DDkShadow", kSystem + 21},
    {"cl3DLight", kSystem + 22},
    {"clInfoText", kSystem + 23},
    {"clInfoBk", kSystem + 24},
    {"clGradientActiveCaption", kSystem + 27},
    {"clGradientInactiveCaption", kSystem + 28},
    {"clNone", 0x1FFFFFFFu},
    {"clDefault", 0x20000000u},
};

} // namespace

QStringList names()
{
    QStringList all;
    for (const Named &n : kNames)
        all << QString::fromLatin1(n.name);
    return all;
}

std::optional<quint32> read(const QString &text)
{
    const QString t = text.trimmed();
    for (const Named &n : kNames) {
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.number;
    }
    const auto number = IniFile::parseWholeNumber(t);
    if (!number || *number < std::numeric_limits<qint32>::min() || *number > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return quint32(*number);
}

QString write(quint32 number)
{
    for (const Named &n : kNames) {
        if (n.number == number)
            return QString::fromLatin1(n.name);
    }
    return QStringLiteral("$%1").arg(number, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace ColourValues
