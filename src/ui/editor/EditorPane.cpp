#include "EditorPane.h"

#include "SheetEditor.h"
#include "pictures/Pictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *toolButton(QWidget *parent, const char *name, const char *picture, const QString &hint, bool toggle)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(Pictures::icon(QLatin1String(picture)));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setCheckable(toggle);
    button->setFixedSize(25, 25);
    return button;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(8);
    return line;
}

} // namespace

EditorPane::EditorPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("editorPane"));

    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("editorToolBar"));
    bar->setFixedHeight(29);
    m_undoButton = toolButton(bar, "undoButton", "undo", QStringLiteral("Rückgängig"), false);
    m_redoButton = toolButton(bar, "redoButton", "redo", QStringLiteral("Widerrufen"), false);
    m_formattingMarksButton = toolButton(bar, "formattingMarksButton", "specialchars",
                                         QStringLiteral("Blendet spezielle Formatierungen ein/aus"), true);
    m_lineNumbersButton
        = toolButton(bar, "lineNumbersButton", "linenumbers", QStringLiteral("Blendet die Zeilenzahl ein/aus"), true);
    m_commentButton = toolButton(bar, "commentButton", "comment", QStringLiteral("Fügt einen Kommentar ein"), false);
    m_undoButton->setEnabled(false);
    m_redoButton->setEnabled(false);
    m_lineNumbersButton->setChecked(true);

    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(2, 2, 2, 2);
    barLayout->setSpacing(0);
    barLayout->addWidget(m_undoButton);
    barLayout->addWidget(m_redoButton);
    barLayout->addWidget(separator(bar));
    barLayout->addWidget(m_formattingMarksButton);
    barLayout->addWidget(m_lineNumbersButton);
    barLayout->addWidget(separator(bar));
    barLayout->addWidget(m_commentButton);
    barLayout->addStretch();

    m_editor = new SheetEditor(this);
    m_editor->setObjectName(QStringLiteral("sheetEditor"));
    m_editor->setMinimumSize(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_editor, 1);

    // The tool buttons only undo and redo; the document's Save button is the menu's business.
    connect(m_undoButton, &QToolButton::clicked, m_editor, &SheetEditor::undo);
    connect(m_redoButton, &QToolButton::clicked, m_editor, &SheetEditor::redo);
    connect(m_formattingMarksButton, &QToolButton::toggled, m_editor, &SheetEditor::setShowSpecialChars);
    connect(m_lineNumbersButton, &QToolButton::toggled, m_editor, &SheetEditor::setGutterVisible);
    connect(m_commentButton, &QToolButton::clicked, this, &EditorPane::appendCommentTemplate);
}

void EditorPane::appendCommentTemplate()
{
    m_editor->appendRecordedLines({QString(), QStringLiteral("/* Kommentar für CSS-Dateien*/"), QString()});
}
