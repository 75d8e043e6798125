#include "DocumentController.h"

#include "app/AppError.h"
#include "document/DocumentFile.h"
#include "editor/SheetEditor.h"
#include "i18n/UiTexts.h"

DocumentController::DocumentController(SheetEditor &editor, Dialogs &dialogs, const UiTexts &texts, QObject *parent)
    : QObject(parent), m_editor(editor), m_dialogs(dialogs), m_texts(texts)
{
    showLineEnds();
    m_settle.setSingleShot(true);
    m_settle.setInterval(300);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_settle, &QTimer::timeout, this, &DocumentController::checkFileOnDisk);
    connect(&m_editor, &SheetEditor::changed, this, &DocumentController::noteChange);
}

void DocumentController::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    emit fileNameChanged(fileName);
}

void DocumentController::watchFile()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    m_stamp = m_fileName.isEmpty() ? FileStamp() : fileStamp(m_fileName);
    if (m_stamp.exists)
        m_watcher.addPath(m_fileName);
}

void DocumentController::checkFileOnDisk()
{
    if (m_fileName.isEmpty() || m_checkingFile)
        return;
    const FileStamp now = fileStamp(m_fileName);
    // A file replaced by a new one (as most programs save) is watched again.
    if (now.exists && !m_watcher.files().contains(m_fileName))
        m_watcher.addPath(m_fileName);
    if (!now.exists) {
        // Said once; the text now exists only in the window, so it counts as modified.
        if (m_stamp.exists && !m_fileGone) {
            m_fileGone = true;
            emit fileGone(m_texts.text(UiText::FileGone));
            emit saveAvailable(true);
            emit modifiedChanged(true);
        }
        return;
    }
    if (now == m_stamp)
        return;
    m_checkingFile = true;
    const bool reload = !isModified()
        || m_dialogs.message(BoxKind::Confirmation, m_texts.text(UiText::ReloadQuestion).arg(m_fileName),
                             Buttons::YesNo)
            == Answer::Yes;
    m_checkingFile = false;
    if (!reload)
        return; // the stamp stays: a later save asks before overwriting
    const int line = m_editor.caretLine();
    if (!m_dialogs.reportFailure([this] { load(m_fileName); }))
        return;
    watchFile();
    m_editor.setCaretPosition(line, 1);
    emit textReplaced();
}

void DocumentController::load(const QString &path)
{
    // Nothing changes before the file has been read, so a failed read cannot leave
    // a name behind under which a later Save would overwrite that file.
    const TextFileFormat::Decoded decoded = DocumentFile::read(path);
    m_editor.setLines(decoded.lines);
    m_format = decoded.format;
    m_fileGone = false;
    showLineEnds();
    // A new text: nothing to save, undo or redo.
    emit modifiedChanged(false);
    emit saveAvailable(false);
    emit undoAvailable(false);
    emit redoAvailable(false);
    if (m_format.nulCharacters)
        m_dialogs.message(BoxKind::Information, m_texts.text(UiText::NulCharactersRead), Buttons::Ok);
    if (m_format.halfCharacters)
        m_dialogs.message(BoxKind::Information, m_texts.text(UiText::HalfCharactersRead), Buttons::Ok);
}

void DocumentController::showLineEnds()
{
    const auto name = [](TextFileFormat::LineEnd lineEnd) {
        switch (lineEnd) {
        case TextFileFormat::LineEnd::Lf:
            return QStringLiteral("LF");
        case TextFileFormat::LineEnd::Cr:
            return QStringLiteral("CR");
        case TextFileFormat::LineEnd::CrLf:
            break;
        }
        return QStringLiteral("CRLF");
    };
    m_editor.setLineEndMark(name(m_format.lineEnd));
}

bool DocumentController::write(const QString &path)
{
    if (m_format.nulCharacters
        && m_dialogs.message(BoxKind::Confirmation, m_texts.text(UiText::NulCharactersSaveQuestion), Buttons::YesNo)
            != Answer::Yes)
        return false;
    if (m_format.halfCharacters
        && m_dialogs.message(BoxKind::Confirmation, m_texts.text(UiText::HalfCharactersSaveQuestion), Buttons::YesNo)
            != Answer::Yes)
        return false;
    const QStringList lines = m_editor.allLines();
    if (DocumentFile::write(path, lines, m_format)) {
        m_format.nulCharacters = m_format.halfCharacters = false; // the file now holds what the editor shows
        return true;
    }
    // Text that not even UTF-8 can hold (an unpaired surrogate) is an error, not a question.
    if (m_format.encoding == TextFileFormat::Encoding::Utf8)
        throw AppError::cannotCreate(path);
    if (m_dialogs.message(BoxKind::Confirmation, m_texts.text(UiText::SaveAsUtf8Question), Buttons::YesNo)
        != Answer::Yes)
        return false;
    TextFileFormat::Format utf8 = m_format;
    utf8.encoding = TextFileFormat::Encoding::Utf8;
    if (!DocumentFile::write(path, lines, utf8))
        throw AppError::cannotCreate(path);
    utf8.nulCharacters = utf8.halfCharacters = false;
    m_format = utf8;
    return true;
}

