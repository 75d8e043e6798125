#pragma once

#include "reference/DataFile.h"
#include "reference/StyleDefinition.h"

#include <QObject>
#include <QString>

#include <functional>

class Dialogs;
class QTreeWidget;
class QTreeWidgetItem;
class ReferencePanel;
class SheetEditor;
class UiTexts;
struct AppPaths;

// The reference panels at work: the element list, the style definitions, the values
// of the chosen property, and the insertions a double-click makes.
class ReferenceController : public QObject
{
    Q_OBJECT

public:
    ReferenceController(ReferencePanel &panel, SheetEditor &editor, Dialogs &dialogs, const UiTexts &texts,
                        const AppPaths &paths, QObject *parent = nullptr);

    // Each throws AppError with the message the user sees.
    void reloadElementList();
    // The chooser names "CSS Level 2" also when the list cannot be read.
    void loadDefinitionList();
    // Applies the confirmed definition again. It runs at every activation of the
    // window, so a definition that cannot be read is reported once, not each time its
    // error box gives the window back: again only for another failing name, or when
    // the user chooses it again.
    void applyStyleDefinition();

    // The handlers of the panels; failures are reported in the error box.
    void showValuesOfChosenProperty();
    void insertSelector();
    void insertValue();
    void insertColour();

    // What completion offers: the applied definition's property names, the element
    // list, and a property's values from the same source as the value panel.
    QStringList propertyNames() const { return m_propertyNames; }
    QStringList elementNames() const;
    QStringList valuesOf(const QString &property) const;
    // The property names of every definition in the list, read with it; a definition
    // that cannot be read adds none.
    QStringList everyDefinitionsNames() const { return m_everyDefinitionsNames; }

private:
    void confirmChosenDefinition(bool chosenAgain);
    void showConfirmedName();
    void applyConfirmedDefinition(bool chosenAgain);
    void insertDeclaration(const QString &text);

    ReferencePanel &m_panel;
    SheetEditor &m_editor;
    Dialogs &m_dialogs;
    const UiTexts &m_texts;
    const AppPaths &m_paths;
    QString m_failedDefinition; // the definition file last reported as unreadable
    StyleDefinition::ColourProperties m_colourProperties; // of the applied definition
    QStringList m_propertyNames; // of the applied definition
    QStringList m_everyDefinitionsNames;
    QString m_confirmedDefinition; // the name the user last confirmed in the chooser
};

// Fills a tree widget with nodes, collapsed and with nothing selected.
void fillTree(QTreeWidget &tree, const QList<TreeNode> &nodes);
