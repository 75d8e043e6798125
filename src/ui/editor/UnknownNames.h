#pragma once

#include "InViewIndicator.h"
#include "editor/DeclarationNames.h"

#include <QStringList>

// A wavy underline under property names that no style definition and no standard
// knows (typos such as "colr"), for the lines in view. Custom properties and vendor
// names are never marked.
class UnknownNames : public InViewIndicator
{
    Q_OBJECT

public:
    explicit UnknownNames(SheetEditor &editor);

    // Property names, and the descriptors of the at-rules that have them.
    void setKnown(const QStringList &names, const QHash<QString, QStringList> &descriptors);
    // Every unknown name of a whole text: start and length.
    QList<QPair<long, long>> unknownIn(QByteArrayView text) const;

protected:
    QList<Mark> marks(QByteArrayView block, qsizetype from, qsizetype to, const Css::Blocks &blocks) const override;

private:
    DeclarationNames::KnownNames m_known;
};
