#pragma once

#include <QObject>

#include <optional>

class QsciScintilla;

// A bar of each colour value's colour under the value, as an indicator of the editor
// control. The bars are set for the lines in view just before they are painted, so a
// key costs only the lines on the screen, however long the sheet.
class ColourSwatches : public QObject
{
    Q_OBJECT

public:
    explicit ColourSwatches(QsciScintilla &editor);

    bool isEnabled() const { return m_enabled; }
    // Off removes every bar.
    void setEnabled(bool on);

    int indicator() const { return m_indicator; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    long send(unsigned int message, unsigned long w = 0, long l = 0) const;

    // What the bars were last set for: the lines in view and the text's version.
    struct View
    {
        long firstLine = 0;
        long lastLine = 0;
        long xOffset = 0;
        int width = 0;
        quint64 textVersion = 0;
        bool lexer = false;
        bool operator==(const View &) const = default;
    };

    QsciScintilla &m_editor;
    int m_indicator = -1;
    bool m_enabled = false;
    quint64 m_textVersion = 0;
    std::optional<View> m_shown;
    std::optional<View> m_deferred;
};
