#include "analysis/StyleSheetParser.h"
#include "preview/PreviewPage.h"

#include <QTest>

using namespace PreviewPage;

namespace {

QString page(const QString &sheet)
{
    return buildPage(joinAndStripComments(sheet.split(QLatin1Char('\n'))).text);
}

const QString kHead = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
                                     "<HTML>\r\n"
                                     "<HEAD>\r\n"
                                     "<TITLE>Original</TITLE>\r\n"
                                     "<META content=\"text/html; charset=iso-8859-1\" http-equiv=Content-Type>\r\n"
                                     "<META http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                                     "style-src 'unsafe-inline' sgpreview:; img-src sgpreview: data:; "
                                     "font-src sgpreview: data:; base-uri 'none'; form-action 'none'\">\r\n"
                                     "<style type=\"text/css\">\r\n"
                                     "<!-- \r\n");

} // namespace

class TestPreviewPage : public QObject
{
    Q_OBJECT

private slots:
    void wholePageOfTheExample()
    {
        const QString sheet = QStringLiteral("p{color:red} .x{} #y{} div#box{}");
        QCOMPARE(page(sheet),
                 kHead
                     + QStringLiteral(" p{color:red} .x{} #y{} div#box{}\r\n"
                                      "-->\r\n"
                                      "</style>\r\n"
                                      "</head>\r\n"
                                      "<Body>\r\n"
                                      "\r\n"
                                      "<p>Element: p</p><br>\r\n"
                                      "<span class=\"x\">Klasse: .x</span><br>\r\n"
                                      "<span id=\"y\">einfache ID: y</span><br>\r\n"
                                      "<div id=\"box\">komplexe ID: div#box</div><br>\r\n"
                                      "\r\n"
                                      "\r\n"
                                      "</Body>\r\n"
                                      "</Html>\r\n"));
    }

    void emptySheet()
    {
        QCOMPARE(buildPage(QString()),
                 kHead
                     + QStringLiteral("\r\n-->\r\n</style>\r\n</head>\r\n<Body>\r\n"
                                      "\r\n\r\n\r\n</Body>\r\n</Html>\r\n"));
    }

    void commentsShowNowhere()
    {
        const QString p = page(QStringLiteral("/* note */ h1 {}"));
        QVERIFY(!p.contains(QLatin1String("note")));
        QVERIFY(p.contains(QLatin1String("<h1>Element: h1</h1><br>\r\n")));
    }

