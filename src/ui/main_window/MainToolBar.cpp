#include "MainToolBar.h"

#include "i18n/UiTexts.h"
#include "pictures/Pictures.h"

#include <QToolButton>

#include <optional>

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
        std::optional<UiText> textId; // none: the caption stays in every language
        const char *picture;
        const char *hint;
    };
    const Button buttons[] = {
        {m_newButton, "newButton", 0, 57, "Neu", UiText::New, "new", "Erzeugt ein neues StyleSheet-Dokument"},
        {m_openButton, "openButton", 56, 57, "Öffnen", UiText::Open, "open",
         "Öffnet ein vorhandenes StyleSheet-Dokument"},
        {m_saveButton, "saveButton", 112, 57, "Speichern", UiText::Save, "save",
         "Speichert Ihre Angaben in ein StyleSheet-Dokument"},
        {m_closeButton, "closeButton", 168, 57, "Schließen", UiText::Close, "close",
         "Schliesst ein erstelltes StyleSheet-Dokument"},
        {m_printButton, "printButton", 224, 57, "Drucken", UiText::Print, "print",
         "Druckt ein vorhandenes StyleSheet-Dokument"},
        {m_assistantButton, "assistantButton", 296, 78, "Style-Assistent", std::nullopt, "assistant",
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
            setUiTextId(b.button, *b.textId);
    }
    m_saveButton->setEnabled(false);
    m_closeButton->setEnabled(false);
}
