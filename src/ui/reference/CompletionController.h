#pragma once

#include "editor/CompletionContext.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class ReferenceController;
class SheetEditor;

// Completion in the editor from the reference panels' data: a list of element names,
// property names or values at the caret, narrowed as the user types. It opens on
// request, after the second letter of a property name and after ": ". Taking a
// property writes "name: " and offers its values; taking a value writes it and the
// ";" the declaration lacks. Each taking is one undo step. The editor's switch turns
// it off.
class CompletionController : public QObject
{
    Q_OBJECT

public:
    CompletionController(SheetEditor &editor, const ReferenceController &reference, QObject *parent = nullptr);

    // The list for the caret's place, also with nothing typed yet; none where nothing
    // can be completed.
    void open() { show(true); }

    // The words offered at the caret's place for what is typed there, best first.
    QStringList offered() const;

    // The descriptors of the at-rules that have them (@font-face…), offered in their blocks.
    void setDescriptors(QHash<QString, QStringList> descriptors) { m_descriptors = std::move(descriptors); }

private:
    void show(bool asked);
    void onCharacterAdded(int character);
    void take(const QString &word);

    struct Place
    {
        QString text; // the sheet from a reading place before the caret to the end of its line
        qsizetype caret = 0; // in characters
        CompletionContext context;
    };
    Place place() const;
    QStringList wordsFor(const CompletionContext &context) const;

    SheetEditor &m_editor;
    const ReferenceController &m_reference;
    CompletionContext::Kind m_shown = CompletionContext::Kind::None;
    QHash<QString, QStringList> m_descriptors;
};
