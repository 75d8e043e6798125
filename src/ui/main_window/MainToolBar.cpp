#include "MainToolBar.h"

#include "i18n/UiTexts.h"
#include "pictures/Pictures.h"

#include <QToolButton>

MainToolBar::MainToolBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mainToolBar"));
    setFixedHeight(43);
    struct Button
    {
        QToolButton *&button;
        const char *name;
        int left, width;
        const char *caption;
        int textId;
        const char *picture;
        const char *hint;
    };
    const Button buttons[] = {
        {m_newButton, "newButton", 0, 57, "Neu", 2, "new", "Erzeugt ein neues StyleSheet-Dokument"},
        {m_openButton, "openButton", 56, 57, "Öffnen", 3, "open", "Öffnet ein vorhandenes StyleSheet-Dokument"},
        {m_saveButton, "saveButton", 112, 57, "Speichern", 4, "save", "Speichert Ihre Angaben in ein StyleSheet-Dokument"},
        {m_closeButton, "closeButton", 168, 57, "Schließen", 6, "close", "Schliesst ein erstelltes StyleSheet-Dokument"},
        {m_printButton, "printButton", 224, 57, "Drucken", 8, "print", "Druckt ein vorhandenes StyleSheet-Dokument"},
        {m_assistantButton, "assistantButton", 296, 78, "Style-Assistent", 0, "assistant",
         "Öffnet den StyleSheet-Assistenten"},
    };
    for (const Button &b : buttons) {
        b.button = new QToolButton(this);
        b.button->setObjectName(QLatin1String(b.name));
        b.button->setGeometry(b.left, 0, b.width, 41);
        b.button->setText(QString::fromUtf8(b.caption));
        b.button->setIcon(Pictures::icon(QLatin1String(b.picture)));
        b.button->setIconSize(QSize(20, 20));
        b.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b.button->setToolTip(QString::fromUtf8(b.hint));
        b.button->setAutoRaise(true);
        b.button->setFocusPolicy(Qt::NoFocus);
        if (b.textId)
            b.button->setProperty(kUiTextIdProperty, b.textId);
    }
    m_saveButton->setEnabled(false);
    m_closeButton->setEnabled(false);
}
