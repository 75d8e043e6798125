// The real dialogs, once each: their wording and buttons. A timer answers them.

#include "app/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Calls `handle` with the modal dialog as soon as it is shown.
void whenModal(std::function<void(QWidget *)> handle)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            handle(modal);
        }
    });
    timer->start();
}

QStringList buttonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *b : box->buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxes_data()
    {
        QTest::addColumn<BoxKind>("kind");
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("buttonTexts");
        QTest::addColumn<QString>("click");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("plain question") << BoxKind::Plain << Buttons::YesNo << "Stylograf" << int(QMessageBox::NoIcon)
                                        << QStringList{"&Ja", "&Nein"} << "&Ja" << Answer::Yes;
        QTest::newRow("confirmation") << BoxKind::Confirmation << Buttons::YesNo << QString::fromUtf8("Bestätigung")
                                      << int(QMessageBox::Question) << QStringList{"&Ja", "&Nein"} << "&Nein"
                                      << Answer::No;
        QTest::newRow("error with three buttons")
            << BoxKind::Error << Buttons::YesNoCancel << "Fehler" << int(QMessageBox::Critical)
            << QStringList{"&Ja", "&Nein", "Abbrechen"} << "Abbrechen" << Answer::Cancel;
        QTest::newRow("information") << BoxKind::Information << Buttons::Ok << "Information"
                                     << int(QMessageBox::Information) << QStringList{"OK"} << "OK" << Answer::Ok;
        QTest::newRow("failure") << BoxKind::Failure << Buttons::Ok << "Stylograf" << int(QMessageBox::Critical)
                                 << QStringList{"OK"} << "OK" << Answer::Ok;
    }
    void messageBoxes()
    {
        QFETCH(BoxKind, kind);
        QFETCH(Buttons, buttons);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        QFETCH(QStringList, buttonTexts);
        QFETCH(QString, click);
        QFETCH(Answer, answer);
        QString seenCaption, seenText;
        int seenIcon = -1;
        QStringList seenButtons;
        whenModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            seenCaption = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            seenButtons = ::buttonTexts(box);
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == click)
                    b->click();
            }
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.message(kind, QStringLiteral("Frage?"), buttons), answer);
        QCOMPARE(seenCaption, caption);
        QCOMPARE(seenText, QStringLiteral("Frage?"));
        QCOMPARE(seenIcon, icon);
        QCOMPARE(seenButtons, buttonTexts);
    }

    // A question whose Nein discards text: Ja and Nein shown; Escape and the box's
    // close button answer Cancel (where a plain Ja/Nein question answers Nein).
    void dismissingAQuestion_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<bool>("closeButton"); // else Escape
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Escape") << Buttons::YesNoDismissable << false << Answer::Cancel;
        QTest::newRow("close button") << Buttons::YesNoDismissable << true << Answer::Cancel;
        QTest::newRow("Escape on a plain question") << Buttons::YesNo << false << Answer::No;
    }
    void dismissingAQuestion()
    {
        QFETCH(Buttons, buttons);
        QFETCH(bool, closeButton);
        QFETCH(Answer, answer);
        QStringList shown;
        whenModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            for (QAbstractButton *b : box->buttons()) {
                if (b->isVisibleTo(box))
                    shown << b->text();
            }
            if (closeButton)
                box->close();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.message(BoxKind::Plain, QStringLiteral("Speichern?"), buttons), answer);
        QCOMPARE(shown, (QStringList{"&Ja", "&Nein"}));
    }

    // Start-up hides the pointer; its error boxes still show one.
    void boxesShowThePointerWhileStartUpHidesIt()
    {
        QApplication::setOverrideCursor(Qt::BlankCursor);
        Qt::CursorShape during = Qt::BlankCursor;
        whenModal([&](QWidget *modal) {
            during = QApplication::overrideCursor()->shape();
            modal->close();
        });
        QtDialogs dialogs;
        dialogs.message(BoxKind::Failure, QStringLiteral("kaputt"), Buttons::Ok);
        QCOMPARE(during, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(!QApplication::overrideCursor());
    }

    void searchDialog()
    {
        QString caption;
        whenModal([&](QWidget *modal) {
            caption = modal->windowTitle();
            modal->findChild<QComboBox *>(QStringLiteral("cbSearchText"))->setEditText(QStringLiteral("Color"));
            modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        QtDialogs dialogs;
        FindReplace::SearchState state;
        state.searchHistory = {QStringLiteral("color"), QStringLiteral("font")};
        QVERIFY(dialogs.editSearch(state, false));
        QCOMPARE(caption, QStringLiteral("Search Text"));
        QCOMPARE(state.searchText, QStringLiteral("Color"));
        QCOMPARE(state.searchHistory, (QStringList{"Color", "font"}));
    }

    // The fields keep the text exactly as typed (no completion from the history in
    // another case or to a longer entry), and Enter runs the search.
    void searchFieldsKeepTheTypedText_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("remembered");
        QStringList ten;
        for (int i = 0; i < 10; ++i)
            ten << QStringLiteral("t%1").arg(i);
        QTest::newRow("another case of an entry")
            << false << QStringList{"color", "font"} << "Color" << QStringList{"Color", "font"};
        QTest::newRow("the start of an entry")
            << false << QStringList{"font-size"} << "font" << QStringList{"font", "font-size"};
        QTest::newRow("a new text goes on top") << false << QStringList{"a", "b"} << "c" << QStringList{"c", "a", "b"};
        QTest::newRow("an eleventh text drops the oldest")
            << false << ten << "new" << QStringList{"new"} + ten.mid(0, 9);
        QTest::newRow("replacement in another case") << true << QStringList{"color"} << "Color" << QStringList{"Color"};
        QTest::newRow("replacement, the start of an entry")
            << true << QStringList{"font-size"} << "font" << QStringList{"font", "font-size"};
    }
    void searchFieldsKeepTheTypedText()
    {
        QFETCH(bool, replace);
        QFETCH(QStringList, history);
        QFETCH(QString, typed);
        QFETCH(QStringList, remembered);
        whenModal([&](QWidget *modal) {
            auto *field = modal->findChild<QComboBox *>(replace ? QStringLiteral("cbReplaceText")
                                                                : QStringLiteral("cbSearchText"));
            field->lineEdit()->clear();
            QTest::keyClicks(field->lineEdit(), typed);
            QTest::keyClick(field->lineEdit(), Qt::Key_Return);
            if (modal->isVisible()) // Enter did not run the search
                modal->close();
        });
        QtDialogs dialogs;
        FindReplace::SearchState state;
        state.searchText = QStringLiteral("last");
        (replace ? state.replaceHistory : state.searchHistory) = history;
        QVERIFY(dialogs.editSearch(state, replace));
        QCOMPARE(replace ? state.replaceText : state.searchText, typed);
        QCOMPARE(replace ? state.replaceHistory : state.searchHistory, remembered);
        if (replace)
            QCOMPARE(state.searchText, QStringLiteral("last"));
    }

    void searchFieldsAreWideEnough()
    {
        int width = 0;
        whenModal([&](QWidget *modal) {
            width = modal->findChild<QComboBox *>(QStringLiteral("cbSearchText"))->width();
            modal->close();
        });
        QtDialogs dialogs;
        FindReplace::SearchState state;
        dialogs.editSearch(state, true);
        QVERIFY2(width >= 250, qPrintable(QString::number(width)));
    }

    void confirmationDialog()
    {
        QString caption, question;
        QPoint placedAt;
        whenModal([&](QWidget *modal) {
            caption = modal->windowTitle();
            question = modal->findChild<QLabel *>(QStringLiteral("confirmationLabel"))->text();
            placedAt = modal->pos();
            for (QPushButton *b : modal->findChildren<QPushButton *>()) {
                if (b->text() == QLatin1String("Yes to &all"))
                    b->click();
            }
        });
        QtDialogs dialogs;
        const QRect area(100, 100, 600, 300);
        QCOMPARE(dialogs.confirmReplace(QStringLiteral("a"), area, 150, 120, 136),
                 FindReplace::ReplaceAnswer::ReplaceRest);
        QCOMPARE(caption, QStringLiteral("Confirm replace"));
        QCOMPARE(question, QStringLiteral("Replace this occurence of \"a\"?"));
        QCOMPARE(placedAt.y(), 140); // below the match line
    }

    void openDialogOffersTheFilters()
    {
        QStringList filters;
        QString suffix;
        whenModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (dialog) {
                filters = dialog->nameFilters();
                suffix = dialog->defaultSuffix();
            }
            modal->close();
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.openStyleSheetFile(), QString()); // cancelled
        QCOMPARE(filters, (QStringList{"CSS-Dateien (*.css)", "HTML-Dateien (*.htm *.html)", "Alle Dateien (*)"}));
        QCOMPARE(suffix, QStringLiteral("css"));
    }

    // The picture dialog shows each type's description once, and the chosen picture.
    void pictureDialogShowsThePicture()
    {
        QTemporaryDir dir;
        QImage picture(400, 200, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        const QString file = dir.filePath(QStringLiteral("bg.png"));
        QVERIFY(picture.save(file));
        QStringList captions;
        QSize shown;
        whenModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (dialog) {
                const auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
                for (int i = 0; types && i < types->count(); ++i)
                    captions << types->itemText(i);
                dialog->setDirectory(dir.path());
                dialog->selectFile(file);
                emit dialog->currentChanged(file);
                if (auto *preview = dialog->findChild<QLabel *>(QStringLiteral("picturePreview")))
                    shown = preview->pixmap().size();
            }
            modal->close();
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.openPictureFile(), QString());
        QCOMPARE(
            captions,
            (QStringList{"Alle (*.gif;*.ani;*.pcx;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png)",
                         "CompuServe GIF Image (*.gif)", "ANI Image (*.ani)", "PCX Image (*.pcx)",
                         "JPEG-Grafikdatei (*.jpg)", "JPEG-Grafikdatei (*.jpeg)", "Bitmaps (*.bmp)", "Symbole (*.ico)",
                         "Erweiterte Metadateien (*.emf)", "Metadateien (*.wmf)", "Portable Network Grafic (*.png)"}));
        QCOMPARE(shown, QSize(160, 80)); // scaled into the preview, proportions kept
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
