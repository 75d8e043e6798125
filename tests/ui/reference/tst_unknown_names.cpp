// The wavy underline under unknown property names, in the real editor control.

#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"
#include "reference/UnknownNames.h"

#include <QTest>

namespace {

QStringList marked(SheetEditor &editor, int indicator)
{
    QStringList out;
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const QByteArray text = editor.text().toUtf8();
    for (long pos = 0; pos < length;) {
        const long end = editor.SendScintilla(QsciScintillaBase::SCI_INDICATOREND, indicator, pos);
        if (editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, pos))
            out << QString::fromUtf8(text.mid(pos, end - pos));
        if (end <= pos)
            break;
        pos = end;
    }
    return out;
}

} // namespace

class TestUnknownNames : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        attributes = std::make_unique<HighlighterAttributes>();
        editor = std::make_unique<SheetEditor>();
        editor->setLexer(new CssLexer(*attributes, editor->font(), editor.get()));
        names = new UnknownNames(*editor, {"color", "width", "margin"}, editor.get());
        names->setEnabled(true);
        editor->resize(500, 200);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    void cleanup()
    {
        editor.reset();
        attributes.reset();
    }

    void typosAreMarked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("typos") << "a { colr: red; width: 1px; widht: 2px }" << QStringList{"colr", "widht"};
        QTest::newRow("letter case") << "a { COLOR: red; Margn: 0 }" << QStringList{"Margn"};
        QTest::newRow("custom and vendor names") << "a { --colr: 1; -webkit-colr: 2 }" << QStringList{};
        QTest::newRow("selectors and values") << "a:hovr { color: rd }" << QStringList{};
        QTest::newRow("a comment over lines") << "/*\na { colr: red }\n*/\nb { widht: 0 }" << QStringList{"widht"};
    }
    void typosAreMarked()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, marked);
        editor->setText(text);
        editor->viewport()->repaint();
        QCOMPARE(::marked(*editor, names->indicator()), marked);
    }

    void mendingATypoRemovesItsMark()
    {
        editor->setText(QStringLiteral("a { colr: red }"));
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor, names->indicator()), QStringList{"colr"});
        editor->setCursorPosition(0, 7);
        QTest::keyClick(editor.get(), Qt::Key_O);
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor, names->indicator()), QStringList());
        names->setEnabled(false);
        editor->setText(QStringLiteral("a { colr: red }"));
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor, names->indicator()), QStringList());
    }

private:
    std::unique_ptr<HighlighterAttributes> attributes;
    std::unique_ptr<SheetEditor> editor;
    UnknownNames *names = nullptr;
};

QTEST_MAIN(TestUnknownNames)
#include "tst_unknown_names.moc"
