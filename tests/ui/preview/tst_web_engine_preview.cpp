// The preview in the real browser engine.

#include "TestFiles.h"
#include "analysis/StyleSheetParser.h"
#include "app/Startup.h"
#include "app/WholeFile.h"
#include "preview/PreviewPage.h"
#include "preview/WebEnginePreview.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString pageFor(const QString &sheet)
{
    return PreviewPage::buildPage(joinAndStripComments(sheet.split(QLatin1Char('\n'))).text);
}

// Evaluates an expression in the page, outside the page's own (disabled) scripts.
QVariant evaluate(WebEnginePreview &preview, const QString &expression)
{
    QVariant result;
    bool done = false;
    preview.view()->page()->runJavaScript(expression, QWebEngineScript::ApplicationWorld, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        qWarning("no answer from the page");
    return result;
}

bool show(WebEnginePreview &preview, const QString &html, const QString &folder = {})
{
    QSignalSpy shown(&preview, &WebEnginePreview::pageShown);
    preview.showPage(html, folder);
    return shown.wait(120000);
}

// The page of a sheet, loaded or updated where it is shown.
bool showSheet(WebEnginePreview &preview, const QString &flatText, const QString &folder = {})
{
    QSignalSpy shown(&preview, &WebEnginePreview::pageShown);
    preview.showSheet(PreviewPage::buildParts(flatText), folder);
    return shown.wait(120000);
}

} // namespace

