#pragma once

#include "MainActions.h"
#include "app/AppPaths.h"
#include "i18n/UiTexts.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class AnalysisController;
class ReferenceController;
class CompletionController;
class PropertyTips;
class HighlighterAttributes;
class SettingsDialog;
class SelectorAssistant;
class AboutDialog;
class SearchController;
class ParserInfoTree;
class PreviewDisplay;
class StructureView;

class Dialogs;
class DocumentController;
class EditorPane;
class MainStatusBar;
class MainToolBar;
class QLabel;
class QMenu;
class QTabWidget;
class ReferencePanel;
class RegionSplitter;
class SheetEditor;

// The main window: menus, main tool bar, the analysis panel on the left, the editor
// in the middle, the reference panel on the right, the preview at the bottom and the
// status bar.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Makes the control that shows the preview page.
    using PreviewFactory = std::function<PreviewDisplay *(QWidget *parent)>;

    // `commandLineFile` is opened at the first activation; empty for none. Without a
    // factory the preview is a browser engine.
    MainWindow(const AppPaths &paths, Dialogs &dialogs, const QString &commandLineFile,
               PreviewFactory previewFactory = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    const AppPaths &paths() const { return m_paths; }
    SheetEditor *editor() const;
    DocumentController &document() const { return *m_document; }
    UiTexts &texts() { return m_texts; }
    const AnalysisController &analysis() const { return *m_analysis; }
    // The settings dialog, created once and kept for the life of the window.
    SettingsDialog &settingsDialog();
    // The selector assistant, created once and kept.
    SelectorAssistant &assistantDialog();
    AboutDialog &aboutBox();

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    void buildRegions(const PreviewFactory &previewFactory);
    void connectActions();
    void connectDocument();

    void createParts();
    void onFirstShow();
    void onActivated();
    void onTextReplaced();
    void showCaretPosition();
    // Puts the caret where the analysis stopped.
    void goToError();
    // Puts the caret at a place of the sheet (line and column from 0) and scrolls to it.
    void moveCaretTo(const std::optional<std::pair<int, int>> &place);

    void toggleView();
    // The analysis reads by CSS syntax or by the classic walk; `keep` writes the choice.
    void chooseCssSyntax(bool on, bool keep);
    void chooseLanguage(int offset);
    void print();
    void applyPanelVisibility(bool parser, bool objects, bool preview);
    void restorePanels();

    AppPaths m_paths;
    Dialogs &m_dialogs;
    UiTexts m_texts;
    QString m_commandLineFile;
    bool m_shown = false;
    bool m_activatedOnce = false;
    bool m_inActivation = false;

    MainActions m_actions;
    DocumentController *m_document = nullptr;
    AnalysisController *m_analysis = nullptr;
    ReferenceController *m_reference = nullptr;
    CompletionController *m_completion = nullptr;
    PropertyTips *m_propertyTips = nullptr;
    QStringList m_standardNames; // every property the standards know
    QHash<QString, QStringList> m_descriptors; // the descriptors of @font-face and its kind, by at-rule
    HighlighterAttributes *m_highlighterAttributes = nullptr; // the one set of highlighter attributes
    SettingsDialog *m_settings = nullptr;
    SelectorAssistant *m_assistant = nullptr;
    AboutDialog *m_about = nullptr;
    std::unique_ptr<SearchController> m_search;

    MainToolBar *m_mainToolBar = nullptr;

    QTabWidget *m_analysisTabs = nullptr;
    RegionSplitter *m_analysisSplitter = nullptr;
    EditorPane *m_editorPane = nullptr;
    ReferencePanel *m_referencePanel = nullptr;
    RegionSplitter *m_previewSplitter = nullptr;
    QTabWidget *m_previewTabs = nullptr;
    StructureView *m_structure = nullptr;
    ParserInfoTree *m_parserInfoTree = nullptr;
    PreviewDisplay *m_previewView = nullptr;

    MainStatusBar *m_statusBar = nullptr;
};
