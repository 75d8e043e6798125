#include "MainWindow.h"

#include "MainStatusBar.h"
#include "MainToolBar.h"
#include "RegionSplitter.h"
#include "app/AppError.h"
#include "app/Dialogs.h"
#include "app/FontList.h"
#include "app/ProductInfo.h"
#include "app/ScreenRoutines.h"
#include "assistant/SelectorAssistant.h"
#include "document/DocumentController.h"
#include "document/Printing.h"
#include "editor/EditorPane.h"
#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"
#include "editor/search/SearchController.h"
#include "help_about/AboutDialog.h"
#include "help_about/HelpCommands.h"
#include "i18n/Translation.h"
#include "pictures/Fonts.h"
#include "pictures/Pictures.h"
#include "preview/WebEnginePreview.h"
#include "reference/CompletionController.h"
#include "reference/PropertyTips.h"
#include "reference/ReferenceController.h"
#include "reference/ReferencePanel.h"
#include "settings/EditorSettings.h"
#include "settings/SettingsDialog.h"
#include "settings/WindowSettings.h"
#include "structure_view/AnalysisController.h"
#include "structure_view/ParserInfoTree.h"
#include "structure_view/StructureView.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void setUiTextId(QObject *object, int id)
{
    setUiTextId(object, id);
}

QStringList droppedFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

MainWindow::MainWindow(const AppPaths &paths, Dialogs &dialogs, const QString &commandLineFile,
                       PreviewFactory previewFactory, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_dialogs(dialogs), m_commandLineFile(commandLineFile)
{
    installFontSubstitutes();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Stylograf"));
    // The installed icon of the desktop entry; ours where none is installed.
    setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.stylograf.Stylograf"), Pictures::icon(QStringLiteral("assistant"))));
    QFont interfaceFont(QStringLiteral("MS Sans Serif"));
    interfaceFont.setStyleHint(QFont::SansSerif);
    interfaceFont.setPixelSize(11);
    setFont(interfaceFont);
    setMinimumSize(500, 350);
    resize(708, 592);

    buildRegions(previewFactory);
    m_highlighterAttributes = new HighlighterAttributes(true, this);
    editor()->setLexer(new CssLexer(*m_highlighterAttributes, editor()->font(), editor()));
    m_actions = MainActions::create(this);
    m_actions.buildMenus(menuBar());
    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);

    m_document = new DocumentController(*editor(), m_dialogs, m_texts, this);
    m_analysis = new AnalysisController(*editor(), *m_structure, *m_parserInfoTree, *m_previewView, this);
    m_reference = new ReferenceController(*m_referencePanel, *editor(), m_dialogs, m_texts, m_paths, this);
    m_completion = new CompletionController(*editor(), *m_reference, this);
    {
        PropertyGrammar grammar = PropertyGrammar::read(m_paths.grammarFile());
        m_standardNames = grammar.names();
        m_descriptors = grammar.descriptorNames();
        m_propertyTips = new PropertyTips(*editor(), std::move(grammar), m_texts, this);
    }
    m_search = std::make_unique<SearchController>(*editor(), m_dialogs,
                                                  [this](const QString &note) { m_statusBar->showSearchNote(note); });
    connectActions();
    connectDocument();

    // The analysis and the document follow the editor's changes themselves.
    connect(editor(), &SheetEditor::changed, editor(), [this] { editor()->setFocus(); });
    connect(editor(), &SheetEditor::keyReport, this, &MainWindow::showCaretPosition);
    connect(editor(), &SheetEditor::clickReport, this, &MainWindow::showCaretPosition);
    // Undo, redo, commands and searches move the caret too: the field follows every move.
    connect(editor(), &SheetEditor::caretMoved, this, &MainWindow::showCaretPosition);
    connect(editor(), &SheetEditor::filesDropped, this,
            [this](const QStringList &files) { m_dialogs.reportFailure([&] { m_document->dropFiles(files); }); });

    centreOnScreen(*this);
    createParts();
}

MainWindow::~MainWindow() = default;

SheetEditor *MainWindow::editor() const
{
    return m_editorPane->editor();
}

