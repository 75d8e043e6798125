#include "ReadingPlaces.h"

#include <algorithm>

namespace Css {
namespace {

// Bytes between two remembered places: a reading from the last one before a place in
// view reads no more than this before it.
constexpr qsizetype kSpacing = 2048;

} // namespace

void ReadingPlaces::forgetAfter(qsizetype position)
{
    const auto first = std::upper_bound(m_places.begin(), m_places.end(), position,
                                        [](qsizetype p, const Place &place) { return p < place.offset; });
    m_places.erase(first, m_places.end());
}

Place ReadingPlaces::before(qsizetype position, const Bytes &bytes)
{
    if (m_places.empty())
        m_places.push_back(Place());
    auto known = std::upper_bound(m_places.begin(), m_places.end(), position,
                                  [](qsizetype p, const Place &place) { return p < place.offset; });
    const Place &start = *(known - 1);
    const bool atEnd = known == m_places.end();
    const qsizetype base = start.offset;
    // Only the text before `position` is read: a place depends on nothing after it.
    BlockReader reader(bytes(base, position), 0, start.blocks);
    qsizetype last = 0; // the last place passed, from `base`
    qsizetype remembered = 0;
    std::vector<Place> passed;
    while (reader.next().kind != TokenKind::End) {
        if (!reader.opened() && !reader.closed() && !reader.ended())
            continue;
        last = reader.position();
        if (atEnd && last - remembered >= kSpacing) {
            passed.push_back({base + last, reader.blocks()});
            remembered = last;
        }
    }
    // Between the last place and `position` no block opened or closed, as each "{" or
    // "}" makes a place: the reader's blocks are those of the last place.
    Place result{base + last, reader.blocks()};
    m_places.insert(m_places.end(), std::make_move_iterator(passed.begin()), std::make_move_iterator(passed.end()));
    return result;
}

} // namespace Css
