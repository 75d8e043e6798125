#include "Catalogue.h"

#include <QFileInfo>

namespace Catalogue {

namespace {

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

QList<TreeNode> builtInProperties()
{
    const struct
    {
        const char *group;
        const char *properties;
    } groups[] = {
        {"Alignment", "line-height text-align text-indent vertical-align white-space"},
        {"Background",
         "background background-attachment background-color background-image:url() background-position "
         "background-repeat"},
        {"Border", "border border-bottom border-left border-right border-top border-color"},
        {"Border-Style", "border-bottom-style border-left-style border-right-style border-style border-top-style"},
        {"Border-Width", "border-bottom-width border-left-width border-right-width border-top-width border-width"},
        {"Font-Format",
         "color font font-family font-size font-stretch font-style font-variant font-weight "
         "letter-spacing text-decoration text-transform word-spacing"},
        {"Lists", "list-style list-style-image:url() list-style-position list-style-type"},
        {"Margin", "margin margin-bottom margin-left margin-right margin-top"},
        {"Padding", "padding padding-bottom padding-left padding-right padding-top"},
        {"Positions",
         "bottom clear clip direction display float height left max-height max-width min-height "
         "min-width overflow position right top visibility width z-index"},
        {"Tables", "border-collapse border-spacing caption-side empty-cells speak-header table-layout"},
        {"Windows",
         "cursor scrollbar-3dlight-color scrollbar-arrow-color scrollbar-base-color "
         "scrollbar-darkshadow-color scrollbar-face-color scrollbar-highlight-color "
         "scrollbar-shadow-color scrollbar-track-color"},
    };
    QList<TreeNode> tree;
    for (const auto &g : groups) {
        TreeNode group{QString::fromLatin1(g.group), {}};
        for (const QString &property : words(g.properties))
            group.children.append({property, {}});
        tree.append(group);
    }
    return tree;
}

QStringList initialValues()
{
    return {QStringLiteral("none"),
            QStringLiteral("underline"),
            QStringLiteral("overline"),
            QStringLiteral("line-through"),
            QStringLiteral("blink"),
            QStringLiteral("underline overline"),
            QStringLiteral("underline overline blink"),
            QStringLiteral("underline line-through"),
            QStringLiteral("underline line-through blink"),
            QStringLiteral("overline line-through"),
            QStringLiteral("overline line-through blink")};
}

QStringList groupNames()
{
    return {
        QStringLiteral("Alignment"), QStringLiteral("Background"), QStringLiteral("Margin"), QStringLiteral("Border"),
        QStringLiteral("Border-Style"), QStringLiteral("Border-Width"), QStringLiteral("Font-Format"),
        QStringLiteral("Lists"), QStringLiteral("Padding"), QStringLiteral("Positions"), QStringLiteral("Windows"),
        QStringLiteral("Tables"), QStringLiteral("Box"), QStringLiteral("Classification"), QStringLiteral("Generate"),
        QStringLiteral("Page"), QStringLiteral("Visual"), QStringLiteral("Scrollbar"),
        QStringLiteral("Mozilla Extensions"), QStringLiteral("Positioning"), QStringLiteral("Other"),
        QStringLiteral("Printing"), QStringLiteral("Behaviors"), QStringLiteral("Color and Background"),
        QStringLiteral("Font"), QStringLiteral("Aural"), QStringLiteral("Text"),
        // The topics of today's CSS that the classic names do not cover.
        QStringLiteral("Flexbox"), QStringLiteral("Grid"), QStringLiteral("Columns"), QStringLiteral("Logical"),
        QStringLiteral("Transforms"), QStringLiteral("Animation"), QStringLiteral("Effects"), QStringLiteral("Scroll"),
        QStringLiteral("Container"), QStringLiteral("SVG"), QStringLiteral("Internet Explorer Extensions")};
}

QStringList colourRows()
{
    static const char *const levels[] = {"00", "33", "66", "99", "CC", "FF"};
    QStringList rows;
    for (const char *green : levels) {
        for (const char *red : levels) {
            for (const char *blue : levels) {
                QString row = QLatin1Char('#') + QLatin1String(red) + QLatin1String(green) + QLatin1String(blue);
                if (rows.size() < 6)
                    row += QLatin1Char(' ');
                rows << row;
            }
        }
    }
    return rows;
}

ValueSource valueSourceOf(const QString &name)
{
    static const QStringList colours = words(
        "scrollbar-base-color scrollbar-3dlight-color scrollbar-arrow-color scrollbar-darkshadow-color "
        "scrollbar-face-color scrollbar-highlight-color scrollbar-shadow-color scrollbar-track-color border-color "
        "border-bottom-color border-left-color border-top-color border-right-color color -moz-outline-color "
        "outline-color background-color");
    static const QStringList measurements = words(
        "margin margin-left margin-top margin-right margin-bottom padding padding-left padding-top padding-right "
        "padding-bottom text-indent line-height border-width border-left-width border-top-width border-right-width "
        "border-bottom-width border border-left border-top border-right border-bottom top left right bottom width "
        "max-width min-width -moz-outline-width -moz-outline-radius-bottomleft -moz-outline-radius-bottomright "
        "-moz-outline-radius-topleft -moz-outline-radius-topright height max-height min-height "
        "-moz-border-radius-topright -moz-border-radius-topleft -moz-border-radius-bottomright "
        "-moz-border-radius-bottomleft border-spacing outline-width");
    static const QStringList mixes
        = words("font background list-style -moz-outline-radius -moz-outline -moz-border-radius layout-grid");
    static const QStringList pictures = words("background-image:url() list-style-image:url()");
    static const QStringList borderStyles
        = words("border-style border-bottom-style border-top-style border-left-style border-right-style");

    if (groupNames().contains(name))
        return {SourceKind::GroupHeading, {}};
    if (colours.contains(name))
        return {SourceKind::Colours, {}};
    if (measurements.contains(name))
        return {SourceKind::SharedFile, QStringLiteral("massangaben.inf")};
    if (mixes.contains(name))
        return {SourceKind::SharedFile, QStringLiteral("mixed.inf")};
    if (pictures.contains(name))
        return {SourceKind::SharedFile, QStringLiteral("picture.inf")};
    if (borderStyles.contains(name))
        return {SourceKind::SharedFile, QStringLiteral("border-style.inf")};
    return {SourceKind::OwnFile, name + QStringLiteral(".inf")};
}

ValueSource valueSourceIn(const QString &name, const QString &infDir, bool definitionColour)
{
    const ValueSource byName = valueSourceOf(name);
    if (byName.kind == SourceKind::GroupHeading || byName.kind == SourceKind::Colours)
        return byName;
    if (definitionColour)
        return {SourceKind::Colours, {}};
    if (byName.kind == SourceKind::SharedFile) {
        const QString own = name + QStringLiteral(".inf");
        if (QFileInfo(infDir + own).isFile())
            return {SourceKind::OwnFile, own};
    }
    return byName;
}

QString urlPropertyName(const QString &property)
{
    return property.endsWith(QLatin1String(":url()")) ? property.chopped(6) : property;
}

} // namespace Catalogue