// ---- layout ----

void MainWindow::buildRegions(const PreviewFactory &previewFactory)
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_mainToolBar = new MainToolBar(central);
    outer->addWidget(m_mainToolBar);

    auto *middle = new QWidget(central);
    auto *row = new QHBoxLayout(middle);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_analysisTabs = new QTabWidget(middle);
    m_analysisTabs->setObjectName(QStringLiteral("analysisTabs"));
    m_analysisTabs->setFixedWidth(171);
    m_structure = new StructureView(m_analysisTabs);
    m_structure->setObjectName(QStringLiteral("structureView"));
    m_analysisTabs->addTab(m_structure, Pictures::analysisPicture(Pictures::AnalysisPicture::SelectorsTab),
                           QStringLiteral("Selektoren"));
    setUiTextId(m_structure, UiText::SelectorsTab);

    m_editorPane = new EditorPane(middle);
    m_referencePanel = new ReferencePanel(middle);
    m_analysisSplitter = new RegionSplitter(RegionSplitter::TargetSide::Left, m_analysisTabs, m_editorPane, 5, middle);
    m_analysisSplitter->setObjectName(QStringLiteral("analysisSplitter"));

    row->addWidget(m_analysisTabs);
    row->addWidget(m_analysisSplitter);
    row->addWidget(m_editorPane, 1);
    row->addWidget(m_referencePanel);
    outer->addWidget(middle, 1);

    m_previewTabs = new QTabWidget(central);
    m_previewTabs->setObjectName(QStringLiteral("previewTabs"));
    m_previewTabs->setFixedHeight(150);
    m_previewTabs->setStyleSheet(QStringLiteral("QTabBar::tab { height: 24px; }"));
    m_previewView = previewFactory ? previewFactory(m_previewTabs) : new WebEnginePreview(m_previewTabs);
    m_previewTabs->addTab(m_previewView, QStringLiteral("Vorschau"));
    setUiTextId(m_previewView, UiText::ViewPreview);
    m_parserInfoTree = new ParserInfoTree(m_previewTabs);
    m_previewTabs->addTab(m_parserInfoTree, QStringLiteral("Parserinformationen"));

    m_previewSplitter = new RegionSplitter(RegionSplitter::TargetSide::Below, m_previewTabs, middle, 4, central);
    m_previewSplitter->setObjectName(QStringLiteral("previewSplitter"));
    outer->addWidget(m_previewSplitter);
    outer->addWidget(m_previewTabs);

    setCentralWidget(central);

    // A drag of the window's own splitters redraws its surface, which re-shares the
    // reference panel's height.
    connect(m_analysisSplitter, &RegionSplitter::regionResized, m_referencePanel,
            &ReferencePanel::applyPanelHeightRule);
    connect(m_previewSplitter, &RegionSplitter::regionResized, m_referencePanel, &ReferencePanel::applyPanelHeightRule);
}

