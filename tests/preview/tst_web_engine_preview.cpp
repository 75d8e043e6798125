// The preview in the real browser engine.

#include "TestFiles.h"
#include "analysis/StyleSheetParser.h"
#include "preview/PreviewPage.h"
#include "preview/WebEnginePreview.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

QString pageFor(const QString &sheet)
{
    return PreviewPage::BuildPage(JoinAndStripComments(sheet.split(QLatin1Char('\n'))).text);
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
    preview.WriteToBrowser(html, folder);
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

    void pageScriptsDoNotRun()
    {
        QVERIFY(show(*preview, QStringLiteral("<html><body><p id=\"t\">before</p>"
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
        QVERIFY(show(*preview, pageFor(QStringLiteral("@import url(http://127.0.0.1:%1/a.css);\n"
                                                      "p { background-image: url(%2) }").arg(server.serverPort()).arg(remote))));
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

    void theNewestPageWins()
    {
        QSignalSpy shown(preview.get(), &WebEnginePreview::pageShown);
        for (int i = 1; i <= 5; ++i)
            preview->WriteToBrowser(pageFor(QStringLiteral("p { color: rgb(%1, 0, 0) }").arg(i)), {});
        QVERIFY(shown.wait(20000));
        QCOMPARE(evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('p')).color")).toString(),
                 QStringLiteral("rgb(5, 0, 0)"));
    }

    void pagesOverTwoMegabytesShow()
    {
        QString sheet;
        for (int i = 0; sheet.size() < 3'000'000; ++i)
            sheet += QStringLiteral(".k%1 { color: rgb(0, 0, 9) }\n").arg(i);
        QVERIFY(show(*preview, pageFor(sheet)));
        QVERIFY(evaluate(*preview, QStringLiteral("document.querySelectorAll('span').length")).toInt() > 50000);
        QCOMPARE(evaluate(*preview, QStringLiteral("getComputedStyle(document.querySelector('span.k7')).color")).toString(),
                 QStringLiteral("rgb(0, 0, 9)"));
    }

private:
    std::unique_ptr<WebEnginePreview> preview;
};

QTEST_MAIN(TestWebEnginePreview)
#include "tst_web_engine_preview.moc"
