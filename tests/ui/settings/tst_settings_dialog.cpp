// The settings dialog of the real main window, on a program folder of its own.

#include "MainWindowFixture.h"
#include "editor/highlighter/CssLexer.h"
#include "settings/SettingsDialog.h"
#include "structure_view/AnalysisController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

void pick(QComboBox *picker, const char *name)
{
    picker->setCurrentIndex(picker->findText(QLatin1String(name)));
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
        dialog = &f->window->settingsDialog();
    }
    void cleanup() { f.reset(); }

    void withoutAFileEverythingIsOn()
    {
        QVERIFY(qobject_cast<CssLexer *>(f->editor()->lexer()));
        QVERIFY(f->editor()->marginWidth(0) > 0);
        QVERIFY(f->editor()->showSpecialChars());
        QVERIFY(f->editor()->colourSwatchesVisible());
        QVERIFY(f->editor()->completionEnabled());
        QVERIFY(f->editor()->propertyTipsEnabled());
        QVERIFY(f->editor()->unknownNamesMarked());
        QCOMPARE(f->window->analysis().syntax(), AnalysisSyntax::Classic); // the Part's reading by default
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("fontFamilyBox"))->currentText(),
                 QStringLiteral("Courier New"));
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("fontSizeBox"))->currentText(), QStringLiteral("10"));
        QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("keyBoldSwitch"))->isChecked()
                && dialog->findChild<QCheckBox *>(QStringLiteral("identifierBoldSwitch"))->isChecked()
                && dialog->findChild<QCheckBox *>(QStringLiteral("numberBoldSwitch"))->isChecked());
        QCOMPARE(f->editor()->lexer()->color(int(HighlighterAttributes::Attribute::Key)), QColor(0, 0, 255));
        QVERIFY(f->editor()->lexer()->font(int(HighlighterAttributes::Attribute::Number)).bold());
    }

    void takeOverWritesEverythingAndTheLanguage()
    {
        f->window->texts().setOffset(1000);
        dialog->findChild<QCheckBox *>(QStringLiteral("lineNumbersSwitch"))->setChecked(false);
        dialog->findChild<QCheckBox *>(QStringLiteral("colourSwatchesSwitch"))->setChecked(false);
        dialog->findChild<QCheckBox *>(QStringLiteral("completionSwitch"))->setChecked(false);
        dialog->findChild<QCheckBox *>(QStringLiteral("propertyTipsSwitch"))->setChecked(false);
        dialog->findChild<QCheckBox *>(QStringLiteral("unknownNamesSwitch"))->setChecked(false);
        dialog->findChild<QCheckBox *>(QStringLiteral("cssSyntaxSwitch"))->setChecked(true);
        dialog->findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
        QCOMPARE(f->window->analysis().syntax(), AnalysisSyntax::Css);
        QVERIFY(f->action("actionAnalyseByCssSyntax")->isChecked());
        const QByteArray ini = f->contents(QStringLiteral("einstellungen.ini"));
        QVERIFY(ini.contains("[Liniennummern]\r\nStatus=0\r\n"));
        QVERIFY(ini.contains("[Farbmuster]\r\nStatus=0\r\n"));
        QVERIFY(ini.contains("[Vervollstaendigung]\r\nStatus=0\r\n"));
        QVERIFY(ini.contains("[Syntaxhinweise]\r\nStatus=0\r\n"));
        QVERIFY(!f->editor()->propertyTipsEnabled());
        QVERIFY(ini.contains("[Unbekannte Eigenschaften]\r\nStatus=0\r\n"));
        QVERIFY(ini.contains("[CSS-Syntax]\r\nStatus=1\r\n"));
        QVERIFY(!f->editor()->unknownNamesMarked());
        QVERIFY(!f->editor()->colourSwatchesVisible());
        QVERIFY(!f->editor()->completionEnabled());
        QVERIFY(ini.contains("lingual=1000\r\n"));
        QVERIFY(ini.contains("Key_fg=clBlue\r\n"));
        QCOMPARE(f->editor()->marginWidth(0), 0);
        f->open(); // a restart starts in German and reads the switch back
        QCOMPARE(f->window->texts().offset(), 0);
        QVERIFY(!f->window->settingsDialog().findChild<QCheckBox *>(QStringLiteral("lineNumbersSwitch"))->isChecked());
        QCOMPARE(f->editor()->marginWidth(0), 0);
        QVERIFY(!f->editor()->colourSwatchesVisible());
        QVERIFY(!f->editor()->completionEnabled());
        QCOMPARE(f->window->analysis().syntax(), AnalysisSyntax::Css);
        // The View menu's choice reaches the dialog's switch.
        f->action("actionAnalyseByCssSyntax")->trigger();
        QVERIFY(!f->window->settingsDialog().findChild<QCheckBox *>(QStringLiteral("cssSyntaxSwitch"))->isChecked());
    }

    // Every opening starts on the first page, the options.
    void opensOnItsFirstPage()
    {
        auto *pages = dialog->findChild<QTabWidget *>(QStringLiteral("settingsPages"));
        QTimer::singleShot(0, dialog, [&] {
            QCOMPARE(pages->currentIndex(), 0);
            pages->setCurrentIndex(2);
            dialog->reject();
        });
        dialog->exec();
        int shown = -1;
        QTimer::singleShot(0, dialog, [&] {
            shown = pages->currentIndex();
            dialog->reject();
        });
        dialog->exec();
        QCOMPARE(shown, 0);
    }

    void unwritableFileAppliesNothing()
    {
        QDir(f->path(QString())).mkpath(QStringLiteral("einstellungen.ini")); // a folder in its place
        dialog->findChild<QCheckBox *>(QStringLiteral("lineNumbersSwitch"))->setChecked(false);
        dialog->findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{QStringLiteral("In %1 kann nicht geschrieben werden.").arg(f->paths.settingsFile())});
        QVERIFY(f->editor()->marginWidth(0) > 0);
        QCOMPARE(dialog->result(), 0); // not accepted: the dialog stays
    }

    void cancelKeepsAChangedColourUntilTheRestart()
    {
        pick(dialog->findChild<QComboBox *>(QStringLiteral("keyColourBox")), "clRed");
        QCOMPARE(f->editor()->lexer()->color(int(HighlighterAttributes::Attribute::Key)), QColor(255, 0, 0));
        QCOMPARE(dialog->findChild<SheetEditor *>(QStringLiteral("keySample"))
                     ->lexer()
                     ->color(int(HighlighterAttributes::Attribute::Key)),
                 QColor(255, 0, 0));
        dialog->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        QCOMPARE(f->editor()->lexer()->color(int(HighlighterAttributes::Attribute::Key)), QColor(255, 0, 0));
        QCOMPARE(f->contents(QStringLiteral("einstellungen.ini")), QByteArray("<missing>"));
        f->open();
        QCOMPARE(f->editor()->lexer()->color(int(HighlighterAttributes::Attribute::Key)), QColor(0, 0, 255));
    }

    void highlightingOffLeavesTheSamplesColoured()
    {
        dialog->findChild<QCheckBox *>(QStringLiteral("highlightingSwitch"))->setChecked(false);
        dialog->findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
        QVERIFY(!f->editor()->lexer());
        QVERIFY(dialog->findChild<SheetEditor *>(QStringLiteral("keySample"))->lexer());
        QVERIFY(dialog->findChild<SheetEditor *>(QStringLiteral("identifierSample"))->lexer());
    }

    void boldBoxesApplyAtOnce()
    {
        dialog->findChild<QCheckBox *>(QStringLiteral("numberBoldSwitch"))->click();
        QVERIFY(!f->editor()->lexer()->font(int(HighlighterAttributes::Attribute::Number)).bold());
        QVERIFY(!dialog->findChild<SheetEditor *>(QStringLiteral("numberSample"))
                     ->lexer()
                     ->font(int(HighlighterAttributes::Attribute::Number))
                     .bold());
    }

    void sizeThatIsNoNumberIsReported()
    {
        dialog->findChild<QComboBox *>(QStringLiteral("fontSizeBox"))->setEditText(QStringLiteral("1x"));
        QCOMPARE(f->dialogs.askedTexts(), QStringList{QString::fromUtf8("'1x' ist kein gültiger Integerwert.")});
    }

    void addingTwiceGivesTwoEntries()
    {
        const int before = dialog->findChild<QListWidget *>(QStringLiteral("elementList"))->count();
        const qsizetype ps = dialog->findChild<QListWidget *>(QStringLiteral("elementList"))
                                 ->findItems(QStringLiteral("p"), Qt::MatchExactly)
                                 .size();
        dialog->findChild<QPushButton *>(QStringLiteral("addElementButton"))->click(); // an empty field adds nothing
        QCOMPARE(dialog->findChild<QListWidget *>(QStringLiteral("elementList"))->count(), before);
        for (int i = 0; i < 2; ++i) {
            dialog->findChild<QLineEdit *>(QStringLiteral("elementNameEdit"))->setText(QStringLiteral("p"));
            dialog->findChild<QPushButton *>(QStringLiteral("addElementButton"))->click();
        }
        QCOMPARE(dialog->findChild<QListWidget *>(QStringLiteral("elementList"))->count(), before + 2);
        QVERIFY(dialog->findChild<QLineEdit *>(QStringLiteral("elementNameEdit"))->text().isEmpty());
        QCOMPARE(dialog->findChild<QListWidget *>(QStringLiteral("elementList"))
                     ->findItems(QStringLiteral("p"), Qt::MatchExactly)
                     .size(),
                 ps + 2);
        QCOMPARE(f->contents(QStringLiteral("inf/selektoren.inf")).count("\r\np\r\n"), ps + 2);
    }

    void deleteWithNothingSelectedRewritesAndReloads()
    {
        const QByteArray before = f->contents(QStringLiteral("inf/selektoren.inf"));
        f->put(QStringLiteral("inf/selektoren.inf"), "zzz\r\n");
        f->dialogs.answers << Answer::Yes;
        dialog->findChild<QListWidget *>(QStringLiteral("elementList"))->clearSelection();
        dialog->findChild<QPushButton *>(QStringLiteral("deleteElementButton"))->click();
        QCOMPARE(f->dialogs.asked[0].text, QString::fromUtf8("Wollen Sie diesen Selektor wirklich löschen?"));
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Confirmation);
        // The list as the dialog had it, sorted; the element panel reloaded from it.
        QCOMPARE(f->contents(QStringLiteral("inf/selektoren.inf")).size(), before.size());
        QCOMPARE(f->find<QTreeWidget>("elementTree")->topLevelItem(0)->text(0), QStringLiteral("a"));
        QVERIFY(f->find<QTreeWidget>("elementTree")->findItems(QStringLiteral("zzz"), Qt::MatchExactly).isEmpty());
    }

private:
    std::unique_ptr<MainWindowFixture> f;
    SettingsDialog *dialog = nullptr;
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settings_dialog.moc"
