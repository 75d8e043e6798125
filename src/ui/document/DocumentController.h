#pragma once

#include "app/Dialogs.h"
#include "document/TextFileFormat.h"

#include "app/WholeFile.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class SheetEditor;
class UiTexts;

// The one style sheet being edited: its name, its file format and the commands
// New, Open, Save, Save as, Close, the close query and dropped files. Failures of
// the file layer throw AppError; the command ends there and the caller reports it.
class DocumentController : public QObject
{
    Q_OBJECT

public:
    enum class SaveOutcome { Saved, Cancelled };

    DocumentController(SheetEditor &editor, Dialogs &dialogs, const UiTexts &texts, QObject *parent = nullptr);

    const QString &fileName() const { return m_fileName; }
    const TextFileFormat::Format &format() const { return m_format; }

    // New, Open, Close and drops never lose unsaved text: they ask first, and a save
    // that is cancelled or fails ends them with the text as it was.
    void newDocument();
    void open();
    // Cancelled also when the user keeps a file's encoding rather than change it.
    SaveOutcome save();
    SaveOutcome saveAs();
    void close();
    // Asked before the window closes: false keeps it open (a cancelled save); a
    // failed save throws.
    bool closeQuery();
    void dropFiles(const QStringList &paths);
    // The file named when the program was started: the name is kept as given.
    void openFromCommandLine(const QString &argument);

    // The Edit menu's Undo and Redo also enable Save.
    void undoFromMenu();
    void redoFromMenu();

    // Step 2 of the change handling: the commands and the marker follow the editor.
    void noteChange();

    // The text differs from the file: edited, or the file is gone from the disk.
    bool isModified() const;

signals:
    // The document now has this file name; empty while it is untitled.
    void fileNameChanged(const QString &fileName);
    void modifiedChanged(bool modified);
    void saveAvailable(bool available);
    void closeAvailable(bool available);
    void undoAvailable(bool available);
    void redoAvailable(bool available);
    // New, Open and a reload put another text into the editor.
    void textReplaced();
    // Another program deleted the file, or moved it away: the text is only in the window.
    void fileGone(const QString &note);

private:
    void setFileName(const QString &fileName);

    // Another program changed the file: an unmodified text is reloaded, a modified one
    // only when the user agrees.
    void checkFileOnDisk();
    // Watches the document's file as it is now on disk.
    void watchFile();
    // True when the command may go on: the text is saved, or the user let it go;
    // false also when the question was dismissed (Escape, the box's close button).
    bool maybeSave(BoxKind kind, const QString &question);
    // Empties the editor for a new, untitled sheet, without asking.
    void clearDocument();
    void load(const QString &path);
    bool write(const QString &path);
    void showSaved();
    void showLineEnds();

    SheetEditor &m_editor;
    Dialogs &m_dialogs;
    const UiTexts &m_texts;

    QString m_fileName;
    TextFileFormat::Format m_format;
    FileStamp m_stamp; // the file as it was last read or written
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // waits until another program has finished writing
    bool m_checkingFile = false;
    bool m_fileGone = false; // the file was there and is no longer
};
