#pragma once

#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class SheetEditor;

// A wavy underline under property names that no style definition and no standard
// knows (typos such as "colr"), set like the colour swatches for the lines in view
// just before they are painted.
class UnknownNames : public QObject
{
    Q_OBJECT

public:
    // `known`: every known property name in lower case.
    UnknownNames(SheetEditor &editor, QSet<QString> known, QObject *parent = nullptr);

    int indicator() const { return m_indicator; }
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    SheetEditor &m_editor;
    QSet<QString> m_known;
    int m_indicator = -1;
    bool m_enabled = false;
    quint64 m_textVersion = 0;
    struct View
    {
        long firstLine = 0, lastLine = 0, xOffset = 0;
        quint64 textVersion = 0;
        bool operator==(const View &) const = default;
    };
    std::optional<View> m_shown;
};
