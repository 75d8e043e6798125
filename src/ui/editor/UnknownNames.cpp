#include "UnknownNames.h"

#include "SheetEditor.h"

namespace {

int defineSquiggle(QsciScintilla &editor)
{
    const int indicator = editor.indicatorDefine(QsciScintilla::SquiggleIndicator);
    editor.setIndicatorForegroundColor(QColor(220, 0, 0), indicator);
    return indicator;
}

} // namespace

UnknownNames::UnknownNames(SheetEditor &editor) : InViewIndicator(editor, defineSquiggle(editor)) { }

void UnknownNames::setKnown(const QStringList &names, const QHash<QString, QStringList> &descriptors)
{
    m_known = DeclarationNames::KnownNames(names, descriptors);
    invalidate();
}

QList<InViewIndicator::Mark> UnknownNames::marks(QByteArrayView block, qsizetype from, qsizetype to,
                                                 const Css::Blocks &blocks) const
{
    QList<Mark> out;
    for (const DeclarationNames::Name &n : DeclarationNames::unknown(block, from, to, blocks, m_known))
        out.append({n.start, n.length});
    return out;
}

QList<QPair<long, long>> UnknownNames::unknownIn(QByteArrayView text) const
{
    QList<QPair<long, long>> out;
    for (const DeclarationNames::Name &n : DeclarationNames::unknown(text, 0, text.size(), {}, m_known))
        out.append({long(n.start), long(n.length)});
    return out;
}
