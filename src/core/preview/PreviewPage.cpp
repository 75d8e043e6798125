#include "PreviewPage.h"

#include "analysis/BraceFinder.h"
#include "analysis/CssSyntaxReader.h"
#include "analysis/SheetAnalysis.h"
#include "analysis/StyleSheetParser.h"
#include "app/ProductInfo.h"

#include <algorithm>

namespace PreviewPage {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The sheet's text becomes HTML text: no selector may open or close an element, and
// no quote may end an attribute.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        case u'\'':
            out += QLatin1String("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The tag of a sample, from a name alone: the first word of the selector's element
// part when it is a name of ASCII letters and digits, as HTML's tag names are, else
// the sample's default element. Nothing else of the selector ever stands inside a tag,
// so no selector can write an attribute. The obsolete plaintext element never ends and
// would turn the rest of the page into text: its closable twin xmp stands in.
QString sampleTag(const QString &elementPart)
{
    qsizetype length = 0;
    while (length < elementPart.size() && !elementPart[length].isSpace())
        ++length;
    const QStringView word = QStringView(elementPart).left(length);
    const bool name = !word.isEmpty() && word[0].unicode() < 0x80 && word[0].isLetter()
        && std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); });
    if (!name)
        return QStringLiteral("span");
    if (word.compare(QLatin1String("plaintext"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("xmp");
    return word.toString();
}

QString openTag(const QString &elementPart)
{
    return QLatin1Char('<') + sampleTag(elementPart);
}

QString closeTag(const QString &elementPart)
{
    return QStringLiteral("</") + sampleTag(elementPart) + QLatin1Char('>');
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + escaped(text) + QLatin1Char('"');
}

// Only "</style" can end the style element early; CSS reads "<\/" as "</" (an escaped
// solidus), so every "</" is written so, and the sheet keeps its meaning.
QString styleText(QStringView sheet)
{
    QString text = sheet.toString();
    return text.replace(QLatin1String("</"), QLatin1String("<\\/"));
}

QString tableSample(const QString &cell, const QString &tableAttribute, const QString &cellAttribute,
                    const QString &label)
{
    return QStringLiteral("<table%1><tr><%2%3>Element: %4</%2></tr></table><br>")
        .arg(tableAttribute, cell, cellAttribute, label);
}

} // namespace

QString securityPolicy()
{
    return QStringLiteral("default-src 'none'; style-src 'unsafe-inline' %1:; img-src %1: data:; "
                          "font-src %1: data:; base-uri 'none'; form-action 'none'")
        .arg(QLatin1String(kPreviewScheme));
}

QString homeLinkAttribute()
{
    return QStringLiteral("href=") + quoted(QString::fromLatin1(kHomePageAddress));
}

QString elementSample(const QString &selector)
{
    const QString e = selector.toLower();
    if (e == QLatin1String("table") || e == QLatin1String("tr") || e == QLatin1String("td"))
        return tableSample(QStringLiteral("td"), {}, {}, e);
    if (e == QLatin1String("th"))
        return tableSample(QStringLiteral("th"), {}, {}, e);
    if (e == QLatin1String("img"))
        return QStringLiteral("<img src=\"Manager32.gif\">Element img<br>");
    if (e == QLatin1String("li"))
        return QStringLiteral("<ul><%1>Element: %1</ul><br>").arg(e);
    if (e == QLatin1String("select"))
        return QStringLiteral("<select name=\"top5\" size=\"1\"><option>Beispieltext1</option>"
                              "<option>Beispieltext2</option></select> Element: select<br>");
    if (e == QLatin1String("input"))
        return QStringLiteral("<input value=\"Beispieltext\"> Element: ") + e;
    if (e == QLatin1String("textarea"))
        return QStringLiteral("<textarea>Beispieltext für das Element: %1</textarea><br>").arg(e);
    if (e == QLatin1String("a"))
        return QStringLiteral("<a ") + homeLinkAttribute() + QStringLiteral(">Element: ") + e
            + QStringLiteral("</a><br>");
    return openTag(e) + QStringLiteral(">Element: ") + escaped(e) + closeTag(e) + QStringLiteral("<br>");
}

QString classSample(const QString &elementPart, const QString &classPart, const QString &selector)
{
    const QString e = elementPart.isEmpty() ? QStringLiteral("span") : elementPart;
    const QString classAttribute = QStringLiteral(" class=") + quoted(classPart);
    const QString label = escaped(selector);
    if (e == QLatin1String("table"))
        return tableSample(QStringLiteral("td"), classAttribute, {}, label);
    if (e == QLatin1String("tr") || e == QLatin1String("td"))
        return tableSample(QStringLiteral("td"), {}, classAttribute, label);
    if (e == QLatin1String("th"))
        return tableSample(QStringLiteral("th"), {}, classAttribute, label);
    if (e == QLatin1String("a"))
        return QStringLiteral("<a") + classAttribute + QLatin1Char(' ') + homeLinkAttribute()
            + QStringLiteral(">Element: ") + label + QStringLiteral("</a><br>");
    return openTag(e) + classAttribute + QStringLiteral(">Klasse: ") + label + closeTag(e) + QStringLiteral("<br>");
}

QString idSample(const QString &selector)
{
    const QString s = selector.toLower();
    const qsizetype colon = s.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        // From the third character up to the one before the colon: a#nav:hover gives nav.
        const QString id = colon > 2 ? s.mid(2, colon - 2) : QString();
        return QStringLiteral("<a id=") + quoted(id) + QLatin1Char(' ') + homeLinkAttribute()
            + QStringLiteral(">Pseudoformat: ") + escaped(s) + QStringLiteral("</a><br>");
    }
    if (s.startsWith(QLatin1Char('#'))) {
        const QString name = s.mid(1);
        return QStringLiteral("<span id=") + quoted(name) + QStringLiteral(">einfache ID: ") + escaped(name)
            + QStringLiteral("</span><br>");
    }
    const qsizetype hash = s.indexOf(QLatin1Char('#'));
    return complexIdSample(s.left(hash), s.mid(hash + 1), s);
}

