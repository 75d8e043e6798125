#include "MainStatusBar.h"

#include <QLabel>

namespace {

QLabel *field(QStatusBar *bar, int index, int width)
{
    auto *label = new QLabel(bar);
    label->setObjectName(QStringLiteral("statusField%1").arg(index));
    label->setFixedWidth(width);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(label);
    return label;
}

} // namespace

MainStatusBar::MainStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setFixedHeight(19);
    setSizeGripEnabled(false);
    m_caretField = field(this, 0, 50);
    m_caretField->setAlignment(Qt::AlignCenter);
    m_modifiedField = field(this, 1, 50);
    m_fileNameField = field(this, 2, 200);
    m_searchNote = new QLabel(this);
    m_searchNote->setObjectName(QStringLiteral("searchNote"));
    addWidget(m_searchNote, 1);
}

void MainStatusBar::showCaretPosition(int line, int column)
{
    m_caretField->setText(QStringLiteral("%1:%2").arg(line).arg(column));
    // Wide enough for long sheets; it only grows, so the fields beside it stay put.
    const int needed
        = m_caretField->fontMetrics().horizontalAdvance(m_caretField->text()) + 2 * m_caretField->frameWidth() + 8;
    if (needed > m_caretField->width())
        m_caretField->setFixedWidth(needed);
}

void MainStatusBar::showModified(bool modified)
{
    m_modifiedField->setText(modified ? QStringLiteral("geändert") : QString());
}

void MainStatusBar::showFileName(const QString &fileName)
{
    m_fileNameField->setText(fileName.isEmpty() ? QStringLiteral("unbenannt") : fileName);
}

void MainStatusBar::showSearchNote(const QString &note)
{
    m_searchNote->setText(note);
}

QString MainStatusBar::shownFileName() const
{
    return m_fileNameField->text();
}
