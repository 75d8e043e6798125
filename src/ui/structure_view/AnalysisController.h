#pragma once

#include <optional>
#include <utility>

#include "analysis/SheetAnalysis.h"
#include "analysis/StyleSheetParser.h"

#include <QObject>

#include <functional>

class ParserInfoTree;
class PreviewDisplay;
class SheetEditor;
class StructureView;

// Runs the analysis of the sheet in the editor and brings the structure views, the
// parser status, the counts and the preview up to date.
class AnalysisController : public QObject
{
    Q_OBJECT

public:
    AnalysisController(SheetEditor &editor, StructureView &view, ParserInfoTree &info, PreviewDisplay &preview,
                       QObject *parent = nullptr);

    // The sheet's file, whose folder the preview resolves relative addresses against;
    // empty while it is untitled.
    void setDocumentFileName(const QString &fileName);

    // Runs after every change of the text; the editor's own changes start it itself.
    void analyseSheet();
    // The parse walk alone: the lists and the flat tree, nothing else.
    void parseSheet();

    const SheetAnalysis &analysis() const { return m_analysis; }
    // Where in the sheet the last analysis stopped (line and column from 0); nothing
    // when it found no error.
    std::optional<std::pair<int, int>> errorPlace() const { return m_errorPlace; }
    // Where the selector of a rule of the last analysis starts (line and column from
    // 0): the rule at `occurrence` in document order, or the first rule of `selector`.
    std::optional<std::pair<int, int>> rulePlace(int occurrence) const;
    std::optional<std::pair<int, int>> rulePlace(const QString &selector) const;

signals:
    // The last analysis found an error, or no longer does.
    void errorPlaceChanged(bool present);

private:
    struct Walk
    {
        FlatText flat;
        QList<Occurrence> occurrences;
    };
    const Walk &walk(bool sortRules);
    void refreshPreview(const QString &flatText);

    SheetEditor &m_editor;
    StructureView &m_view;
    ParserInfoTree &m_info;
    PreviewDisplay &m_preview;
    QString m_documentFolder;
    StyleSheetParser m_parser;
    SheetAnalysis m_analysis;
    std::optional<std::pair<int, int>> m_errorPlace;
    Walk m_last; // the last walk, whose occurrences view into its flat text
};
