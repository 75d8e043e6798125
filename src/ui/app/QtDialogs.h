#pragma once

#include "app/Dialogs.h"

class QWidget;

// The real dialogs: message boxes, file dialogs, the desktop and the network state.
class QtDialogs : public Dialogs
{
public:
    Answer message(BoxKind kind, const QString &text, Buttons buttons) override;
    QString openStyleSheetFile() override;
    QString saveStyleSheetFile() override;
    QString openPictureFile() override;
    bool setUpPrinter(QPrinter &printer) override;
    bool editSearch(FindReplace::SearchState &state, bool replace) override;
    FindReplace::ReplaceAnswer confirmReplace(const QString &searchText, const QRect &area, int x, int lineTop,
                                              int lineBottom) override;
    void openWithDesktop(const QUrl &url) override;
    bool isOnline() override;

private:
    QString m_lastOpened;
    QString m_lastSaved;
    QString m_lastPicture;
};
