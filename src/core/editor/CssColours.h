#pragma once

#include <QByteArrayView>
#include <QList>

#include <optional>

// Colour values as a style sheet writes them, and the colour each stands for, so the
// editor can show them. Works on the control's UTF-8 text: every colour value is ASCII.
namespace CssColours {

// 0xAARRGGBB
using Rgba = quint32;

struct Swatch
{
    qsizetype start = 0; // byte offset in the text
    qsizetype length = 0;
    Rgba colour = 0;
    bool operator==(const Swatch &) const = default;
};

// The colour of one whole value: "#rgb", "#rgba", "#rrggbb", "#rrggbbaa", rgb(), rgba(),
// hsl() or hsla() with commas or with blanks and "/", or a named colour (any letter
// case); nullopt for anything else, also for a function that holds var() or calc().
std::optional<Rgba> colourOf(QByteArrayView value);

// The colour values in declarations that start in [from, to) of `text`. The text starts
// at a place between tokens outside comments (such as one between the items of a
// sheet). What follows a value tells it from a selector ("#add" before a "{" is an id):
// the text after `to` is read for that, and a value whose end the text does not reach
// counts as a value.
QList<Swatch> find(QByteArrayView text, qsizetype from, qsizetype to);

} // namespace CssColours