QString complexIdSample(const QString &elementPart, const QString &idPart, const QString &selector)
{
    const QString &e = elementPart;
    const QString idAttribute = QStringLiteral(" id=") + quoted(idPart);
    const QString label = escaped(selector);
    if (e == QLatin1String("table"))
        return tableSample(QStringLiteral("td"), idAttribute, {}, label);
    if (e == QLatin1String("tr") || e == QLatin1String("td"))
        return tableSample(QStringLiteral("td"), {}, idAttribute, label);
    if (e == QLatin1String("th"))
        return tableSample(QStringLiteral("th"), {}, idAttribute, label);
    if (e == QLatin1String("a"))
        return QStringLiteral("<a") + idAttribute + QStringLiteral(">Element: ") + label + QStringLiteral("</a><br>");
    return openTag(e) + idAttribute + QStringLiteral(">komplexe ID: ") + label + closeTag(e) + QStringLiteral("<br>");
}

QString buildSamples(const QString &flatText)
{
    QString samples;
    BraceFinder braces(flatText);
    for (qsizetype pos = 0, open, close;
         (open = braces.open(pos)) < braces.none() && (close = braces.close(pos)) < braces.none(); pos = close + 1) {
        const QString selector = trimmedView(QStringView(flatText).sliced(pos, open - pos)).toString();
        switch (selectorKind(selector)) {
        case SelectorKind::Element:
            samples += elementSample(selector);
            break;
        case SelectorKind::Class: {
            const qsizetype dot = selector.indexOf(QLatin1Char('.'));
            samples += classSample(selector.left(dot), selector.mid(dot + 1), selector);
            break;
        }
        case SelectorKind::Id:
            samples += idSample(selector);
            break;
        }
        samples += kCrLf;
    }
    return samples;
}

namespace {

Parts partsOf(QStringView sheet, const QString &samples)
{
    Parts parts;
    parts.style.reserve(sheet.size() + 32);
    parts.style += QStringLiteral("\r\n"
                                  "<!-- \r\n");
    parts.style += styleText(sheet);
    parts.style += QStringLiteral("\r\n-->\r\n");
    parts.body.reserve(samples.size() + 8);
    parts.body += QStringLiteral("\r\n"
                                 "\r\n");
    parts.body += samples; // a line of its own, though its samples end with their own line ends
    parts.body += QStringLiteral("\r\n"
                                 "\r\n");
    return parts;
}

} // namespace

Parts buildParts(const QString &flatText)
{
    return partsOf(flatText, buildSamples(flatText));
}

Parts buildParts(QStringView sheet, const QList<SyntaxRule> &rules)
{
    QString samples;
    for (const SyntaxRule &rule : rules) {
        const QString &s = rule.selector;
        switch (rule.kind) {
        case SelectorKind::Element:
            samples += elementSample(s);
            break;
        case SelectorKind::Class:
            samples += classSample(s.left(rule.kindAt), s.mid(rule.kindAt + 1), s);
            break;
        case SelectorKind::Id:
            samples += idSample(s);
            break;
        }
        samples += kCrLf;
    }
    return partsOf(sheet, samples);
}

QString pageOf(const Parts &parts)
{
    QString page;
    page.reserve(parts.style.size() + parts.body.size() + 512);
    page += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
                           "<HTML>\r\n"
                           "<HEAD>\r\n"
                           "<TITLE>Original</TITLE>\r\n"
                           "<META content=\"text/html; charset=iso-8859-1\" http-equiv=Content-Type>\r\n");
    page += QStringLiteral("<META http-equiv=\"Content-Security-Policy\" content=\"%1\">\r\n").arg(securityPolicy());
    page += QStringLiteral("<style type=\"text/css\">");
    page += parts.style;
    page += QStringLiteral("</style>\r\n"
                           "</head>\r\n"
                           "<Body>");
    page += parts.body;
    page += QStringLiteral("</Body>\r\n"
                           "</Html>\r\n");
    return page;
}

QString buildPage(const QString &flatText)
{
    return pageOf(buildParts(flatText));
}

} // namespace PreviewPage