bool DocumentController::isModified() const
{
    return m_editor.isDocumentModified() || m_fileGone;
}

bool DocumentController::maybeSave(BoxKind kind, const QString &question)
{
    if (!isModified())
        return true;
    switch (m_dialogs.message(kind, question, Buttons::YesNoDismissable)) {
    case Answer::Yes:
        return save() == SaveOutcome::Saved;
    case Answer::No:
        return true;
    default:
        return false; // dismissed: nothing happens, the text stays
    }
}

void DocumentController::showSaved()
{
    m_fileGone = false;
    emit saveAvailable(false);
    m_editor.clearModified();
    emit modifiedChanged(false);
}

void DocumentController::newDocument()
{
    if (!maybeSave(BoxKind::Plain, m_texts.text(UiText::SaveChangesQuestion)))
        return;
    clearDocument();
}

void DocumentController::clearDocument()
{
    m_fileGone = false;
    m_editor.clearAll();
    emit modifiedChanged(false);
    emit saveAvailable(false);
    emit undoAvailable(false);
    emit redoAvailable(false);
    setFileName(QString());
    watchFile();
    m_format = TextFileFormat::Format{m_format.lineEnd}; // the line-end style stays as it was
    emit closeAvailable(false);
    emit textReplaced();
}

void DocumentController::open()
{
    if (!maybeSave(BoxKind::Plain, m_texts.text(UiText::SaveChangesQuestion)))
        return;
    const QString path = m_dialogs.openStyleSheetFile();
    if (path.isEmpty())
        return;
    load(path);
    setFileName(path);
    watchFile();
    emit closeAvailable(true);
    emit textReplaced();
}

DocumentController::SaveOutcome DocumentController::save()
{
    if (m_fileName.isEmpty())
        return saveAs();
    const FileStamp now = fileStamp(m_fileName);
    if (m_stamp.exists && now.exists && now != m_stamp
        && m_dialogs.message(BoxKind::Confirmation, m_texts.text(UiText::OverwriteQuestion).arg(m_fileName),
                             Buttons::YesNo)
            != Answer::Yes)
        return SaveOutcome::Cancelled;
    if (!write(m_fileName))
        return SaveOutcome::Cancelled;
    watchFile();
    showSaved();
    return SaveOutcome::Saved;
}

DocumentController::SaveOutcome DocumentController::saveAs()
{
    const QString path = m_dialogs.saveStyleSheetFile();
    if (path.isEmpty() || !write(path))
        return SaveOutcome::Cancelled;
    setFileName(path);
    watchFile();
    emit closeAvailable(true);
    showSaved();
    return SaveOutcome::Saved;
}

void DocumentController::close()
{
    // One question; a cancelled save, or a dismissed question, ends Close.
    if (!maybeSave(BoxKind::Confirmation, m_texts.text(UiText::FileChangedQuestion)))
        return;
    clearDocument();
}

bool DocumentController::closeQuery()
{
    return maybeSave(BoxKind::Confirmation,
                     m_texts.text(UiText::ChangesMade) + QLatin1Char('\n') + m_texts.text(UiText::SaveFileQuestion));
}

void DocumentController::dropFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!maybeSave(BoxKind::Plain, m_texts.text(UiText::SaveChangesQuestion)))
            return;
        load(path);
        setFileName(path);
        watchFile();
        m_dialogs.message(BoxKind::Plain, path, Buttons::Ok);
        emit textReplaced();
    }
}

void DocumentController::openFromCommandLine(const QString &argument)
{
    load(argument);
    setFileName(argument);
    watchFile();
    emit closeAvailable(true);
    emit textReplaced();
}

void DocumentController::undoFromMenu()
{
    m_editor.undo();
    noteChange();
}

void DocumentController::redoFromMenu()
{
    m_editor.redo();
    noteChange();
}

// Save and the marker follow the text: back at the text last saved (by undo, say) the
// document is unmodified again; Undo and Redo follow the history.
void DocumentController::noteChange()
{
    const bool modified = isModified();
    emit saveAvailable(modified);
    emit modifiedChanged(modified);
    emit undoAvailable(m_editor.canUndoEdit());
    emit redoAvailable(m_editor.canRedoEdit());
}
