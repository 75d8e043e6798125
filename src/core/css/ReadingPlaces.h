#pragma once

#include "CssBlocks.h"

#include <QByteArrayView>

#include <functional>
#include <vector>

namespace Css {

// A place between the items of a sheet (its start, or right after a "{", ";" or "}"
// outside comments, strings and brackets) with the blocks open there: a reading that
// starts there reads the rest as a reading from the start would.
struct Place
{
    qsizetype offset = 0;
    Blocks blocks;
};

// Places of the editor's text remembered between readings, so that a reading of the
// lines in view, or of the caret's declaration, starts near them instead of at the
// sheet's start: after a key only the text from the place before it is read again.
class ReadingPlaces
{
public:
    // The text gives its bytes between two offsets.
    using Bytes = std::function<QByteArrayView(qsizetype from, qsizetype to)>;

    // The text changed at `position`: places after it are no longer valid.
    void forgetAfter(qsizetype position);
    void clear() { m_places.clear(); }

    // The last place at or before `position`, read on from the last remembered place
    // before it; places on the way are remembered every so many bytes.
    Place before(qsizetype position, const Bytes &bytes);

private:
    std::vector<Place> m_places; // in order of their offsets
};

} // namespace Css
