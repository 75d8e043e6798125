#pragma once

#include <QString>
#include <QStringView>

// What may be typed at a place of a style sheet, so that completion offers the right
// list: a selector (outside rules and inside @media-like blocks), a property name
// (at the start of a declaration), a value (after its colon), or nothing (comments,
// strings, at-rule preludes, keyframe selectors, nested selectors).
struct CompletionContext
{
    enum class Kind { None, Selector, Property, Value };

    Kind kind = Kind::None;
    qsizetype wordStart = 0; // where the word before the caret starts; the caret when there is none
    QString property; // for a value: the declaration's property, in lower case

    bool operator==(const CompletionContext &) const = default;

    // The context at `caret` (in characters of `sheet`); reads the sheet up to the caret.
    static CompletionContext at(QStringView sheet, qsizetype caret);
};