void MainWindow::connectActions()
{
    const MainActions &a = m_actions;
    // Commands that read or write files report their failures in the error box.
    const auto reported = [this](QAction *action, auto step) {
        connect(action, &QAction::triggered, this, [this, step] { m_dialogs.reportFailure(step); });
    };
    reported(a.newDocument, [this] { m_document->newDocument(); });
    reported(a.open, [this] { m_document->open(); });
    reported(a.save, [this] { m_document->save(); });
    reported(a.saveAs, [this] { m_document->saveAs(); });
    reported(a.close, [this] { m_document->close(); });
    reported(a.print, [this] { print(); });
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.settings, &QAction::triggered, this, [this] { settingsDialog().exec(); });

    connect(a.undo, &QAction::triggered, m_document, &DocumentController::undoFromMenu);
    connect(a.redo, &QAction::triggered, m_document, &DocumentController::redoFromMenu);
    connect(a.cut, &QAction::triggered, editor(), &SheetEditor::cut);
    connect(a.copy, &QAction::triggered, editor(), &SheetEditor::copy);
    connect(a.paste, &QAction::triggered, editor(), &SheetEditor::paste);
    connect(a.deleteSelection, &QAction::triggered, editor(), &SheetEditor::removeSelectedText);
    connect(a.selectAll, &QAction::triggered, editor(), [this] { editor()->selectAll(); });
    connect(a.formatSheet, &QAction::triggered, editor(), &SheetEditor::formatSheet);
    connect(a.complete, &QAction::triggered, m_completion, &CompletionController::open);
    connect(a.showSyntax, &QAction::triggered, m_propertyTips, &PropertyTips::showAtCaret);
    connect(a.nextUnknownName, &QAction::triggered, this, [this] {
        if (!editor()->selectNextUnknownName())
            m_statusBar->showSearchNote(m_texts.text(UiText::NoUnknownNames));
    });

    for (QAction *toggle : {a.showAnalysis, a.showReference, a.showPreview})
        connect(toggle, &QAction::triggered, this, &MainWindow::toggleView);
    connect(a.analyseByCssSyntax, &QAction::triggered, this, [this](bool on) { chooseCssSyntax(on, true); });
    connect(m_structure, &StructureView::cssSyntaxRequested, this, [this] { chooseCssSyntax(true, true); });
    connect(m_structure, &StructureView::cssSyntaxHintDismissed, m_analysis, &AnalysisController::dismissHint);
    connect(m_analysis, &AnalysisController::cssSyntaxAdvised, m_structure, &StructureView::showCssSyntaxHint);

    connect(a.find, &QAction::triggered, this, [this] { m_search->openSearchDialog(false); });
    connect(a.findNext, &QAction::triggered, this, [this] { m_search->runSearch(false, false); });
    connect(a.findPrevious, &QAction::triggered, this, [this] { m_search->runSearch(false, true); });
    connect(a.replace, &QAction::triggered, this, [this] { m_search->openSearchDialog(true); });
    connect(a.goToError, &QAction::triggered, this, &MainWindow::goToError);
    connect(m_structure, &StructureView::errorPlaceActivated, this, &MainWindow::goToError);
    connect(m_analysis, &AnalysisController::errorPlaceChanged, a.goToError, &QAction::setEnabled);
    connect(m_structure, &StructureView::occurrenceRequested, this,
            [this](int occurrence) { moveCaretTo(m_analysis->rulePlace(occurrence)); });
    connect(m_structure, &StructureView::selectorRequested, this,
            [this](const QString &selector) { moveCaretTo(m_analysis->rulePlace(selector)); });

    connect(a.german, &QAction::triggered, this, [this] { chooseLanguage(UiTexts::German); });
    connect(a.english, &QAction::triggered, this, [this] { chooseLanguage(UiTexts::English); });

    connect(a.help, &QAction::triggered, this,
            [this] { HelpCommands::showHelp(m_dialogs, m_texts, m_paths.helpFolder()); });
    connect(a.homePage, &QAction::triggered, this,
            [this] { HelpCommands::openWebLink(m_dialogs, m_texts, QString::fromLatin1(kHomePageAddress)); });
    connect(a.about, &QAction::triggered, this, [this] { aboutBox().exec(); });
    for (int i = 0; i < a.webLinks.size(); ++i)
        connect(a.webLinks[i], &QAction::triggered, this,
                [this, i] { HelpCommands::openWebLink(m_dialogs, m_texts, QString::fromLatin1(kWebLinks[i])); });

    // The tool bar's buttons run the same commands.
    connect(m_mainToolBar->newButton(), &QToolButton::clicked, a.newDocument, &QAction::trigger);
    connect(m_mainToolBar->openButton(), &QToolButton::clicked, a.open, &QAction::trigger);
    connect(m_mainToolBar->saveButton(), &QToolButton::clicked, a.save, &QAction::trigger);
    connect(m_mainToolBar->closeButton(), &QToolButton::clicked, a.close, &QAction::trigger);
    connect(m_mainToolBar->printButton(), &QToolButton::clicked, a.print, &QAction::trigger);
    connect(m_mainToolBar->assistantButton(), &QToolButton::clicked, this, [this] { assistantDialog().exec(); });
}

