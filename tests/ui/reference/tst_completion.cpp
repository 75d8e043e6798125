// Completion in the real main window, from the shipped reference data.

#include "MainWindowFixture.h"
#include "reference/CompletionController.h"
#include "reference/PropertyTips.h"

namespace {

bool listShown(SheetEditor *editor)
{
    return editor->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
}

} // namespace

class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
        completion = f->window->findChild<CompletionController *>();
        QVERIFY(completion);
    }
    void cleanup() { f.reset(); }

    // Two letters open the property list; taking a property writes "name: " and opens
    // its values; taking a value writes it and its ";". One undo step each.
    void propertyThenValue()
    {
        SheetEditor *e = f->editor();
        e->setText(QStringLiteral("a {\n  \n}"));
        e->setCursorPosition(1, 2);
        QTest::keyClick(e, Qt::Key_F);
        QVERIFY(!listShown(e));
        QTest::keyClick(e, Qt::Key_L);
        QVERIFY(listShown(e));
        QCOMPARE(completion->offered(), (QStringList{"float", "overflow"}));
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(e->text(), QStringLiteral("a {\n  float: \n}"));
        QTRY_VERIFY(listShown(e));
        QCOMPARE(completion->offered().mid(0, 2), (QStringList{"inline-start", "inline-end"}));
        QVERIFY(completion->offered().endsWith(QStringLiteral("revert")));
        QTest::keyClick(e, Qt::Key_Down);
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(e->text(), QStringLiteral("a {\n  float: inline-end;\n}"));
        QVERIFY(!listShown(e));
        e->undo();
        QCOMPARE(e->text(), QStringLiteral("a {\n  float: \n}"));
        e->undo();
        QCOMPARE(e->text(), QStringLiteral("a {\n  fl\n}"));
    }

    // Typing narrows the list to the words holding what is typed; Escape closes it.
    void typingNarrowsTheList()
    {
        SheetEditor *e = f->editor();
        e->setText(QStringLiteral("p { }"));
        e->setCursorPosition(0, 4);
        QTest::keyClicks(e, QStringLiteral("te"));
        QVERIFY(listShown(e));
        const QStringList te = completion->offered();
        QVERIFY(te.contains(QStringLiteral("text-align")) && te.contains(QStringLiteral("letter-spacing")));
        QVERIFY(te.indexOf(QStringLiteral("text-align")) < te.indexOf(QStringLiteral("letter-spacing")));
        QTest::keyClick(e, Qt::Key_X);
        QVERIFY(listShown(e));
        QVERIFY(!completion->offered().contains(QStringLiteral("letter-spacing")));
        QTest::keyClick(e, Qt::Key_Escape);
        QVERIFY(!listShown(e));
        QCOMPARE(e->text(), QStringLiteral("p { tex}"));
    }

    // Shift+Space and Ctrl+Space ask for the list: element names outside rules, nothing
    // in a comment; a value's ";" is not written twice.
    void askingForTheList_data()
    {
        QTest::addColumn<QString>("text"); // "|" marks the caret
        QTest::addColumn<int>("modifier");
        QTest::addColumn<QString>("firstOffered"); // empty: no list
        QTest::newRow("element names") << "bl|" << int(Qt::ShiftModifier) << "blockquote";
        QTest::newRow("values with Ctrl") << "a { display: |; }" << int(Qt::ControlModifier) << "block";
        QTest::newRow("in a comment") << "/* a { col| */" << int(Qt::ShiftModifier) << "";
        QTest::newRow("in a string") << "a { content: 'x|' }" << int(Qt::ControlModifier) << "";
        QTest::newRow("in an address") << "a { background: url(x;col|) }" << int(Qt::ControlModifier) << "";
        QTest::newRow("a descriptor of @font-face")
            << "@font-face { src: url(x); font-d| }" << int(Qt::ControlModifier) << "font-display";
        QTest::newRow("a property in @page") << "@page { marg| }" << int(Qt::ControlModifier) << "margin";
    }

    // With the property tips on, the list stays open while typing and after ": ", and
    // the tip shows once the list is gone.
    void theListAndTheTipTogether()
    {
        SheetEditor *e = f->editor();
        QVERIFY(e->propertyTipsEnabled());
        auto *tips = f->window->findChild<PropertyTips *>();
        e->setText(QStringLiteral("a {\n  \n}"));
        e->setCursorPosition(1, 2);
        for (const char c : QByteArray("border-co")) {
            QTest::keyClick(e, c);
            QCoreApplication::processEvents();
        }
        QVERIFY(listShown(e));
        QVERIFY(completion->offered().contains(QStringLiteral("border-color")));
        QTest::keyClick(e, Qt::Key_Escape);
        QCoreApplication::processEvents();
        e->setText(QStringLiteral("a {\n  color\n}"));
        e->setCursorPosition(1, 7);
        QTest::keyClick(e, ':');
        QTest::keyClick(e, ' ');
        QCoreApplication::processEvents();
        QVERIFY(listShown(e));
        QCOMPARE(tips->shownTip(), QString());
        QTest::keyClick(e, Qt::Key_Escape);
        QTRY_VERIFY(tips->shownTip().startsWith(QLatin1String("color: <color>")));
    }

    // In the block of @font-face its descriptors are offered, not the properties.
    void descriptorsWhereTheyBelong()
    {
        SheetEditor *e = f->editor();
        e->setText(QStringLiteral("@font-face {\n  \n}\na {\n  \n}"));
        e->setCursorPosition(1, 2);
        QTest::keyClick(e, Qt::Key_S);
        QTest::keyClick(e, Qt::Key_R);
        QVERIFY(listShown(e));
        QCOMPARE(completion->offered(), QStringList{"src"});
        QTest::keyClick(e, Qt::Key_Escape);
        e->setCursorPosition(4, 2);
        QTest::keyClick(e, Qt::Key_S);
        QTest::keyClick(e, Qt::Key_R);
        QVERIFY(!completion->offered().contains(QStringLiteral("src")));
    }
    void askingForTheList()
    {
        QFETCH(QString, text);
        QFETCH(int, modifier);
        QFETCH(QString, firstOffered);
        SheetEditor *e = f->editor();
        const int caret = int(text.indexOf(QLatin1Char('|')));
        e->setText(QString(text).remove(caret, 1));
        e->setCursorPosition(0, caret);
        QTest::keyClick(e, Qt::Key_Space, Qt::KeyboardModifiers(modifier));
        QCOMPARE(e->text(), QString(text).remove(caret, 1)); // the key types nothing
        QCOMPARE(listShown(e), !firstOffered.isEmpty());
        if (firstOffered.isEmpty())
            return;
        QCOMPARE(completion->offered().first(), firstOffered);
        QTest::keyClick(e, Qt::Key_Return);
        QVERIFY(e->text().contains(firstOffered));
        QCOMPARE(e->text().count(QLatin1Char(';')), text.count(QLatin1Char(';')));
    }

    void switchedOff()
    {
        SheetEditor *e = f->editor();
        e->setCompletionEnabled(false);
        e->setText(QStringLiteral("a {  }"));
        e->setCursorPosition(0, 4);
        QTest::keyClicks(e, QStringLiteral("fl"));
        f->action("actionComplete")->trigger();
        QVERIFY(!listShown(e));
    }

private:
    std::unique_ptr<MainWindowFixture> f;
    CompletionController *completion = nullptr;
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
