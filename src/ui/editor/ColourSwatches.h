#pragma once

#include "InViewIndicator.h"

// A bar of each colour value's colour under the value, for the lines in view.
class ColourSwatches : public InViewIndicator
{
    Q_OBJECT

public:
    explicit ColourSwatches(SheetEditor &editor);

protected:
    QList<Mark> marks(QByteArrayView block, qsizetype from, qsizetype to, const Css::Blocks &blocks) const override;
};