void MainWindow::connectDocument()
{
    DocumentController *document = m_document;
    connect(document, &DocumentController::saveAvailable, m_mainToolBar->saveButton(), &QWidget::setEnabled);
    connect(document, &DocumentController::closeAvailable, m_mainToolBar->closeButton(), &QWidget::setEnabled);
    connect(document, &DocumentController::undoAvailable, m_editorPane->undoButton(), &QWidget::setEnabled);
    connect(document, &DocumentController::redoAvailable, m_editorPane->redoButton(), &QWidget::setEnabled);
    connect(document, &DocumentController::modifiedChanged, m_statusBar, &MainStatusBar::showModified);
    connect(document, &DocumentController::fileNameChanged, m_statusBar, &MainStatusBar::showFileName);
    connect(document, &DocumentController::fileNameChanged, m_analysis, &AnalysisController::setDocumentFileName);
    connect(document, &DocumentController::textReplaced, this, [this] {
        m_analysis->startSheet();
        onTextReplaced();
    });
    connect(document, &DocumentController::fileGone, m_statusBar, &MainStatusBar::showSearchNote);
}

void MainWindow::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    m_referencePanel->applyWindowHeightRule(frameGeometry().height());
    m_referencePanel->applyPanelHeightRule();
}

// ---- creation, first show, activation ----

void MainWindow::createParts()
{
    m_structure->setStatus(ParserStatus::NotAnalysed, QStringLiteral("Parserinformationen"));
    m_paths.infDir = AppPaths::subFolder(m_paths.dataFolder(), QStringLiteral("inf"));
    m_statusBar->showCaretPosition(0, 0);
    m_statusBar->showFileName(QString());
    setAcceptDrops(true);
    // Each data file on its own: a missing one is reported and the window still gets
    // everything the others give it.
    m_dialogs.reportFailureOnce(
        [this] { FontList::write(m_paths.infDir + QStringLiteral("font-family.inf"), QFontDatabase::families()); });
    m_dialogs.reportFailureOnce([this] { m_reference->reloadElementList(); });
    m_dialogs.reportFailureOnce([this] { m_reference->loadDefinitionList(); });
    // A name is unknown when neither the standards nor any definition knows it.
    m_propertyTips->setMoreNames(m_reference->everyDefinitionsNames());
    editor()->setKnownPropertyNames(m_standardNames + m_reference->everyDefinitionsNames(), m_descriptors);
    m_completion->setDescriptors(m_descriptors);
}

void MainWindow::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!m_shown) {
        m_shown = true;
        onFirstShow();
        // The first show counts as the first activation, also where the desktop does
        // not activate the window (no window manager, focus-stealing prevention).
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_activatedOnce)
                    onActivated();
            },
            Qt::QueuedConnection);
    }
}

SettingsDialog &MainWindow::settingsDialog()
{
    if (!m_settings) {
        m_settings = new SettingsDialog(
            *editor(), *m_highlighterAttributes, m_dialogs, m_texts, m_paths.settingsFile(),
            m_paths.infDir + QStringLiteral("selektoren.inf"), [this] { m_reference->reloadElementList(); }, this);
        connect(m_settings, &SettingsDialog::cssSyntaxChosen, this, [this](bool on) { chooseCssSyntax(on, false); });
    }
    return *m_settings;
}

SelectorAssistant &MainWindow::assistantDialog()
{
    if (!m_assistant)
        m_assistant = new SelectorAssistant(
            m_paths.infDir + QStringLiteral("selektoren.inf"),
            [this](const QStringList &lines) { editor()->appendRecordedLines(lines, false); },
            [this] { onTextReplaced(); }, [this](const QString &error) { m_dialogs.showFailureOnce(AppError(error)); },
            this);
    return *m_assistant;
}

void MainWindow::onFirstShow()
{
    settingsDialog().readAtStart();
}

bool MainWindow::event(QEvent *e)
{
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate)
        onActivated();
    return handled;
}

