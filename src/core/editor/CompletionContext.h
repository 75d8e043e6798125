#pragma once

#include "css/CssBlocks.h"

#include <QString>
#include <QStringView>

// What may be typed at a place of a style sheet, so that completion offers the right
// list: a selector (outside rules and inside @media-like blocks), a property name (at
// the start of a declaration), a value (after its colon), or nothing (comments,
// strings, addresses, at-rule preludes, keyframe selectors, nested selectors). In the
// block of @font-face and its kind the names are that at-rule's descriptors.
struct CompletionContext
{
    enum class Kind { None, Selector, Property, Value };

    Kind kind = Kind::None;
    qsizetype wordStart = 0; // where the word before the caret starts; the caret when there is none
    QString property; // for a value: the declaration's property (or descriptor), in lower case
    QString atRule; // in a descriptor block: its at-rule, lower case, without "@"
    qsizetype nameStart = -1; // for a property or a value: where the declaration's name starts

    bool operator==(const CompletionContext &) const = default;

    // The context at `caret` (in characters of `sheet`); reads the sheet up to the caret.
    // The sheet starts at a place between the items of a sheet, inside `blocks`.
    static CompletionContext at(QStringView sheet, qsizetype caret, const Css::Blocks &blocks = {});
};
