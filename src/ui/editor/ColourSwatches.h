#pragma once

#include "InViewIndicator.h"

// A bar of each colour value's colour under the value, for the lines in view.
class ColourSwatches : public InViewIndicator
{
    Q_OBJECT

public:
    explicit ColourSwatches(QsciScintilla &editor);

protected:
    QList<Mark> marks(QByteArrayView block, qsizetype from, qsizetype to, bool inComment,
                      qsizetype *restart) const override;
};
