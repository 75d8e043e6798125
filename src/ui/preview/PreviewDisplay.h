#pragma once

#include "preview/PreviewPage.h"

#include <QString>
#include <QWidget>

// The control that shows the preview page. `folder` is the style sheet's folder,
// against which the page's relative addresses resolve; empty for an untitled sheet.
class PreviewDisplay : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Replaces the page shown; the previous one is gone.
    virtual void showPage(const QString &html, const QString &folder) = 0;
    // The same for a sheet's page, which a display may update where it is shown.
    virtual void showSheet(const PreviewPage::Parts &parts, const QString &folder)
    {
        showPage(PreviewPage::pageOf(parts), folder);
    }
};