class TestWebEnginePreview : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        preview = std::make_unique<WebEnginePreview>();
        preview->resize(600, 300);
        preview->show();
    }
    void cleanup() { preview.reset(); }

    void sampleFollowsTheSheet()
    {
        QVERIFY(show(*preview, pageFor(QStringLiteral("p { color: rgb(1, 2, 3) }\n.x { font-weight: bold }"))));
        QCOMPARE(evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('p')).color")).toString(),
                 QStringLiteral("rgb(1, 2, 3)"));
        QCOMPARE(evaluate(*preview, QStringLiteral("document.querySelector('span.x').textContent")).toString(),
                 QStringLiteral("Klasse: .x"));
    }

    // Drawn through the graphics path the program chooses (Qt Quick's software
    // renderer): the page's colours reach the widget's pixels.
    void pageReachesTheScreen()
    {
        QVERIFY(show(*preview, pageFor(QStringLiteral("body { background: rgb(200, 0, 100) }"))));
        const bool drawn = QTest::qWaitFor(
            [&] {
                const QImage image = preview->view()->grab().toImage();
                return !image.isNull()
                    && image.pixelColor(image.width() / 2, image.height() - 5) == QColor(200, 0, 100);
            },
            20000);
        QVERIFY(drawn);
    }

    void pageScriptsDoNotRun()
    {
        QVERIFY(show(*preview,
                     QStringLiteral("<html><body><p id=\"t\">before</p>"
                                    "<script>document.getElementById('t').textContent='after'</script>"
                                    "</body></html>")));
        QCOMPARE(evaluate(*preview, QStringLiteral("document.getElementById('t').textContent")).toString(),
                 QStringLiteral("before"));
    }

    void remoteAddressesAreNeverAsked()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString remote = QStringLiteral("http://127.0.0.1:%1/x.png").arg(server.serverPort());
        QVERIFY(show(*preview,
                     pageFor(QStringLiteral("@import url(http://127.0.0.1:%1/a.css);\n"
                                            "p { background-image: url(%2) }")
                                 .arg(server.serverPort())
                                 .arg(remote))));
        QTest::qWait(300);
        QVERIFY(!server.hasPendingConnections());
        QVERIFY(!server.waitForNewConnection(200));
    }

    void relativePicturesComeFromTheSheetsFolder()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("images"));
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString file = dir.filePath(QStringLiteral("images/bg.png"));
        QVERIFY(picture.save(file));
        QString html = pageFor(QStringLiteral("p { background-image: url(images/bg.png) }"));
        QVERIFY(show(*preview, html, dir.path()));
        QTRY_VERIFY_WITH_TIMEOUT(preview->servedFiles().contains(file), 10000);

        // An untitled sheet has no folder: nothing is looked up.
        QVERIFY(show(*preview, html.replace(QLatin1String("p {"), QLatin1String("div {"))));
        QTest::qWait(300);
        QCOMPARE(preview->servedFiles().count(file), 1);
    }

    // A folder whose name is not UTF-8 (the file system's bytes) shows the page and
    // serves the pictures beside the sheet all the same.
    void aFolderNamedInAnotherEncoding()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path())
            + "/Gr\xf6\xdf"
              "e";
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(&buffer, "PNG"));
        const QByteArray file = folder + "/bg.png";
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT, 0600);
        QVERIFY(fd >= 0);
        QVERIFY(::write(fd, png.constData(), size_t(png.size())) == png.size());
        ::close(fd);
        QVERIFY(show(*preview, pageFor(QStringLiteral("p { color: rgb(1, 2, 3); background-image: url(bg.png) }")),
                     fileNameFromLocal(folder)));
        QCOMPARE(evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('p')).color")).toString(),
                 QStringLiteral("rgb(1, 2, 3)"));
        QTRY_VERIFY_WITH_TIMEOUT(preview->servedFiles().contains(fileNameFromLocal(file)), 10000);
    }

    // Hostile sheets: nothing runs, the page stays ours, later rules still apply, and
    // nothing is fetched from the network or from outside the sheet's folder.
    void hostileSheetsStayInThePreview_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("inPlace"); // loaded, or written into a sheet's page already shown
        const std::pair<const char *, const char *> rows[] = {
            {"style element closed early", "h1 </style><script>document.title='ran'</script><img src=\"pic.png\"> {}"},
            {"meta refresh in an ID", "#y<meta http-equiv=\"refresh\" content=\"0;url=pic.png\"> {}"},
            {"meta refresh as an element", "meta http-equiv=refresh content=0;url=pic.png {}"},
            {"frame of a file outside the folder", "iframe src=../secret.png {}"},
            {"frame of a system file", "iframe src=/etc/hostname {}"},
            {"frame of the network", "iframe src=http://127.0.0.1:%PORT%/frame {}"},
            {"object", "object data=../secret.png type=image/png {}"},
            {"javascript addresses",
             "p { background-image: url(javascript:document.title='ran') } embed src=javascript:document.title='ran' "
             "{}"},
            {"data frame", "iframe src=data:text/html,<b>framed</b> {}"},
            {"remote import and picture",
             "@import url(http://127.0.0.1:%PORT%/a.css); p { background: url(http://127.0.0.1:%PORT%/x.png) }"},
            {"pictures outside the folder",
             "p { background: url(../secret.png) } h1 { background: url(/etc/hostname) } h2 { background: "
             "url(file:///etc/hostname) } h3 { background: url(link.png) } h4 { background: url(t.txt) }"},
            {"base address and form", "base href=http://127.0.0.1:%PORT%/ {} form action=http://127.0.0.1:%PORT%/f {}"},
        };
        for (const auto &[name, sheet] : rows) {
            QTest::newRow(name) << QString::fromUtf8(sheet) << false;
            QTest::newRow((QByteArray(name) + ", in place").constData()) << QString::fromUtf8(sheet) << true;
        }
    }
    void hostileSheetsStayInThePreview()
    {
        QFETCH(QString, sheet);
        QFETCH(bool, inPlace);
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost));
        sheet.replace(QLatin1String("%PORT%"), QString::number(listener.serverPort()));
        QTemporaryDir dir;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("secret.png"))));
        QDir(dir.path()).mkpath(QStringLiteral("sheet"));
        const QString folder = dir.filePath(QStringLiteral("sheet"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("secret.png")), folder + QStringLiteral("/link.png")));
        writeFile(folder + QStringLiteral("/t.txt"), "text beside the sheet");

        const QString last = QStringLiteral("p.after { color: rgb(1, 2, 3) }");
        const QString flat = joinAndStripComments({sheet, last}).text;
        const int rules = PreviewPage::buildSamples(flat).count(QLatin1String("\r\n"));
        if (inPlace) {
            QVERIFY(showSheet(*preview, QStringLiteral(" p { color: red }"), folder));
            QSignalSpy started(preview->view()->page(), &QWebEnginePage::loadStarted);
            QVERIFY(showSheet(*preview, flat, folder));
            QCOMPARE(started.count(), 0);
        } else {
            QVERIFY(show(*preview, PreviewPage::buildPage(flat), folder));
        }
        const QUrl shown = preview->view()->url();
        QTest::qWait(500); // time for a refresh, a frame or a request to go out

        QCOMPARE(preview->view()->url(), shown);
        QCOMPARE(evaluate(*preview, QStringLiteral("document.title")).toString(), QStringLiteral("Original"));
        QCOMPARE(evaluate(*preview, QStringLiteral("document.querySelectorAll('script').length")).toInt(), 0);
        QCOMPARE(evaluate(*preview, QStringLiteral("document.querySelectorAll('style').length")).toInt(), 1);
        QCOMPARE(evaluate(*preview, QStringLiteral("document.querySelectorAll('br').length")).toInt(), rules);
        QCOMPARE(
            evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('p.after')).color")).toString(),
            QStringLiteral("rgb(1, 2, 3)"));
        QVERIFY(!listener.hasPendingConnections());
        QVERIFY(!listener.waitForNewConnection(100));
        QCOMPARE(preview->servedFiles(), QStringList());
    }

    // A click on a link sample is refused: the preview keeps showing the sheet.
    void linksDoNotLeaveThePage()
    {
        QVERIFY(show(*preview, pageFor(QStringLiteral("a { color: rgb(1, 2, 3) } a.x {} #n:hover {}"))));
        const QUrl shown = preview->view()->url();
        for (const QString &selector : {QStringLiteral("a"), QStringLiteral("a.x"), QStringLiteral("a[id]")}) {
            evaluate(*preview, QStringLiteral("document.querySelector('%1').click(), 1").arg(selector));
            QTest::qWait(300);
            QCOMPARE(preview->view()->url(), shown);
            QCOMPARE(
                evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('a')).color")).toString(),
                QStringLiteral("rgb(1, 2, 3)"));
        }
    }

    void theNewestPageWins()
    {
        QSignalSpy shown(preview.get(), &WebEnginePreview::pageShown);
        for (int i = 1; i <= 5; ++i)
            preview->showPage(pageFor(QStringLiteral("p { color: rgb(%1, 0, 0) }").arg(i)), {});
        QVERIFY(shown.wait(20000));
        QCOMPARE(evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('p')).color")).toString(),
                 QStringLiteral("rgb(5, 0, 0)"));
        QTest::qWait(300);
        QCOMPARE(shown.size(), 1); // the replaced pages are never reported as shown
    }

    // A sheet's page is updated where it is shown, without a new load, while its folder
    // stays; another folder loads the page anew, so that its addresses resolve there.
    void aSheetIsUpdatedWhereItIsShown()
    {
        QTemporaryDir dir;
        QVERIFY(showSheet(*preview, QStringLiteral(" p { color: rgb(1, 0, 0) }"), dir.path()));
        QSignalSpy started(preview->view()->page(), &QWebEnginePage::loadStarted);
        QSignalSpy shown(preview.get(), &WebEnginePreview::pageShown);
        for (int i = 2; i <= 4; ++i)
            preview->showSheet(PreviewPage::buildParts(QStringLiteral(" p { color: rgb(%1, 0, 0) } .k%1 {}").arg(i)),
                               dir.path());
        QVERIFY(shown.wait(20000));
        QTest::qWait(300);
        QCOMPARE(shown.count(), 1); // the replaced updates are never reported as shown
        QCOMPARE(started.count(), 0);
        QCOMPARE(evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('p')).color")).toString(),
                 QStringLiteral("rgb(4, 0, 0)"));
        QCOMPARE(evaluate(*preview, QStringLiteral("document.body.innerText.trim().replace(/\\s+/g, ' ')")).toString(),
                 QStringLiteral("Element: p Klasse: .k4"));
        QCOMPARE(evaluate(*preview, QStringLiteral("document.title")).toString(), QStringLiteral("Original"));

        // An update still with the engine when a load replaces it is never reported.
        preview->showSheet(PreviewPage::buildParts(QStringLiteral(" p { color: rgb(9, 0, 0) }")), dir.path());
        QVERIFY(showSheet(*preview, QStringLiteral(" p { color: rgb(5, 0, 0) }")));
        QCOMPARE(started.count(), 1);
        QCOMPARE(evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('p')).color")).toString(),
                 QStringLiteral("rgb(5, 0, 0)"));
    }

    // A key that leaves the page as it was (in a comment, say) costs the engine nothing.
    void theSamePageIsNotLoadedAgain()
    {
        const QString page = pageFor(QStringLiteral("p { color: red }"));
        QVERIFY(show(*preview, page));
        QSignalSpy started(preview->view()->page(), &QWebEnginePage::loadStarted);
        preview->showPage(page, {});
        QTest::qWait(500);
        QCOMPARE(started.count(), 0);
        // Another folder is another page: its relative addresses resolve elsewhere.
        QTemporaryDir dir;
        QVERIFY(show(*preview, page, dir.path()));
        QVERIFY(show(*preview, pageFor(QStringLiteral("p { color: blue }")), dir.path()));
    }

    void pagesOverTwoMegabytesShow()
    {
        QString sheet;
        for (int i = 0; sheet.size() < 3'000'000; ++i)
            sheet += QStringLiteral(".k%1 { color: rgb(0, 0, 9) }\n").arg(i);
        QVERIFY(show(*preview, pageFor(sheet)));
        QVERIFY(evaluate(*preview, QStringLiteral("document.querySelectorAll('span').length")).toInt() > 50000);
        QCOMPARE(
            evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('span.k7')).color")).toString(),
            QStringLiteral("rgb(0, 0, 9)"));
    }

private:
    std::unique_ptr<WebEnginePreview> preview;
};

int main(int argc, char **argv)
{
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    Startup::chooseGraphics();
    QApplication app(argc, argv);
    TestWebEnginePreview test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_web_engine_preview.moc"
