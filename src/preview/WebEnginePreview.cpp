#include "WebEnginePreview.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

namespace {

const QByteArray kScheme = QByteArrayLiteral("sgpreview");

// Registered before the application object exists, as the engine requires.
const bool kSchemeRegistered = [] {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
    return true;
}();

// Lets nothing leave the machine: only the preview's own scheme and inline data.
class LocalOnly : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QString scheme = info.requestUrl().scheme();
        if (scheme == QLatin1String(kScheme) || scheme == QLatin1String("data") || scheme == QLatin1String("qrc")
            || scheme == QLatin1String("about") || scheme == QLatin1String("file"))
            return;
        info.block(true);
    }
};

} // namespace

// Serves the newest page, and the files its relative addresses name in the sheet's folder.
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
            job->reply("text/html;charset=utf-8", buffer);
            return;
        }
        // A file beside the sheet; an untitled sheet has no folder to look in.
        const QString path = url.path();
        QFileInfo info(path);
        if (!titled || !info.isFile()) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto *file = new QFile(path, job);
        if (!file->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        served << path;
        job->reply(QMimeDatabase().mimeTypeForFile(info).name().toLatin1(), file);
    }

    QString page;
    bool titled = false;
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
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->setPage(new QWebEnginePage(profile, m_view));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setUrl(QUrl(QStringLiteral("about:blank")));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    connect(m_view, &QWebEngineView::loadFinished, this, [this] {
        if (m_loading == 0)
            return;
        const bool newer = m_loading != m_written;
        m_loading = 0;
        if (newer)
            loadLatest();
        else
            emit pageShown();
    });
}

WebEnginePreview::~WebEnginePreview()
{
    if (QWebEngineProfile *profile = m_view->page()->profile())
        profile->removeUrlSchemeHandler(m_handler);
}

void WebEnginePreview::WriteToBrowser(const QString &html, const QString &folder)
{
    m_handler->page = html;
    m_handler->titled = !folder.isEmpty();
    m_folder = folder;
    ++m_written;
    if (m_loading == 0)
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
    url.setPath(folder);
    url.setQuery(QStringLiteral("page=%1").arg(m_loading));
    m_view->setUrl(url);
}

QStringList WebEnginePreview::servedFiles() const
{
    return m_handler->served;
}
