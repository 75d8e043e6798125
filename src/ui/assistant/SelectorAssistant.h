#pragma once

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Individualformate": compose selectors from element names and append empty rules
// for them at the end of the sheet.
class SelectorAssistant : public QDialog
{
    Q_OBJECT

public:
    // `elementFile` is read once, at creation; `append` adds lines at the end of the
    // text as one undo step.
    SelectorAssistant(const QString &elementFile, std::function<void(const QStringList &)> append,
                      std::function<void()> changeHandling, std::function<void(const QString &)> reportError,
                      QWidget *parent = nullptr);

    // What the chosen pseudo-class or pseudo-element adds to the composed selector.
    const QString &pseudoSuffix() const { return m_pseudoSuffix; }

protected:
    void showEvent(QShowEvent *e) override;

private slots:
    void composeContext();
    void composeDescendant();
    void composeChild();
    void composeAdvanced();
    void choosePseudoClass();
    void choosePseudoElement();
    void composeNamed();
    void collectContext();
    void collectDescendant();
    void collectChild();
    void collectAdvanced();
    void appendRules();

private:
    void composePair(QListWidget *first, QListWidget *second, QLineEdit *edit, const QString &joiner);
    void collectPair(QListWidget *first, QListWidget *second, QLineEdit *edit);
    QStringList collected() const;

    QTabWidget *m_assistantPages;
    QListWidget *m_contextFirstList, *m_contextSecondList, *m_descendantFirstList, *m_descendantSecondList;
    QListWidget *m_childFirstList, *m_childSecondList, *m_advancedElementList;
    QListWidget *m_pseudoClassList, *m_pseudoElementList, *m_collectedList;
    QLineEdit *m_contextEdit, *m_descendantEdit, *m_childEdit, *m_nameEdit, *m_advancedEdit;
    QLabel *m_namePrefixLabel;
    QRadioButton *m_asSelectorListRadio, *m_asSeparateRulesRadio, *m_classesRadio, *m_idsRadio;
    QPushButton *m_useContextButton, *m_useDescendantButton, *m_useChildButton, *m_useAdvancedButton;
    QPushButton *m_discardButton, *m_appendButton;
    QString m_pseudoSuffix;

    std::function<void(const QStringList &)> m_append;
    std::function<void()> m_changeHandling;
};
