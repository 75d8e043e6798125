#include "WebEnginePreview.h"

#include "app/WholeFile.h"
#include "preview/PreviewPage.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeDatabase>
#include <QPointer>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

const QByteArray kScheme = QByteArray(PreviewPage::kPreviewScheme);

// Registered before the application object exists, as the engine requires.
const bool kSchemeRegistered = [] {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
    return true;
}();

// Lets nothing leave the machine, nor reach the machine's files other than through the
// preview's own scheme: that, inline data and the empty page only.
class LocalOnly : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QString scheme = info.requestUrl().scheme();
        if (scheme == QLatin1String(kScheme) || scheme == QLatin1String("data") || scheme == QLatin1String("about"))
            return;
        info.block(true);
    }
};

// A path of our scheme as the file system spells it: its bytes, percent-encoded.
QString pathOf(const QUrl &url)
{
    return fileNameFromLocal(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

// The path with links and ".." resolved, from the file system's own bytes (Qt's file
// classes know names in UTF-8 only); empty when there is no such file or folder.
QString canonicalLocal(const QString &path)
{
    char *real = ::realpath(localFileName(path).constData(), nullptr);
    if (!real)
        return {};
    const QString resolved = fileNameFromLocal(QByteArray(real));
    ::free(real);
    return resolved;
}

// What a style sheet loads: pictures, fonts and other style sheets.
bool isSheetResource(const QMimeType &type)
{
    const QString name = type.name();
    if (name.startsWith(QLatin1String("image/")) || name.startsWith(QLatin1String("font/"))
        || name == QLatin1String("text/css"))
        return true;
    for (const char *font : {"application/vnd.ms-fontobject", "application/vnd.ms-opentype", "application/x-font-ttf",
                             "application/x-font-otf", "application/font-woff"}) {
        if (type.inherits(QLatin1String(font)))
            return true;
    }
    return false;
}

// The page goes nowhere but where the preview sends it: links, forms, refreshes and
// frames of the sheet's samples are refused, so the preview always shows the sheet.
class PreviewWebPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

    // The next page the preview loads itself: accepted once.
    QUrl expected;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        if (!isMainFrame || url != expected)
            return false;
        expected.clear();
        return true;
    }

    // The engine reports every request the page's policy refused (a sheet's remote
    // pictures and fonts, say) as a console message; they are not the user's concern.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &) override { }
};

} // namespace

// Serves the newest page, and the files its relative addresses name in the sheet's
// folder: only there (after resolving ".." and links) and only what a sheet loads.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler
{
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        const QUrl url = job->requestUrl();
        if (QUrlQuery(url).hasQueryItem(QStringLiteral("page"))) {
            auto *buffer = new QBuffer(job);
            buffer->setData(page.toUtf8());
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
            // Qt 6.4 of Debian 12 has no response headers: there the page's <meta> says it.
            job->setAdditionalResponseHeaders(
                {{QByteArrayLiteral("Content-Security-Policy"), PreviewPage::securityPolicy().toUtf8()}});
#endif
            job->reply("text/html;charset=utf-8", buffer);
            return;
        }
        // An untitled sheet has no folder to look in. The path is the file system's
        // bytes, so names that are not UTF-8 are found too.
        const QString path = canonicalLocal(pathOf(url));
        struct stat status;
        if (folder.isEmpty() || path.isEmpty() || ::stat(localFileName(path).constData(), &status) != 0
            || !S_ISREG(status.st_mode)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto *file = new QFile(job);
        const int descriptor = ::open(localFileName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0 || !file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            if (descriptor >= 0)
                ::close(descriptor);
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        const QMimeType type = QMimeDatabase().mimeTypeForFileNameAndData(path, file);
        if (!path.startsWith(folder) || !isSheetResource(type) || !file->seek(0)) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        served << path;
        job->reply(type.name().toLatin1(), file);
    }

    QString page;
    QString folder; // the sheet's folder, resolved and ending in "/"; empty when untitled
    QStringList served;
};

WebEnginePreview::WebEnginePreview(QWidget *parent) : PreviewDisplay(parent)
{
    Q_UNUSED(kSchemeRegistered);
    // One profile for the program: off the record, so nothing is stored on disk.
    static QWebEngineProfile *profile = [] {
        auto *p = new QWebEngineProfile(qApp);
        p->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        p->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        p->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        p->setUrlRequestInterceptor(new LocalOnly(p));
        return p;
    }();
    m_handler = new PreviewSchemeHandler(this);
    profile->installUrlSchemeHandler(kScheme, m_handler);

    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("previewView"));
    m_page = new PreviewWebPage(profile, m_view);
    m_view->setPage(m_page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // Files dropped onto the preview go to the window, which opens them.
    m_view->setAcceptDrops(false);
    load(QUrl(QStringLiteral("about:blank")));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    // Only the newest page counts: one that a newer page replaced was abandoned.
    connect(m_page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        if (m_loading == 0 || info.status() == QWebEngineLoadingInfo::LoadStartedStatus || info.url() != m_latestUrl)
            return;
        m_loading = 0;
        m_sheetShown = m_latestIsSheet && info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
        emit pageShown();
    });
}

