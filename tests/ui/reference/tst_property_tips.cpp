// What a property takes, as a call tip in the real main window.

#include "MainWindowFixture.h"
#include "reference/PropertyTips.h"

class TestPropertyTips : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
        tips = f->window->findChild<PropertyTips *>();
        QVERIFY(tips);
    }
    void cleanup() { f.reset(); }

    // "|" marks the caret.
    void tipAtTheCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip"); // its first line; empty: none
        const QString grid = QStringLiteral(
            "grid-template-columns: none | <track-list> | <auto-track-list> | subgrid <line-name-list>?");
        QTest::newRow("in the value") << "a { grid-template-columns: 1fr| 2fr; }" << grid;
        QTest::newRow("right after the name") << "a {\n  grid-template-columns|\n}" << grid;
        QTest::newRow("a second declaration of a line") << "a{margin:0;color:r|ed}"
                                                        << "color: <color>";
        QTest::newRow("letter case") << "a { COLOR: red| }"
                                     << "color: <color>";
        QTest::newRow("after the declaration") << "a { color: red; | }"
                                               << "";
        QTest::newRow("an unknown name") << "a { colr: red| }"
                                         << "";
        QTest::newRow("a selector") << "a:hov|er { }"
                                    << "";
        QTest::newRow("in a comment") << "a { /* color: red| */ }"
                                      << "";
        QTest::newRow("in a string") << "a { content: 'color: re|d' }"
                                     << "";
        QTest::newRow("in a double-quoted string") << "a { content: \"color: re|d\" }"
                                                   << "";
        QTest::newRow("in a string that holds a declaration") << "a { content: \"x; color: re|d\" }"
                                                              << "";
        QTest::newRow("in an address that holds a declaration") << "a { background: url(x;color:re|d) }"
                                                                << "";
        QTest::newRow("after a string that holds a declaration") << "a { content: \"x; y\"; colo|r: red }"
                                                                 << "color: <color>";
        QTest::newRow("a descriptor of @font-face") << "@font-face {\n  font-family: X;\n  font-display: sw|ap\n}"
                                                    << "font-display: auto | block | swap | fallback | optional";
    }
    void tipAtTheCaret()
    {
        QFETCH(QString, text);
        QFETCH(QString, tip);
        SheetEditor *e = f->editor();
        const qsizetype caret = text.indexOf(QLatin1Char('|'));
        e->setText(QString(text).remove(caret, 1));
        e->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
        e->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, long(caret));
        QCoreApplication::processEvents();
        QCOMPARE(tips->shownTip().section(QLatin1Char('\n'), 0, 0), tip);
        QCOMPARE(e->SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0, !tip.isEmpty());
        if (!tip.isEmpty() && !tip.startsWith(QLatin1String("font-display")))
            QVERIFY(tips->shownTip().endsWith(
                QLatin1String("\nAnfangswert: ")
                + (tip.startsWith(u'c') ? QStringLiteral("CanvasText") : QStringLiteral("none"))));
    }

    void onHoveringAName()
    {
        SheetEditor *e = f->editor();
        e->setText(QStringLiteral("a { grid-template-columns: 1fr; }\nb { }"));
        e->setCursorPosition(1, 4);
        QCOMPARE(tips->shownTip(), QString());
        emit e->SCN_DWELLSTART(8, 10, 10); // inside "grid-template-columns"
        QVERIFY(tips->shownTip().startsWith(QLatin1String("grid-template-columns: none")));
        emit e->SCN_DWELLEND(8, 10, 10);
        QCOMPARE(tips->shownTip(), QString());
        emit e->SCN_DWELLSTART(28, 10, 10); // "1fr" is no name
        QCOMPARE(tips->shownTip(), QString());
    }

    // A name followed by a colon inside a comment, a string or an address starts no
    // declaration: hovering over it shows nothing.
    void hoveringInsideCommentsAndStrings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("a comment") << QStringLiteral("a { /* co|lor: red */ }");
        QTest::newRow("a string") << QStringLiteral("a { content: \"co|lor: red\" }");
        QTest::newRow("an address") << QStringLiteral("a { background: url(x;co|lor:red) }");
    }
    void hoveringInsideCommentsAndStrings()
    {
        QFETCH(QString, text);
        SheetEditor *e = f->editor();
        const qsizetype at = text.indexOf(u'|');
        e->setText(QString(text).remove(at, 1));
        e->setCursorPosition(0, 0);
        emit e->SCN_DWELLSTART(int(at), 10, 10);
        QCOMPARE(tips->shownTip(), QString());
        // Outside them the same name shows its tip.
        e->setText(QStringLiteral("a { color: red }"));
        emit e->SCN_DWELLSTART(6, 10, 10);
        QVERIFY(tips->shownTip().startsWith(QLatin1String("color: <color>")));
    }

    void switchedOff()
    {
        SheetEditor *e = f->editor();
        e->setPropertyTipsEnabled(false);
        e->setText(QStringLiteral("a { color: red }"));
        e->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 12L);
        QCoreApplication::processEvents();
        QCOMPARE(tips->shownTip(), QString());
        // Asked for, the tip comes all the same.
        f->window->findChild<QAction *>(QStringLiteral("actionShowSyntax"))->trigger();
        QVERIFY(tips->shownTip().startsWith(QLatin1String("color: <color>")));
    }

    // The names the shipped standards' data and definitions know, in the window.
    void unknownNames()
    {
        SheetEditor *e = f->editor();
        QVERIFY(e->unknownNamesMarked());
        e->setText(QStringLiteral("a {\n  widht: 1px;\n  -webkit-box-flex: 1;\n  --brand: red;\n  zoom: 1;\n"
                                  "  _zoom: 1;\n  azimuth: left;\n  colr: red;\n}\n"));
        e->viewport()->repaint();
        const long widht = e->positionFromLineIndex(1, 3);
        QCOMPARE(e->unknownNameAt(widht), QStringLiteral("widht"));
        for (int line = 2; line <= 6; ++line)
            QCOMPARE(e->unknownNameAt(e->positionFromLineIndex(line, 3)), QString());
        QCOMPARE(e->unknownNameAt(e->positionFromLineIndex(7, 3)), QStringLiteral("colr"));

        emit e->SCN_DWELLSTART(int(widht), 10, 10);
        QCOMPARE(tips->shownNote(), QStringLiteral("Unbekannte Eigenschaft: widht\nMeinten Sie: width, right?"));
        QCOMPARE(tips->shownTip(), QString());
        emit e->SCN_DWELLEND(int(widht), 10, 10);
        QCOMPARE(tips->shownNote(), QString());

        // F8 from typo to typo, and a note where there is none.
        QAction *next = f->window->findChild<QAction *>(QStringLiteral("actionNextUnknownName"));
        QCOMPARE(next->shortcut(), QKeySequence(Qt::Key_F8));
        e->setCursorPosition(0, 0);
        next->trigger();
        QCOMPARE(e->selectedText(), QStringLiteral("widht"));
        next->trigger();
        QCOMPARE(e->selectedText(), QStringLiteral("colr"));
        e->setText(QStringLiteral("a { width: 1px }"));
        next->trigger();
        QCOMPARE(f->find<QLabel>("searchNote")->text(), QStringLiteral("Keine unbekannten Eigenschaften"));

        // A name inside an address is none, nor are the descriptors of @font-face.
        e->setText(QStringLiteral("a { background: url(p;colr:red) }\n@font-face { font-family: \"X\"; src: "
                                  "url(x.woff2); font-display: swap; unicode-range: U+0-FF }\n"));
        e->viewport()->repaint();
        QCOMPARE(e->unknownNameAt(e->text().indexOf(QLatin1String("colr"))), QString());
        QCOMPARE(e->unknownNameAt(e->text().indexOf(QLatin1String("font-display"))), QString());
        e->setCursorPosition(0, 0);
        next->trigger();
        QVERIFY(!e->hasSelectedText());
    }

private:
    std::unique_ptr<MainWindowFixture> f;
    PropertyTips *tips = nullptr;
};

QTEST_MAIN(TestPropertyTips)
#include "tst_property_tips.moc"
