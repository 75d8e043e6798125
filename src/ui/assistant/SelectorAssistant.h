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

    QTabWidget *pageControl;
    QListWidget *List_html1, *List_html2, *List_html3, *List_html4, *List_html5, *List_html6, *List_html7;
    QListWidget *List_psd_cla, *List_psd_elm, *List_Indi;
    QLineEdit *ed_context, *ed_knotes, *ed_child, *ed_indi, *ed_prev;
    QLabel *lbl_precall;
    QRadioButton *rad_add_as_single, *rad_add_as_grouped, *rad_classes, *rad_ids;
    QPushButton *btn_add_context, *btn_add_knotes, *btn_add_child, *btn_add_advanced;
    QPushButton *Btn_escape, *Btn_Close_Indi;
    QString PseudoSuffix;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void composePair(QListWidget *first, QListWidget *second, QLineEdit *edit, const QString &joiner);
    void collectPair(QListWidget *first, QListWidget *second, QLineEdit *edit);
    QStringList collected() const;

    std::function<void(const QStringList &)> m_append;
    std::function<void()> m_changeHandling;
};
