#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The borderless start-up window with the program's picture, its version and a
// progress bar.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 345;
    static constexpr int kHeight = 90;

    // `versionLabel` is the label's text, empty when the version is unknown (the
    // label keeps its design text then).
    explicit SplashWindow(const QString &versionLabel = {});

    void setProgress(int value);
    int progress() const;
    QString versionText() const;

signals:
    void progressChanged(int value);

private:
    QLabel *m_versionLabel;
    QProgressBar *m_progressBar;
};
