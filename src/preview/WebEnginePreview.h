#pragma once

#include "PreviewDisplay.h"

#include <QStringList>

class QWebEngineView;
class PreviewSchemeHandler;

// The preview in a browser engine that runs no script of the page and sends no
// request off the machine. Pages of any size are served from memory; while one is
// loading, only the newest page waits for its turn.
class WebEnginePreview : public PreviewDisplay
{
    Q_OBJECT

public:
    explicit WebEnginePreview(QWidget *parent = nullptr);
    ~WebEnginePreview() override;

    void WriteToBrowser(const QString &html, const QString &folder) override;

    QWebEngineView *view() const { return m_view; }
    // The local files handed to the page.
    QStringList servedFiles() const;

signals:
    void pageShown();

private:
    void loadLatest();

    QWebEngineView *m_view;
    PreviewSchemeHandler *m_handler;
    QString m_folder;
    quint64 m_written = 0; // pages written
    quint64 m_loading = 0; // the page being loaded, 0 when idle
};
