#include "DocumentController.h"

#include "DocumentFile.h"
#include "app/Dialogs.h"
#include "editor/SheetEditor.h"
#include "i18n/UiTexts.h"

#include <QLabel>

namespace {
const QString kModified = QStringLiteral("geändert");
const QString kUntitled = QStringLiteral("unbenannt");
} // namespace

DocumentController::DocumentController(SheetEditor &editor, Dialogs &dialogs, const UiTexts &texts,
                                       DocumentControls controls, std::function<void()> changeHandling,
                                       QObject *parent)
    : QObject(parent), m_editor(editor), m_dialogs(dialogs), m_texts(texts), m_controls(controls),
      m_changeHandling(std::move(changeHandling))
{
}

void DocumentController::load(const QString &path)
{
    // Nothing changes before the file has been read, so a failed read cannot leave
    // a name behind under which a later Save would overwrite that file.
    const TextFileFormat::Decoded decoded = DocumentFile::read(path);
    m_editor.setLines(decoded.lines);
    m_lineEnd = decoded.lineEnd;
    m_encoding = decoded.encoding;
    m_controls.modifiedField->clear();
}

void DocumentController::write(const QString &path)
{
    DocumentFile::write(path, m_editor.allLines(), m_lineEnd, m_encoding);
}

void DocumentController::showSaved()
{
    m_controls.btnSave->setEnabled(false);
    m_editor.clearModified();
    m_controls.modifiedField->clear();
}

void DocumentController::newDocument()
{
    if (m_editor.isDocumentModified()
        && m_dialogs.message(BoxKind::Plain, m_texts.text(450), Buttons::YesNo) == Answer::Yes)
        save();
    m_editor.clearAll();
    m_controls.modifiedField->clear();
    m_controls.pathField->setText(kUntitled);
    m_fileName.clear();
    m_encoding = TextFileFormat::Encoding::Utf8; // the line-end style stays as it was
    m_controls.btnClose->setEnabled(false);
    m_changeHandling();
}

void DocumentController::open()
{
    const QString path = m_dialogs.openStyleSheetFile();
    if (path.isEmpty())
        return;
    load(path);
    m_fileName = path;
    m_controls.pathField->setText(path);
    m_controls.btnClose->setEnabled(true);
    m_changeHandling();
}

DocumentController::SaveOutcome DocumentController::save()
{
    if (m_fileName.isEmpty())
        return saveAs();
    write(m_fileName);
    showSaved();
    return SaveOutcome::Saved;
}

DocumentController::SaveOutcome DocumentController::saveAs()
{
    const QString path = m_dialogs.saveStyleSheetFile();
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    write(path);
    m_fileName = path;
    m_controls.pathField->setText(path);
    m_controls.btnClose->setEnabled(true);
    showSaved();
    return SaveOutcome::Saved;
}

void DocumentController::close()
{
    if (m_editor.isDocumentModified()
        && m_dialogs.message(BoxKind::Confirmation, m_texts.text(451), Buttons::YesNo) == Answer::Yes)
        save();
    newDocument();
}

void DocumentController::closeQuery()
{
    if (!m_editor.isDocumentModified())
        return;
    const QString question = m_texts.text(600) + QLatin1Char('\n') + m_texts.text(601);
    if (m_dialogs.message(BoxKind::Confirmation, question, Buttons::YesNo) == Answer::Yes)
        save();
}

void DocumentController::dropFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        load(path);
        m_fileName = path;
        m_controls.pathField->setText(path);
        m_dialogs.message(BoxKind::Plain, path, Buttons::Ok);
        m_changeHandling();
    }
}

void DocumentController::openFromCommandLine(const QString &argument)
{
    load(argument);
    m_fileName = argument;
    m_controls.pathField->setText(argument);
    m_changeHandling();
}

void DocumentController::undoFromMenu()
{
    m_editor.undo();
    m_controls.btnSave->setEnabled(true);
}

void DocumentController::redoFromMenu()
{
    m_editor.redo();
    m_controls.btnSave->setEnabled(true);
}

void DocumentController::noteChange()
{
    if (!m_editor.isDocumentModified())
        return;
    m_controls.btnSave->setEnabled(true);
    m_controls.modifiedField->setText(kModified);
    m_controls.btnUndo->setEnabled(m_editor.canUndoEdit());
    m_controls.btnRedo->setEnabled(m_editor.canRedoEdit());
}
