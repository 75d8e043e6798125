#pragma once

#include <QStatusBar>

class QLabel;

// The status bar: the caret's place, the "geändert" marker, the file name and the
// search's note.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget *parent = nullptr);

    void showCaretPosition(int line, int column);
    void showModified(bool modified);
    // Empty: "unbenannt".
    void showFileName(const QString &fileName);
    void showSearchNote(const QString &note);
    // The name as shown, the head of every printed page.
    QString shownFileName() const;

private:
    QLabel *m_caretField;
    QLabel *m_modifiedField;
    QLabel *m_fileNameField;
    QLabel *m_searchNote; // "Text not found"
};
