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

const AnalysisController::Walk &AnalysisController::walk(bool sortRules)
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
            rules.push_back({o.selector.toString(), o.kind, {}, int(rules.size())});
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
    m_last = std::move(w); // moving keeps the text's buffer, so the views stay valid
    return m_last;
}

std::optional<std::pair<int, int>> AnalysisController::rulePlace(int occurrence) const
{
    if (occurrence < 0 || occurrence >= m_last.occurrences.size())
        return std::nullopt;
    const QStringView selector = m_last.occurrences[occurrence].selector;
    const auto [line, column] = m_last.flat.sheetPosition(selector.data() - m_last.flat.text.constData());
    return std::pair(int(line), int(column));
}

std::optional<std::pair<int, int>> AnalysisController::rulePlace(const QString &selector) const
{
    for (qsizetype i = 0; i < m_last.occurrences.size(); ++i) {
        if (m_last.occurrences[i].selector.compare(selector, Qt::CaseInsensitive) == 0)
            return rulePlace(int(i));
    }
    return std::nullopt;
}

void AnalysisController::parseSheet()
{
    walk(false);
}

void AnalysisController::analyseSheet()
{
    const Walk &w = walk(m_view.autoSort());
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
