#include "AnalysisController.h"

#include "ParserInfoTree.h"
#include "StructureView.h"
#include "analysis/RuleExtractor.h"
#include "editor/SheetEditor.h"
#include "preview/PreviewDisplay.h"
#include "preview/PreviewPage.h"

#include <QFileInfo>

AnalysisController::AnalysisController(SheetEditor &editor, StructureView &view, ParserInfoTree &info,
                                       PreviewDisplay &preview, QObject *parent)
    : QObject(parent), m_editor(editor), m_view(view), m_info(info), m_preview(preview)
{
    connect(&m_view, &StructureView::parseRequested, this, &AnalysisController::parseSheet);
    connect(&m_editor, &SheetEditor::changed, this, &AnalysisController::analyseSheet);
}

void AnalysisController::setDocumentFileName(const QString &fileName)
{
    m_documentFolder = fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath();
}

AnalysisController::Walk AnalysisController::walk(bool sortRules)
{
    Walk w;
    const bool hasLines = m_editor.lineCount() > 0;
    w.flat = joinAndStripComments(m_editor.wholeText(), hasLines);
    m_analysis.commentCount = w.flat.commentCount;
    w.occurrences = m_parser.parseSheet(w.flat.text, m_analysis);
    const bool hadError = m_errorPlace.has_value();
    m_errorPlace.reset();
    if (m_analysis.parseError) {
        const auto [line, column] = w.flat.sheetPosition(m_analysis.errorOffset);
        m_errorPlace = std::pair(int(line), int(column));
    }
    m_view.setErrorPlace(m_errorPlace);
    if (hadError != m_errorPlace.has_value())
        emit errorPlaceChanged(m_errorPlace.has_value());
    m_view.setRepeated(m_analysis.repeatedSelectors);

    // The flat tree is filled only while the grouped view is off.
    std::vector<StructureView::FlatNode> rules;
    if (!m_view.groupedView()) {
        rules.reserve(size_t(w.occurrences.size()));
        QStringList firstRules;
        for (const Occurrence &o : std::as_const(w.occurrences)) {
            rules.push_back({o.selector.toString(), o.kind, {}});
            if (m_view.withDeclarations() && !o.repeat)
                firstRules << rules.back().text;
        }
        if (!firstRules.isEmpty()) {
            const QStringList ruleTexts = RuleExtractor(w.flat.text).extract(firstRules);
            qsizetype next = 0;
            for (size_t i = 0; i < rules.size(); ++i) {
                if (!w.occurrences[qsizetype(i)].repeat)
                    rules[i].declarations = declarationsOf(ruleTexts[next++], rules[i].text);
            }
        }
    }
    m_view.showRules(std::move(rules), sortRules && !m_analysis.parseError);
    return w;
}

void AnalysisController::parseSheet()
{
    walk(false);
}

void AnalysisController::analyseSheet()
{
    const Walk w = walk(m_view.autoSort());
    if (m_analysis.parseError) {
        m_analysis.status = ParserStatus::Error;
        m_view.setStatus(m_analysis.status, QStringLiteral("Fehler gefunden!"));
        return;
    }
    m_view.syncGroupedTree(m_analysis);
    refreshPreview(w.flat.text);
    m_info.fillParserInfo(m_analysis);
    m_analysis.status = ParserStatus::NoError;
    m_view.setStatus(m_analysis.status, QStringLiteral("Keine Fehler gefunden!"));
}

void AnalysisController::refreshPreview(const QString &flatText)
{
    m_preview.showSheet(PreviewPage::buildParts(flatText), m_documentFolder);
}
