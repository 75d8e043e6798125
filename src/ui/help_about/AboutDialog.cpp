#include "AboutDialog.h"
#include "HoverLink.h"

#include "app/AppError.h"
#include "app/Dialogs.h"
#include "app/ProductInfo.h"
#include "app/ScreenRoutines.h"
#include "app/SharedRoutines.h"
#include "i18n/UiTexts.h"
#include "pictures/Pictures.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QFont pixelFont(int pixels, bool bold = false, const QString &family = QStringLiteral("MS Sans Serif"))
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

AboutDialog::AboutDialog(Dialogs &dialogs, const UiTexts &texts, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(346, 269);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFont(pixelFont(11));

    auto *picture = new QLabel(this);
    picture->setPixmap(Pictures::splash());
    picture->setGeometry(0, 0, 345, 90);

    QString version;
    try {
        version = QStringLiteral("Version ") + versionString();
    } catch (const AppError &) {
        version = QStringLiteral("Version 1.0.0"); // the splash window's design text
    }
    m_versionLabel = new QLabel(version, this);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_versionLabel->setFont(pixelFont(16, true, QStringLiteral("Verdana")));
    m_versionLabel->adjustSize();
    m_versionLabel->move(qMin(216, 344 - m_versionLabel->width()), 64);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(0, 194, 346, 5);

    m_creditLabel = new QLabel(texts.text(UiText::AboutCredit), this);
    m_creditLabel->setObjectName(QStringLiteral("creditLabel"));
    setUiTextId(m_creditLabel, UiText::AboutCredit);
    m_creditLabel->setFont(pixelFont(12));
    m_creditLabel->move(8, 204);
    m_contactLink = new HoverLink(texts.text(UiText::AboutWriteToUs), this);
    m_contactLink->setObjectName(QStringLiteral("contactLink"));
    setUiTextId(m_contactLink, UiText::AboutWriteToUs);
    m_contactLink->setFont(pixelFont(12));
    m_contactLink->move(8, 224);
    m_homePageLink = new HoverLink(QString::fromLatin1(kHomePageAddress), this);
    m_homePageLink->setObjectName(QStringLiteral("homePageLink"));
    m_homePageLink->setFont(pixelFont(12));
    m_homePageLink->move(8, 244);
    for (QLabel *l : {m_creditLabel, static_cast<QLabel *>(m_contactLink), static_cast<QLabel *>(m_homePageLink)})
        l->adjustSize();

    auto *close = new QPushButton(QStringLiteral("Schliessen"), this);
    close->setObjectName(QStringLiteral("aboutCloseButton"));
    close->adjustSize();
    close->move(264, 236);
    connect(close, &QPushButton::clicked, this, &QDialog::reject); // Esc closes too

    connect(m_contactLink, &HoverLink::clicked, this,
            [&dialogs] { dialogs.openWithDesktop(QUrl(QString::fromLatin1(kContactMail))); });
    connect(m_homePageLink, &HoverLink::clicked, this,
            [&dialogs] { dialogs.openWithDesktop(QUrl(QString::fromLatin1(kHomePageAddress))); });
    centreOnScreen(*this);
}
