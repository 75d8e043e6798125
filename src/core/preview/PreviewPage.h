#pragma once

#include <QList>
#include <QString>
#include <QStringView>

struct SyntaxRule;

// The preview page: the whole sheet in its head and one sample element per rule in
// its body. Every line ends with CR LF. The sheet's text cannot leave the style
// element, and the selectors in the samples are text, never markup.
namespace PreviewPage {

// The address scheme under which the preview serves its pages and the files beside
// the sheet.
inline constexpr char kPreviewScheme[] = "sgpreview";

// What the page may load, stated in its head before the style element: no script, no
// plugin and no frame; styles inline or from the sheet's own place, pictures and fonts
// from there or inline data; no base address and no form target.
QString securityPolicy();

// The attribute that makes anchor samples links to the product's home page.
QString homeLinkAttribute();

QString elementSample(const QString &selector);
QString classSample(const QString &elementPart, const QString &classPart, const QString &selector);
QString idSample(const QString &selector);
QString complexIdSample(const QString &elementPart, const QString &idPart, const QString &selector);

// The samples of all rules of the flat text, each followed by CR LF, in document order.
QString buildSamples(const QString &flatText);

// What of the page depends on the sheet: the text of its style element (the sheet)
// and the markup of its body (the samples). The rest is the same for every sheet.
struct Parts
{
    QString style;
    QString body;
};
Parts buildParts(const QString &flatText);
// The same for the sheet read by CSS syntax: the sheet as written in the style element,
// and one sample for each of its listed rules.
Parts buildParts(QStringView sheet, const QList<SyntaxRule> &rules);
// The whole page around its parts.
QString pageOf(const Parts &parts);

// The whole page for the flat text of the sheet: pageOf(buildParts(flatText)).
QString buildPage(const QString &flatText);

} // namespace PreviewPage
