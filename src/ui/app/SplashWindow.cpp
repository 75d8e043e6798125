#include "SplashWindow.h"

#include "pictures/Pictures.h"

#include <QLabel>
#include <QProgressBar>

SplashWindow::SplashWindow(const QString &versionLabel) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(kWidth, kHeight);

    auto *picture = new QLabel(this);
    picture->setPixmap(Pictures::splash());
    picture->setGeometry(0, 0, kWidth, kHeight);

    m_versionLabel = new QLabel(versionLabel.isEmpty() ? QStringLiteral("Version 1.0.0") : versionLabel, this);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_versionLabel->setGeometry(224, 62, 116, 18);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(16);
    font.setBold(true);
    m_versionLabel->setFont(font);
    m_versionLabel->setStyleSheet(QStringLiteral("color: black; background: white;"));
    // The label grows with its text, as far as the window allows, rather than cutting it.
    const int textWidth = m_versionLabel->fontMetrics().horizontalAdvance(m_versionLabel->text()) + 2;
    if (textWidth > m_versionLabel->width())
        m_versionLabel->setGeometry(qMax(0, kWidth - 2 - textWidth), 62, qMin(kWidth - 2, textWidth), 18);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setGeometry(1, 81, 343, 8);
    m_progressBar->setRange(0, 100);
    m_progressBar->setTextVisible(false);
    m_progressBar->setStyleSheet(QStringLiteral("QProgressBar { border: none; background: white; }"
                                                "QProgressBar::chunk { background: rgb(236, 171, 19); }"));
    connect(m_progressBar, &QProgressBar::valueChanged, this, &SplashWindow::progressChanged);
}

void SplashWindow::setProgress(int value)
{
    m_progressBar->setValue(value);
}

int SplashWindow::progress() const
{
    return m_progressBar->value();
}

QString SplashWindow::versionText() const
{
    return m_versionLabel->text();
}