    void samples_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("sample");
        const QString home = homeLinkAttribute();
        // A tag takes a name alone: what is no name of letters and digits gets a span.
        QTest::newRow("grouped selector") << "h1, h2 {}"
                                          << "<span>Element: h1, h2</span><br>";
        QTest::newRow("pseudo-class") << "a:hover{}"
                                      << "<span>Element: a:hover</span><br>";
        QTest::newRow("descendant") << "div p{}"
                                    << "<div>Element: div p</div><br>";
        QTest::newRow("TABLE is lower-cased") << "TABLE{}"
                                              << "<table><tr><td>Element: table</td></tr></table><br>";
        QTest::newRow("th") << "th{}"
                            << "<table><tr><th>Element: th</th></tr></table><br>";
        QTest::newRow("img") << "img{}"
                             << "<img src=\"Manager32.gif\">Element img<br>";
        QTest::newRow("li") << "li{}"
                            << "<ul><li>Element: li</ul><br>";
        QTest::newRow("select closes its list") << "select{}"
                                                << "<select name=\"top5\" size=\"1\"><option>Beispieltext1</option>"
                                                   "<option>Beispieltext2</option></select> Element: select<br>";
        QTest::newRow("input") << "input{}"
                               << "<input value=\"Beispieltext\"> Element: input";
        QTest::newRow("textarea") << "textarea{}"
                                  << QString::fromUtf8(
                                         "<textarea>Beispieltext für das Element: textarea</textarea><br>");
        QTest::newRow("anchor") << "A{}"
                                << "<a " + home + ">Element: a</a><br>";
        QTest::newRow("TABLE.x keeps its case") << "TABLE.x{}"
                                                << "<TABLE class=\"x\">Klasse: TABLE.x</TABLE><br>";
        QTest::newRow("table class") << "table.x{}"
                                     << "<table class=\"x\"><tr><td>Element: table.x</td></tr></table><br>";
        QTest::newRow("td class") << "td.x{}"
                                  << "<table><tr><td class=\"x\">Element: td.x</td></tr></table><br>";
        QTest::newRow("anchor class") << "a.nav:hover{}"
                                      << "<a class=\"nav:hover\" " + home + ">Element: a.nav:hover</a><br>";
        QTest::newRow("paragraph class") << "p.intro{}"
                                         << "<p class=\"intro\">Klasse: p.intro</p><br>";
        QTest::newRow("ID lower-cased") << "#Top{}"
                                        << "<span id=\"top\">einfache ID: top</span><br>";
        QTest::newRow("ID with pseudo-class") << "#x:hover{}"
                                              << "<a id=\"\" " + home + ">Pseudoformat: #x:hover</a><br>";
        QTest::newRow("anchor ID with pseudo-class") << "a#nav:hover{}"
                                                     << "<a id=\"nav\" " + home + ">Pseudoformat: a#nav:hover</a><br>";
        QTest::newRow("table ID") << "table#t{}"
                                  << "<table id=\"t\"><tr><td>Element: table#t</td></tr></table><br>";
        QTest::newRow("anchor ID has no link") << "a#top{}"
                                               << "<a id=\"top\">Element: a#top</a><br>";
    }
    void samples()
    {
        QFETCH(QString, rule);
        QFETCH(QString, sample);
        QCOMPARE(buildSamples(joinAndStripComments(QStringList{rule}).text), sample + QStringLiteral("\r\n"));
    }

    // Selector texts are shown as text: nothing of them becomes markup of the page.
    void hostileSelectorsAreText_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("sample");
        QTest::newRow("element closing the style") << "h1 </style><script>x()</script> {}"
                                                   << "<h1>Element: h1 "
                                                      "&lt;/style&gt;&lt;script&gt;x()&lt;/script&gt;</h1><br>";
        // Nothing after the element's name goes into its tag: no attribute, no entity.
        QTest::newRow("a frame with its page") << "iframe srcdoc=<h1>FAKE</h1><img/src=pic.png> width=600 {}"
                                               << "<iframe class=\"png&gt; width=600\">Klasse: iframe "
                                                  "srcdoc=&lt;h1&gt;FAKE&lt;/h1&gt;&lt;img/src=pic.png&gt; "
                                                  "width=600</iframe><br>";
        QTest::newRow("a picture") << "img src=pic {}"
                                   << "<img>Element: img src=pic</img><br>";
        QTest::newRow("a refresh") << "meta http-equiv=refresh content=0;url=x {}"
                                   << "<meta>Element: meta http-equiv=refresh content=0;url=x</meta><br>";
        QTest::newRow("a class beside attributes") << "img src=x.y {}"
                                                   << "<img class=\"y\">Klasse: img src=x.y</img><br>";
        QTest::newRow("ID with a meta element")
            << "#y<meta http-equiv=\"refresh\" content=\"0;url=pic\"> {}"
            << "<span id=\"y&lt;meta http-equiv=&quot;refresh&quot; content=&quot;0;url=pic&quot;&gt;\">einfache ID: "
               "y&lt;meta http-equiv=&quot;refresh&quot; content=&quot;0;url=pic&quot;&gt;</span><br>";
        QTest::newRow("class ending its attribute")
            << "p.x\" onclick=\"y {}"
            << "<p class=\"x&quot; onclick=&quot;y\">Klasse: p.x&quot; onclick=&quot;y</p><br>";
        QTest::newRow("anchor class with a quote")
            << "a.x'> {}"
            << "<a class=\"x&#39;&gt;\" " + homeLinkAttribute() + ">Element: a.x&#39;&gt;</a><br>";
        QTest::newRow("table ID with an ampersand")
            << "td#a&b {}"
            << "<table><tr><td id=\"a&amp;b\">Element: td#a&amp;b</td></tr></table><br>";
        QTest::newRow("anchor pseudo-format")
            << "a#<b>:hover {}"
            << "<a id=\"&lt;b&gt;\" " + homeLinkAttribute() + ">Pseudoformat: a#&lt;b&gt;:hover</a><br>";
        QTest::newRow("element with an ID") << "div<i>#x {}"
                                            << "<span id=\"x\">komplexe ID: div&lt;i&gt;#x</span><br>";
        // "<!--" would open a comment that swallows the rest of the page: a name that is
        // no tag name stays text, as the browser shows "<#x>" anyway.
        QTest::newRow("comment opener") << "!-- x {}"
                                        << "<span>Element: !-- x</span><br>";
        QTest::newRow("processing instruction") << "?x.y {}"
                                                << "<span class=\"y\">Klasse: ?x.y</span><br>";
        QTest::newRow("no letter first") << "#y:h, 1#z {}"
                                         << "<a id=\"\" " + homeLinkAttribute() + ">Pseudoformat: #y:h, 1#z</a><br>";
        QTest::newRow("element with an ID, no letter first") << "1#z {}"
                                                             << "<span id=\"z\">komplexe ID: 1#z</span><br>";
        // plaintext never ends and would turn every later sample into text.
        QTest::newRow("plaintext") << "plaintext {}"
                                   << "<xmp>Element: plaintext</xmp><br>";
        QTest::newRow("plaintext with more") << "PLAINTEXT b.c {}"
                                             << "<xmp class=\"c\">Klasse: PLAINTEXT b.c</xmp><br>";
    }
    void hostileSelectorsAreText()
    {
        QFETCH(QString, rule);
        QFETCH(QString, sample);
        QCOMPARE(buildSamples(joinAndStripComments(QStringList{rule}).text), sample + QStringLiteral("\r\n"));
    }

    // No "</style" of the sheet, in any case, can end the style element; CSS reads
    // "<\/" as "</", so strings keep their text.
    void styleElementEndsOnlyOnce()
    {
        const QString p = page(QStringLiteral("p { content: \"</STYLE>\" } h1 </style><b> {} q{}"));
        QCOMPARE(p.count(QLatin1String("</style"), Qt::CaseInsensitive), 1);
        QVERIFY(p.contains(QLatin1String(" p { content: \"<\\/STYLE>\" } h1 <\\/style><b> {} q{}\r\n-->\r\n</style>")));
    }

    void everyRuleGetsASampleRepeatsIncluded()
    {
        QCOMPARE(buildSamples(QStringLiteral(" p{} p{} q")),
                 QStringLiteral("<p>Element: p</p><br>\r\n<p>Element: p</p><br>\r\n"));
    }

    void homeLinkIsAnAddress()
    {
        QVERIFY(homeLinkAttribute().startsWith(QLatin1String("href=\"https://")));
        QVERIFY(homeLinkAttribute().endsWith(QLatin1Char('"')));
    }
};

QTEST_APPLESS_MAIN(TestPreviewPage)
#include "tst_preview_page.moc"
