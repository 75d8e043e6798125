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
    if (m_hint == Hint::Shown)
        adviseCssSyntax(false);
    m_hint = Hint::NotShown;
}

void AnalysisController::setSyntax(AnalysisSyntax syntax)
{
    if (syntax == m_syntax)
        return;
    m_syntax = syntax;
    m_view.setAtRulesShown(syntax == AnalysisSyntax::Css);
    if (syntax == AnalysisSyntax::Css && m_hint == Hint::Shown) {
        adviseCssSyntax(false);
        m_hint = Hint::Done;
    }
    analyseSheet();
}

void AnalysisController::dismissHint()
{
    if (m_hint == Hint::Shown)
        adviseCssSyntax(false);
    m_hint = Hint::Done;
}

void AnalysisController::adviseCssSyntax(bool advised)
{
    emit cssSyntaxAdvised(advised);
}

void AnalysisController::walk(bool sortRules)
{
    Walk w;
    std::vector<StructureView::FlatNode> rules;
    const bool flat = !m_view.groupedView(); // the flat tree is filled only while the grouped view is off
    if (m_syntax == AnalysisSyntax::Css) {
        w.text = m_editor.wholeText();
        w.reading = &m_cssParser.parseSheet(w.text, m_analysis);
        if (flat) {
            rules.reserve(size_t(w.reading->rules.size()));
            for (const SyntaxRule &rule : w.reading->rules) {
                rules.push_back({rule.selector, rule.kind, {}, int(rules.size())});
                if (m_view.withDeclarations())
                    rules.back().declarations = syntaxDeclarations(w.text, rule);
            }
        }
    } else {
        const bool hasLines = m_editor.lineCount() > 0;
        w.flat = joinAndStripComments(m_editor.wholeText(), hasLines);
        m_analysis.commentCount = w.flat.commentCount;
        m_analysis.atRules.clear();
        w.occurrences = m_parser.parseSheet(w.flat.text, m_analysis);
        if (flat) {
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
        // A selector that starts with "@" or "}" is an at-rule or a stray brace taken
        // for one: the reading by CSS syntax knows them.
        // Shown once per sheet: it goes when the sheet no longer needs it.
        if (m_hint != Hint::Done) {
            const bool advised = std::any_of(w.occurrences.cbegin(), w.occurrences.cend(), [](const Occurrence &o) {
                return o.selector.startsWith(u'@') || o.selector.startsWith(u'}');
            });
            if (advised && m_hint == Hint::NotShown) {
                m_hint = Hint::Shown;
                adviseCssSyntax(true);
            } else if (!advised && m_hint == Hint::Shown) {
                dismissHint();
            }
        }
    }
    m_last = std::move(w); // moving keeps the text's buffer, so the views stay valid

    const bool hadError = m_errorPlace.has_value();
    m_errorPlace.reset();
    if (m_analysis.parseError) {
        if (m_syntax == AnalysisSyntax::Css) {
            m_errorPlace = sheetPlace(m_analysis.errorOffset);
        } else {
            const auto [line, column] = m_last.flat.sheetPosition(m_analysis.errorOffset);
            m_errorPlace = std::pair(int(line), int(column));
        }
    }
    m_view.setErrorPlace(m_errorPlace);
    if (hadError != m_errorPlace.has_value())
        emit errorPlaceChanged(m_errorPlace.has_value());
    m_view.setRepeated(m_analysis.repeatedSelectors);
    m_view.showRules(std::move(rules), sortRules && !m_analysis.parseError);
}

std::optional<std::pair<int, int>> AnalysisController::sheetPlace(qsizetype offset) const
{
    const auto [line, column] = textPosition(m_last.text, offset);
    return std::pair(int(line), int(column));
}

std::optional<std::pair<int, int>> AnalysisController::rulePlace(int occurrence) const
{
    if (m_last.reading) {
        if (occurrence < 0 || occurrence >= m_last.reading->rules.size())
            return std::nullopt;
        return sheetPlace(m_last.reading->rules[occurrence].start);
    }
    if (occurrence < 0 || occurrence >= m_last.occurrences.size())
        return std::nullopt;
    const QStringView selector = m_last.occurrences[occurrence].selector;
    const auto [line, column] = m_last.flat.sheetPosition(selector.data() - m_last.flat.text.constData());
    return std::pair(int(line), int(column));
}

std::optional<std::pair<int, int>> AnalysisController::rulePlace(const QString &selector) const
{
    if (m_last.reading) {
        for (qsizetype i = 0; i < m_last.reading->rules.size(); ++i) {
            if (m_last.reading->rules[i].selector.compare(selector, Qt::CaseInsensitive) == 0)
                return rulePlace(int(i));
        }
        for (const SyntaxAtRule &atRule : m_last.reading->atRules) {
            if (atRule.text.compare(selector, Qt::CaseInsensitive) == 0)
                return sheetPlace(atRule.start);
        }
        return std::nullopt;
    }
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
    walk(m_view.autoSort());
    if (m_analysis.parseError) {
        m_analysis.status = ParserStatus::Error;
        m_view.setStatus(m_analysis.status, QStringLiteral("Fehler gefunden!"));
        return;
    }
    m_view.syncGroupedTree(m_analysis);
    refreshPreview();
    m_info.fillParserInfo(m_analysis);
    m_analysis.status = ParserStatus::NoError;
    m_view.setStatus(m_analysis.status, QStringLiteral("Keine Fehler gefunden!"));
}

void AnalysisController::startSheet()
{
    const SheetAnalysis empty;
    m_view.syncGroupedTree(empty);
    m_info.fillParserInfo(empty);
    m_preview.showSheet(PreviewPage::buildParts(QString()), m_documentFolder);
}

void AnalysisController::refreshPreview()
{
    if (m_last.reading)
        m_preview.showSheet(PreviewPage::buildParts(m_last.text, m_last.reading->rules), m_documentFolder);
    else
        m_preview.showSheet(PreviewPage::buildParts(m_last.flat.text), m_documentFolder);
}
