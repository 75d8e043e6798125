#include "ReferenceController.h"

#include "editor/ChangeBatch.h"

#include "app/AppError.h"
#include "app/AppPaths.h"
#include "app/Dialogs.h"
#include "editor/SheetEditor.h"
#include "editor/UndoGroup.h"
#include "i18n/UiTexts.h"
#include "reference/Catalogue.h"
#include "reference/CompletionLists.h"
#include "reference/Insertion.h"
#include "reference/ReferencePanel.h"
#include "reference/StyleDefinition.h"

#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

namespace {

void addNodes(QTreeWidgetItem *parent, QTreeWidget &tree, const QList<TreeNode> &nodes)
{
    for (const TreeNode &node : nodes) {
        auto *item = parent ? new QTreeWidgetItem(parent, {node.text}) : new QTreeWidgetItem(&tree, {node.text});
        addNodes(item, tree, node.children);
    }
}

QString selectedText(const QTreeWidget &tree)
{
    const QList<QTreeWidgetItem *> selected = tree.selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

bool hasSelection(const QTreeWidget &tree)
{
    return !tree.selectedItems().isEmpty();
}

// Reads a tree text file into a tree; the nodes before a bad line stay.
void readInto(QTreeWidget &tree, const QString &path)
{
    QList<TreeNode> nodes;
    try {
        TreeText::read(path, nodes);
    } catch (...) {
        if (QFile::exists(path))
            fillTree(tree, nodes);
        throw;
    }
    fillTree(tree, nodes);
}

// Enter in the element list inserts like a double-click.
class EnterKey : public QObject
{
public:
    EnterKey(QObject *parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) { }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_action();
                return true;
            }
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

// Focus leaving a field for another field of the window. Not when the field's own
// list opens, nor when another window (an error box) takes the focus.
class LeavingField : public QObject
{
public:
    LeavingField(QObject *parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) { }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                m_action();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void fillTree(QTreeWidget &tree, const QList<TreeNode> &nodes)
{
    tree.clear();
    addNodes(nullptr, tree, nodes);
    tree.collapseAll();
    tree.clearSelection();
    tree.setCurrentItem(nullptr);
}

ReferenceController::ReferenceController(ReferencePanel &panel, SheetEditor &editor, Dialogs &dialogs,
                                         const UiTexts &texts, const AppPaths &paths, QObject *parent)
    : QObject(parent), m_panel(panel), m_editor(editor), m_dialogs(dialogs), m_texts(texts), m_paths(paths)
{
    QList<TreeNode> elements;
    for (const QString &name : QStringLiteral("a abbrev acronym address b big blockquote body button caption cite code "
                                              "comment dd dfn div dl dt em h1 h2 h3 h4 h5 h6 hr img input kbd label "
                                              "legend li listing ol p pre samp select small span strong table td "
                                              "textarea th tr tt ul var")
                                   .split(QLatin1Char(' ')))
        elements.append({name, {}});
    fillTree(*panel.elementTree(), elements);
    fillTree(*panel.propertyTree(), Catalogue::builtInProperties());
    QList<TreeNode> values;
    for (const QString &v : Catalogue::initialValues())
        values.append({v, {}});
    fillTree(*panel.valueTree(), values);
    panel.colourList()->addItems(Catalogue::colourRows());

    connect(panel.propertyTree(), &QTreeWidget::itemClicked, this, [this] { showValuesOfChosenProperty(); });
    connect(panel.elementTree(), &QTreeWidget::itemDoubleClicked, this, [this] { insertSelector(); });
    panel.elementTree()->installEventFilter(new EnterKey(this, [this] { insertSelector(); }));
    connect(panel.valueTree(), &QTreeWidget::itemDoubleClicked, this, [this] { insertValue(); });
    connect(panel.colourList(), &QListWidget::itemDoubleClicked, this, [this] { insertColour(); });
    // A name is looked up when the user confirms it, never while it is typed: a choice
    // from the list (also Enter on a listed name), Enter, or leaving the field. A choice
    // and Enter report a failing definition again; leaving the field only a new name.
    QComboBox *chooser = panel.definitionChooser();
    connect(chooser, &QComboBox::activated, this, [this] { confirmChosenDefinition(true); });
    connect(chooser->lineEdit(), &QLineEdit::returnPressed, this, [this] { confirmChosenDefinition(true); });
    chooser->installEventFilter(new LeavingField(this, [this] { confirmChosenDefinition(false); }));
}

void ReferenceController::reloadElementList()
{
    readInto(*m_panel.elementTree(), m_paths.infDir + QStringLiteral("selektoren.inf"));
}

void ReferenceController::loadDefinitionList()
{
    QComboBox &chooser = *m_panel.definitionChooser();
    const QSignalBlocker quiet(chooser); // the definition is applied at activation
    chooser.clear();
    m_confirmedDefinition = QStringLiteral("CSS Level 2");
    m_everyDefinitionsNames.clear();
    QStringList names;
    try {
        names = DataFile::readLines(m_paths.styleDefDir + QStringLiteral("styles.dat"));
    } catch (const AppError &) {
        // Without the list the start definition may still be there.
        chooser.setEditText(m_confirmedDefinition);
        throw;
    }
    chooser.addItems(names);
    showConfirmedName();
    for (const QString &name : names) {
        try {
            m_everyDefinitionsNames << CompletionLists::propertyNames(
                StyleDefinition::read(m_paths.styleDefDir + name + QStringLiteral(".def")));
        } catch (const AppError &) {
            // reported when the definition is chosen
        }
    }
}

void ReferenceController::applyStyleDefinition()
{
    applyConfirmedDefinition(false);
}

void ReferenceController::confirmChosenDefinition(bool chosenAgain)
{
    const QString name = m_panel.definitionChooser()->currentText();
    if (!chosenAgain && name == m_confirmedDefinition)
        return;
    m_confirmedDefinition = name;
    showConfirmedName();
    m_dialogs.reportFailure([this, chosenAgain] { applyConfirmedDefinition(chosenAgain); });
}

void ReferenceController::showConfirmedName()
{
    // The list's current row follows the name, so the combo box itself never
    // activates it again when the focus leaves the field.
    QComboBox &chooser = *m_panel.definitionChooser();
    const QSignalBlocker quiet(chooser);
    const int row = chooser.findText(m_confirmedDefinition);
    if (row >= 0)
        chooser.setCurrentIndex(row);
    chooser.setEditText(m_confirmedDefinition);
}

void ReferenceController::applyConfirmedDefinition(bool chosenAgain)
{
    const QString path = m_paths.styleDefDir + m_confirmedDefinition + QStringLiteral(".def");
    QTreeWidget &tree = *m_panel.propertyTree();
    tree.clear();
    m_colourProperties = {};
    m_propertyNames.clear();
    try {
        StyleDefinition::Definition definition = StyleDefinition::readDefinition(path);
        fillTree(tree, definition.tree);
        m_propertyNames = CompletionLists::propertyNames(definition.tree);
        m_colourProperties = std::move(definition.colourProperties);
        m_failedDefinition.clear();
    } catch (const AppError &) {
        if (path == m_failedDefinition && !chosenAgain)
            return;
        m_failedDefinition = path;
        throw;
    }
}

QStringList ReferenceController::elementNames() const
{
    QStringList names;
    const QTreeWidget &tree = *m_panel.elementTree();
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        names << tree.topLevelItem(i)->text(0);
    return names;
}

QStringList ReferenceController::valuesOf(const QString &property) const
{
    try {
        return CompletionLists::valuesOf(property, m_paths.infDir, m_colourProperties.contains(property));
    } catch (const AppError &) {
        return {}; // the value panel reports an unreadable file when it is opened
    }
}

void ReferenceController::showValuesOfChosenProperty()
{
    m_panel.showColourList(false);
    if (!hasSelection(*m_panel.propertyTree()))
        return;
    const QString name = selectedText(*m_panel.propertyTree());
    const Catalogue::ValueSource source
        = Catalogue::valueSourceIn(name, m_paths.infDir, m_colourProperties.contains(name));
    switch (source.kind) {
    case Catalogue::SourceKind::GroupHeading:
        return;
    case Catalogue::SourceKind::Colours:
        m_panel.showColourList(true);
        return;
    case Catalogue::SourceKind::SharedFile:
        m_dialogs.reportFailure([&] { readInto(*m_panel.valueTree(), m_paths.infDir + source.fileName); });
        return;
    case Catalogue::SourceKind::OwnFile: {
        const QString path = m_paths.infDir + source.fileName;
        if (!QFile::exists(path)) {
            m_panel.valueTree()->clear();
            return;
        }
        m_dialogs.reportFailure([&] { readInto(*m_panel.valueTree(), path); });
        return;
    }
    }
}

void ReferenceController::insertSelector()
{
    if (!hasSelection(*m_panel.elementTree()))
        return;
    const int line = m_editor.caretLine();
    {
        // One undo step, and one analysis once the closing brace is in.
        ChangeBatch batch(m_editor);
        UndoGroup group(m_editor);
        m_editor.replaceSelection(Insertion::selectorText(selectedText(*m_panel.elementTree())));
        const int column = m_editor.caretColumn();
        m_editor.insertRecordedLine(line, QString());
        m_editor.insertRecordedLine(line + 1, QStringLiteral("}"));
        m_editor.setCaretPosition(line + 1, column);
    }
    m_editor.setFocus();
}

void ReferenceController::insertDeclaration(const QString &text)
{
    const int line = m_editor.caretLine();
    const int column = m_editor.caretColumn();
    {
        ChangeBatch batch(m_editor);
        UndoGroup group(m_editor);
        m_editor.replaceSelection(text);
        m_editor.insertRecordedLine(line, QString());
        m_editor.setCaretPosition(line + 1, column);
    }
    m_editor.setFocus();
}

void ReferenceController::insertValue()
{
    // Without a property or a value there is nothing to write; a group heading is no
    // property, and a value row with rows under it is a heading, not a value.
    if (!hasSelection(*m_panel.valueTree()) || !hasSelection(*m_panel.propertyTree()))
        return;
    if (m_panel.valueTree()->selectedItems().first()->childCount() > 0)
        return;
    const QString value = selectedText(*m_panel.valueTree());
    if (value == QLatin1String("mixed")) {
        m_dialogs.message(BoxKind::Information, m_texts.text(UiText::MixOfValues), Buttons::Ok);
        return;
    }
    const QString property = selectedText(*m_panel.propertyTree());
    if (Catalogue::valueSourceOf(property).kind == Catalogue::SourceKind::GroupHeading)
        return;
    if (value == QLatin1String("url()")) {
        const QString picture = m_dialogs.openPictureFile();
        if (!picture.isEmpty())
            insertDeclaration(Insertion::urlDeclarationText(property, picture));
        return;
    }
    insertDeclaration(Insertion::declarationText(property, value));
}

void ReferenceController::insertColour()
{
    QListWidgetItem *colour = m_panel.colourList()->currentItem();
    if (!colour || !hasSelection(*m_panel.propertyTree()))
        return;
    const QString property = selectedText(*m_panel.propertyTree());
    if (Catalogue::valueSourceOf(property).kind == Catalogue::SourceKind::GroupHeading)
        return;
    insertDeclaration(Insertion::declarationText(property, colour->text()));
}