void MainWindow::onActivated()
{
    // A message box shown from here activates the window again when it closes.
    if (m_inActivation)
        return;
    m_inActivation = true;
    m_dialogs.reportFailure([this] { m_reference->applyStyleDefinition(); });
    bool restore = true;
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        if (!m_commandLineFile.isEmpty())
            restore = m_dialogs.reportFailure([this] { m_document->openFromCommandLine(m_commandLineFile); });
    }
    if (restore)
        restorePanels();
    m_inActivation = false;
}

// ---- change handling ----

// Text that came in without the editor's change report: a file read, the assistant's rules.
void MainWindow::onTextReplaced()
{
    m_analysis->analyseSheet();
    m_document->noteChange();
    editor()->setFocus();
}

void MainWindow::showCaretPosition()
{
    m_statusBar->showCaretPosition(editor()->caretLine(), editor()->caretCharacterColumn());
}

// ---- view toggles ----

void MainWindow::applyPanelVisibility(bool parser, bool objects, bool preview)
{
    m_actions.showAnalysis->setChecked(parser);
    m_actions.showReference->setChecked(objects);
    m_actions.showPreview->setChecked(preview);
    m_analysisTabs->setVisible(parser);
    m_referencePanel->setVisible(objects);
    if (preview) {
        m_previewTabs->show();
        m_previewSplitter->show();
    } else {
        m_previewSplitter->hide();
        m_previewTabs->hide();
    }
}

void MainWindow::toggleView()
{
    // The entry has already flipped its tick.
    applyPanelVisibility(m_actions.showAnalysis->isChecked(), m_actions.showReference->isChecked(),
                         m_actions.showPreview->isChecked());
    const PanelVisibility visibility{m_actions.showAnalysis->isChecked(), m_actions.showReference->isChecked(),
                                     m_actions.showPreview->isChecked()};
    m_dialogs.reportFailure([&] { visibility.write(IniFile(m_paths.settingsFile())); });
}

void MainWindow::restorePanels()
{
    const PanelVisibility v = PanelVisibility::read(IniFile(m_paths.settingsFile()));
    applyPanelVisibility(v.parser, v.objects, v.preview);
}

// ---- the analysis's reading ----

void MainWindow::chooseCssSyntax(bool on, bool keep)
{
    m_analysis->setSyntax(on ? AnalysisSyntax::Css : AnalysisSyntax::Classic);
    m_actions.analyseByCssSyntax->setChecked(on);
    settingsDialog().showCssSyntax(on);
    if (keep)
        m_dialogs.reportFailure([&] { EditorSettings::writeCssSyntax(IniFile(m_paths.settingsFile()), on); });
}

// ---- the error's place ----

void MainWindow::goToError()
{
    moveCaretTo(m_analysis->errorPlace());
}

void MainWindow::moveCaretTo(const std::optional<std::pair<int, int>> &place)
{
    if (!place)
        return;
    // The column counts characters, as --analyse does, not tab stops.
    editor()->setCursorPosition(place->first, place->second);
    editor()->ensureLineVisible(place->first);
    editor()->setFocus();
}

// ---- printing ----

void MainWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_dialogs.setUpPrinter(printer))
        return;
    printSheet(printer, editor()->allLines(), m_statusBar->shownFileName());
}

// ---- help ----

AboutDialog &MainWindow::aboutBox()
{
    if (!m_about)
        m_about = new AboutDialog(m_dialogs, m_texts, this);
    return *m_about;
}

// ---- language ----

void MainWindow::chooseLanguage(int offset)
{
    m_texts.setOffset(offset);
    translateWindows({this}, offset); // the dialogs are children of the main window
    EditorSettings::writeLanguage(IniFile(m_paths.settingsFile()), offset);
}

// ---- dropped files ----

void MainWindow::dragEnterEvent(QDragEnterEvent *e)
{
    if (!droppedFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *e)
{
    const QStringList files = droppedFiles(e->mimeData());
    if (files.isEmpty())
        return;
    e->acceptProposedAction();
    m_dialogs.reportFailure([&] { m_document->dropFiles(files); });
}

// ---- closing ----

void MainWindow::closeEvent(QCloseEvent *e)
{
    bool mayClose = false;
    m_dialogs.reportFailure([&] { mayClose = m_document->closeQuery(); });
    e->setAccepted(mayClose);
}
