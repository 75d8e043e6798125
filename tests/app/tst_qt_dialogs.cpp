// The real dialogs, once each: their wording and buttons. A timer answers them.

#include "app/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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
                                      << int(QMessageBox::Question) << QStringList{"&Ja", "&Nein"} << "&Nein" << Answer::No;
        QTest::newRow("error with three buttons") << BoxKind::Error << Buttons::YesNoCancel << "Fehler"
                                                  << int(QMessageBox::Critical)
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
        state.SearchHistory = {QStringLiteral("color"), QStringLiteral("font")};
        QVERIFY(dialogs.editSearch(state, false));
        QCOMPARE(caption, QStringLiteral("Search Text"));
        QCOMPARE(state.SearchText, QStringLiteral("Color"));
        QCOMPARE(state.SearchHistory, (QStringList{"Color", "font"}));
    }

    void confirmationDialog()
    {
        QString caption, question;
        QPoint placedAt;
        whenModal([&](QWidget *modal) {
            caption = modal->windowTitle();
            question = modal->findChild<QLabel *>(QStringLiteral("lblConfirmation"))->text();
            placedAt = modal->pos();
            for (QPushButton *b : modal->findChildren<QPushButton *>()) {
                if (b->text() == QLatin1String("Yes to &all"))
                    b->click();
            }
        });
        QtDialogs dialogs;
        const QRect area(100, 100, 600, 300);
        QCOMPARE(dialogs.confirmReplace(QStringLiteral("a"), area, 150, 120, 136), FindReplace::ReplaceAnswer::ReplaceRest);
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
        QCOMPARE(filters, (QStringList{"CSS-Dateien (*.css)", "HTML-Dateien (*htm*.*)", "Alle Dateien (*)"}));
        QCOMPARE(suffix, QStringLiteral("css"));
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