WebEnginePreview::~WebEnginePreview()
{
    if (QWebEngineProfile *profile = m_view->page()->profile())
        profile->removeUrlSchemeHandler(m_handler);
}

void WebEnginePreview::showPage(const QString &html, const QString &folder)
{
    loadPage(html, folder, false);
}

void WebEnginePreview::showSheet(const PreviewPage::Parts &parts, const QString &folder)
{
    const QString html = PreviewPage::pageOf(parts);
    if (!m_sheetShown || m_loading != 0 || folder != m_folder) {
        loadPage(html, folder, true);
        return;
    }
    if (html == m_handler->page)
        return;
    m_handler->page = html; // what a reload of the page would show
    ++m_written;
    // One update at a time: keys faster than the engine replace the waiting one, so
    // that the engine never works through updates a newer one has replaced.
    m_waitingUpdate = parts;
    if (!m_updating)
        sendUpdate();
}

void WebEnginePreview::sendUpdate()
{
    const PreviewPage::Parts parts = std::move(*m_waitingUpdate);
    m_waitingUpdate.reset();
    m_updating = true;
    const quint64 update = m_written;
    const quint64 generation = ++m_updateGeneration;
    // In the application's world, which the page's own scripts (none run) cannot reach.
    // The text goes in as data: the sheet stays the style element's text, and the
    // samples' markup is the page's own, its selectors already escaped.
    const QString data
        = QString::fromUtf8(QJsonDocument(QJsonArray{parts.style, parts.body}).toJson(QJsonDocument::Compact));
    m_page->runJavaScript(QStringLiteral("(function (parts) { document.querySelector('style').textContent = parts[0]; "
                                         "document.body.innerHTML = parts[1]; })(%1)")
                              .arg(data),
                          QWebEngineScript::ApplicationWorld,
                          [self = QPointer<WebEnginePreview>(this), update, generation](const QVariant &) {
                              // A page loaded since has replaced the update.
                              if (!self || generation != self->m_updateGeneration)
                                  return;
                              self->m_updating = false;
                              if (self->m_waitingUpdate)
                                  self->sendUpdate();
                              else if (update == self->m_written)
                                  emit self->pageShown();
                          });
}

void WebEnginePreview::loadPage(const QString &html, const QString &folder, bool sheet)
{
    // The page shown (or on its way) once more, as after a key in a comment: loading it
    // again would only draw the same pixels, at the cost of a whole page.
    if (m_written > 0 && html == m_handler->page && folder == m_folder && sheet == m_latestIsSheet)
        return;
    m_latestIsSheet = sheet;
    m_sheetShown = false;
    m_waitingUpdate.reset();
    m_updating = false;
    ++m_updateGeneration;
    m_handler->page = html;
    m_handler->folder.clear();
    if (!folder.isEmpty()) {
        const QString resolved = canonicalLocal(folder);
        if (!resolved.isEmpty())
            m_handler->folder = resolved.endsWith(QLatin1Char('/')) ? resolved : resolved + QLatin1Char('/');
    }
    m_folder = folder;
    ++m_written;
    // A page still loading is left for the newer one, which stops it: rendering a large
    // page to the end only to replace it would pile up work behind the keys.
    loadLatest();
}

void WebEnginePreview::loadLatest()
{
    m_loading = m_written;
    // The page lives at the sheet's folder, so that url(images/x.png) resolves there.
    QString folder = m_folder.isEmpty() ? QStringLiteral("/") : m_folder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    url.setPath(QString::fromLatin1(localFileName(folder).toPercentEncoding("/")), QUrl::TolerantMode);
    url.setQuery(QStringLiteral("page=%1").arg(m_loading));
    load(url);
}

void WebEnginePreview::load(const QUrl &url)
{
    static_cast<PreviewWebPage *>(m_page)->expected = url;
    m_latestUrl = url;
    m_view->setUrl(url);
}

QString WebEnginePreview::latestPage() const
{
    return m_handler->page;
}

QStringList WebEnginePreview::servedFiles() const
{
    return m_handler->served;
}
