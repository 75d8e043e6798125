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
    setObjectName(QStringLiteral("pan_middle"));

    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("tb_editor"));
    bar->setFixedHeight(29);
    btn_undo = toolButton(bar, "btn_undo", "undo", QStringLiteral("Rückgängig"), false);
    btn_redo = toolButton(bar, "btn_redo", "redo", QStringLiteral("Widerrufen"), false);
    btn_special_chars = toolButton(bar, "btn_special_chars", "specialchars",
                                   QStringLiteral("Blendet spezielle Formatierungen ein/aus"), true);
    btn_line_nr = toolButton(bar, "btn_line_nr", "linenumbers", QStringLiteral("Blendet die Zeilenzahl ein/aus"), true);
    btn_css_comment = toolButton(bar, "btn_css_comment", "comment", QStringLiteral("Fügt einen Kommentar ein"), false);
    btn_undo->setEnabled(false);
    btn_redo->setEnabled(false);
    btn_line_nr->setChecked(true);

    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(2, 2, 2, 2);
    barLayout->setSpacing(0);
    barLayout->addWidget(btn_undo);
    barLayout->addWidget(btn_redo);
    barLayout->addWidget(separator(bar));
    barLayout->addWidget(btn_special_chars);
    barLayout->addWidget(btn_line_nr);
    barLayout->addWidget(separator(bar));
    barLayout->addWidget(btn_css_comment);
    barLayout->addStretch();

    m_editor = new SheetEditor(this);
    m_editor->setObjectName(QStringLiteral("SynEdit1"));
    m_editor->setMinimumSize(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_editor, 1);

    // The tool buttons only undo and redo; the document's Save button is the menu's business.
    connect(btn_undo, &QToolButton::clicked, m_editor, &SheetEditor::undo);
    connect(btn_redo, &QToolButton::clicked, m_editor, &SheetEditor::redo);
    connect(btn_special_chars, &QToolButton::toggled, m_editor, &SheetEditor::setShowSpecialChars);
    connect(btn_line_nr, &QToolButton::toggled, m_editor, &SheetEditor::setGutterVisible);
    connect(btn_css_comment, &QToolButton::clicked, this, &EditorPane::appendCommentTemplate);
}

void EditorPane::appendCommentTemplate()
{
    m_editor->appendRecordedLines({QString(), QStringLiteral("/* Kommentar für CSS-Dateien*/"), QString()});
}
