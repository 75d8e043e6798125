#include "SplashWindow.h"

#include "pictures/Pictures.h"

#include <QLabel>
#include <QProgressBar>

SplashWindow::SplashWindow(const QString &versionLabel)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(kWidth, kHeight);

    auto *picture = new QLabel(this);
    picture->setPixmap(Pictures::splash());
    picture->setGeometry(0, 0, kWidth, kHeight);

    lbl_version = new QLabel(versionLabel.isEmpty() ? QStringLiteral("Version 1.0.0") : versionLabel, this);
    lbl_version->setObjectName(QStringLiteral("lbl_version"));
    lbl_version->setGeometry(224, 62, 116, 18);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(16);
    font.setBold(true);
    lbl_version->setFont(font);
    lbl_version->setStyleSheet(QStringLiteral("color: black; background: white;"));
    // The label grows with its text, as far as the window allows, rather than cutting it.
    const int textWidth = lbl_version->fontMetrics().horizontalAdvance(lbl_version->text()) + 2;
    if (textWidth > lbl_version->width())
        lbl_version->setGeometry(qMax(0, kWidth - 2 - textWidth), 62, qMin(kWidth - 2, textWidth), 18);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(1, 81, 343, 8);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar { border: none; background: white; }"
                                               "QProgressBar::chunk { background: rgb(236, 171, 19); }"));
    connect(ProgressBar1, &QProgressBar::valueChanged, this, &SplashWindow::progressChanged);
}

void SplashWindow::setProgress(int value)
{
    ProgressBar1->setValue(value);
}

int SplashWindow::progress() const
{
    return ProgressBar1->value();
}

QString SplashWindow::versionText() const
{
    return lbl_version->text();
}
