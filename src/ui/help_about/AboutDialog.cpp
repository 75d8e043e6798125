#include "AboutDialog.h"

#include "app/Dialogs.h"
#include "app/ProductInfo.h"
#include "app/ScreenRoutines.h"
#include "app/SharedRoutines.h"
#include "app/AppError.h"
#include "i18n/UiTexts.h"
#include "pictures/Pictures.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

HoverLink::HoverLink(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setHovered(false);
}

void HoverLink::setHovered(bool hovered)
{
    m_hovered = hovered;
    QFont f = font();
    f.setUnderline(hovered);
    setFont(f);
    setStyleSheet(hovered ? QStringLiteral("color: rgb(255, 0, 0);") : QStringLiteral("color: black;"));
}

void HoverLink::enterEvent(QEnterEvent *e)
{
    QLabel::enterEvent(e);
    setHovered(true);
}

void HoverLink::leaveEvent(QEvent *e)
{
    QLabel::leaveEvent(e);
    setHovered(false);
}

void HoverLink::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

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
    lbl_version = new QLabel(version, this);
    lbl_version->setObjectName(QStringLiteral("lbl_version"));
    lbl_version->setFont(pixelFont(16, true, QStringLiteral("Verdana")));
    lbl_version->adjustSize();
    lbl_version->move(qMin(216, 344 - lbl_version->width()), 64);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(0, 194, 346, 5);

    lbl_credit = new QLabel(texts.text(411), this);
    lbl_credit->setObjectName(QStringLiteral("lbl_credit"));
    lbl_credit->setProperty(kUiTextIdProperty, 411);
    lbl_credit->setFont(pixelFont(12));
    lbl_credit->move(8, 204);
    lbl_contact = new HoverLink(texts.text(412), this);
    lbl_contact->setObjectName(QStringLiteral("lbl_contact"));
    lbl_contact->setProperty(kUiTextIdProperty, 412);
    lbl_contact->setFont(pixelFont(12));
    lbl_contact->move(8, 224);
    lbl_homepage = new HoverLink(QString::fromLatin1(kHomePageAddress), this);
    lbl_homepage->setObjectName(QStringLiteral("lbl_homepage"));
    lbl_homepage->setFont(pixelFont(12));
    lbl_homepage->move(8, 244);
    for (QLabel *l : {lbl_credit, static_cast<QLabel *>(lbl_contact), static_cast<QLabel *>(lbl_homepage)})
        l->adjustSize();

    auto *close = new QPushButton(QStringLiteral("Schliessen"), this);
    close->setObjectName(QStringLiteral("btn_close_about"));
    close->adjustSize();
    close->move(264, 236);
    connect(close, &QPushButton::clicked, this, &QDialog::reject); // Esc closes too

    connect(lbl_contact, &HoverLink::clicked, this,
            [&dialogs] { dialogs.openWithDesktop(QUrl(QString::fromLatin1(kContactMail))); });
    connect(lbl_homepage, &HoverLink::clicked, this,
            [&dialogs] { dialogs.openWithDesktop(QUrl(QString::fromLatin1(kHomePageAddress))); });
    centreOnScreen(*this);
}
