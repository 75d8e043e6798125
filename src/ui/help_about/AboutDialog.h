#pragma once

#include <QDialog>

class Dialogs;
class HoverLink;
class QLabel;
class UiTexts;

// "Info": the picture, the version, a credit line and the links to write to us and
// to the home page.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(Dialogs &dialogs, const UiTexts &texts, QWidget *parent = nullptr);

private:
    QLabel *m_versionLabel;
    QLabel *m_creditLabel;
    HoverLink *m_contactLink;
    HoverLink *m_homePageLink;
};
