#pragma once

#include "PreviewDisplay.h"

#include <QStringList>
#include <QUrl>

#include <optional>

class QWebEnginePage;
class QWebEngineView;
class PreviewSchemeHandler;

// The preview in a browser engine that runs no script of the page, sends no request
// off the machine, reads only pictures, fonts and style sheets from the sheet's folder
// and never navigates away from the page it was given. Pages of any size are served
// from memory; while one is loading, only the newest page waits for its turn.
class WebEnginePreview : public PreviewDisplay
{
    Q_OBJECT

public:
    explicit WebEnginePreview(QWidget *parent = nullptr);
    ~WebEnginePreview() override;

    void showPage(const QString &html, const QString &folder) override;
    // While a sheet's page is shown and no other is loading, a sheet in the same folder
    // replaces the style element's text and the samples where they are shown: no new
    // page is loaded, which costs the engine several times more.
    void showSheet(const PreviewPage::Parts &parts, const QString &folder) override;

    QWebEngineView *view() const { return m_view; }
    // The local files handed to the page.
    QStringList servedFiles() const;
    // The page last given: shown, or on its way.
    QString latestPage() const;

signals:
    void pageShown();

private:
    void loadPage(const QString &html, const QString &folder, bool sheet);
    void sendUpdate();
    void loadLatest();
    void load(const QUrl &url);

    QWebEngineView *m_view;
    QWebEnginePage *m_page;
    PreviewSchemeHandler *m_handler;
    QString m_folder;
    quint64 m_written = 0; // pages written
    quint64 m_loading = 0; // the page being loaded, 0 when idle
    QUrl m_latestUrl; // the address of the newest page
    bool m_latestIsSheet = false; // the newest page was made by showSheet
    bool m_sheetShown = false; // a sheet's page has loaded and is shown
    bool m_updating = false; // an update of the shown sheet is with the engine
    std::optional<PreviewPage::Parts> m_waitingUpdate; // the newest update, while another is with the engine
    quint64 m_updateGeneration = 0; // counts updates sent; a load makes those in flight stale
};
