#pragma once

#include <optional>
#include <utility>

#include "analysis/CssSyntaxReader.h"
#include "analysis/SheetAnalysis.h"
#include "analysis/StyleSheetParser.h"

#include <QObject>

class ParserInfoTree;
class PreviewDisplay;
class SheetEditor;
class StructureView;

// Runs the analysis of the sheet in the editor, by the classic walk or by CSS syntax,
// and brings the structure views, the parser status, the counts and the preview up to
// date.
class AnalysisController : public QObject
{
    Q_OBJECT

public:
    AnalysisController(SheetEditor &editor, StructureView &view, ParserInfoTree &info, PreviewDisplay &preview,
                       QObject *parent = nullptr);

    // The sheet's file, whose folder the preview resolves relative addresses against;
    // empty while it is untitled. Another sheet may get the hint again.
    void setDocumentFileName(const QString &fileName);

    // How the sheet is read; a change analyses it again at once.
    void setSyntax(AnalysisSyntax syntax);
    AnalysisSyntax syntax() const { return m_syntax; }
    // The user put the hint aside: not again for this sheet.
    void dismissHint();

    // Runs after every change of the text; the editor's own changes start it itself.
    void analyseSheet();
    // Another sheet came into the editor (New, Open, a drop, a reload): nothing of the
    // last one stays in the trees, the counts and the preview, also while the new one's
    // analysis finds an error.
    void startSheet();
    // The parse walk alone: the lists and the flat tree, nothing else.
    void parseSheet();

    const SheetAnalysis &analysis() const { return m_analysis; }
    // Where in the sheet the last analysis stopped (line and column from 0); nothing
    // when it found no error.
    std::optional<std::pair<int, int>> errorPlace() const { return m_errorPlace; }
    // Where the selector of a rule of the last analysis starts (line and column from
    // 0): the rule at `occurrence` in document order, or the first rule of `selector`
    // (by CSS syntax also the first at-rule of that text).
    std::optional<std::pair<int, int>> rulePlace(int occurrence) const;
    std::optional<std::pair<int, int>> rulePlace(const QString &selector) const;

signals:
    // The last analysis found an error, or no longer does.
    void errorPlaceChanged(bool present);
    // The classic walk met an at-rule block or a stray "}": reading by CSS syntax would
    // serve the sheet better. Once per sheet.
    void cssSyntaxAdvised(bool advised);

private:
    // What the last walk found: by the classic walk occurrences viewing into its flat
    // text, by CSS syntax the rules of the sheet's text.
    struct Walk
    {
        FlatText flat;
        QList<Occurrence> occurrences;
        QString text;
        const SyntaxReading *reading = nullptr;
    };
    void walk(bool sortRules);
    std::optional<std::pair<int, int>> sheetPlace(qsizetype offset) const;
    void refreshPreview();
    void adviseCssSyntax(bool advised);

    SheetEditor &m_editor;
    StructureView &m_view;
    ParserInfoTree &m_info;
    PreviewDisplay &m_preview;
    QString m_documentFolder;
    AnalysisSyntax m_syntax = AnalysisSyntax::Classic;
    StyleSheetParser m_parser;
    CssSyntaxParser m_cssParser;
    SheetAnalysis m_analysis;
    std::optional<std::pair<int, int>> m_errorPlace;
    Walk m_last; // the last walk
    enum class Hint { NotShown, Shown, Done } m_hint = Hint::NotShown;
};
