#include "HelpCommands.h"

#include "app/Dialogs.h"
#include "i18n/UiTexts.h"

#include <QFileInfo>
#include <QUrl>

namespace HelpCommands {

void showHelp(Dialogs &dialogs, const UiTexts &texts, const QString &appDir)
{
    for (const char *name : {"Hilfe.html", "Hilfe.chm"}) {
        const QString path = appDir + QLatin1String(name);
        if (QFileInfo::exists(path)) {
            dialogs.openWithDesktop(QUrl::fromLocalFile(path));
            return;
        }
    }
    dialogs.message(BoxKind::Information, texts.text(UiText::HelpMissing), Buttons::Ok);
}

void openWebLink(Dialogs &dialogs, const UiTexts &texts, const QString &address)
{
    if (dialogs.isOnline()
        || dialogs.message(BoxKind::Error, texts.text(UiText::OfflineQuestion), Buttons::YesNoCancel) == Answer::Yes)
        dialogs.openWithDesktop(QUrl(address));
}

} // namespace HelpCommands
