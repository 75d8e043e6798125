#include "QtDialogs.h"

#include "NetworkState.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QString caption(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Confirmation:
        return QStringLiteral("Bestätigung");
    case BoxKind::Information:
        return QStringLiteral("Information");
    case BoxKind::Error:
        return QStringLiteral("Fehler");
    case BoxKind::Plain:
    case BoxKind::Failure:
        break;
    }
    return QStringLiteral("Stylograf");
}

QMessageBox::Icon boxIcon(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Confirmation:
        return QMessageBox::Question;
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Error:
    case BoxKind::Failure:
        return QMessageBox::Critical;
    case BoxKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QString chooseFile(QFileDialog::AcceptMode mode, const QStringList &filters, QString &last,
                   const QString &suffix = QStringLiteral("css"))
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!last.isEmpty())
        dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    last = dialog.selectedFiles().constFirst();
    return last;
}

} // namespace

Answer QtDialogs::message(BoxKind kind, const QString &text, Buttons buttons)
{
    QMessageBox box(boxIcon(kind), caption(kind), text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = nullptr, *no = nullptr, *cancel = nullptr, *ok = nullptr;
    if (buttons == Buttons::Ok) {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    } else {
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        if (buttons == Buttons::YesNoCancel)
            cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel ? cancel : no);
    }
    box.exec();
    const auto *clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return Answer::Yes;
    if (clicked && clicked == no)
        return Answer::No;
    if (clicked && clicked == ok)
        return Answer::Ok;
    return buttons == Buttons::Ok ? Answer::Ok : cancel ? Answer::Cancel : Answer::No;
}

QString QtDialogs::openStyleSheetFile()
{
    return chooseFile(QFileDialog::AcceptOpen,
                      {QStringLiteral("CSS-Dateien (*.css)"), QStringLiteral("HTML-Dateien (*htm*.*)"),
                       QStringLiteral("Alle Dateien (*)")},
                      m_lastOpened);
}

QString QtDialogs::saveStyleSheetFile()
{
    return chooseFile(QFileDialog::AcceptSave, {QStringLiteral("CSS-Dateien (*.css)")}, m_lastSaved);
}

QString QtDialogs::openPictureFile()
{
    return chooseFile(QFileDialog::AcceptOpen,
                      {QStringLiteral("Alle (*.gif;*.ani;*.pcx;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png) "
                                      "(*.gif *.ani *.pcx *.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png)"),
                       QStringLiteral("CompuServe GIF Image (*.gif)"), QStringLiteral("ANI Image (*.ani)"),
                       QStringLiteral("PCX Image (*.pcx)"), QStringLiteral("JPEG-Grafikdatei (*.jpg)"),
                       QStringLiteral("JPEG-Grafikdatei (*.jpeg)"), QStringLiteral("Bitmaps (*.bmp)"),
                       QStringLiteral("Symbole (*.ico)"), QStringLiteral("Erweiterte Metadateien (*.emf)"),
                       QStringLiteral("Metadateien (*.wmf)"), QStringLiteral("Portable Network Grafic (*.png)")},
                      m_lastPicture, QString());
}

bool QtDialogs::setUpPrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::openWithDesktop(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

bool QtDialogs::isOnline()
{
    return IsOnline();
}
