#include "CssColours.h"

#include "css/CssTokenizer.h"

#include <QFile>
#include <QHash>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace CssColours {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool equalsLower(QByteArrayView text, const char *word)
{
    qsizetype i = 0;
    for (; word[i]; ++i)
        if (i >= text.size() || lower(text[i]) != word[i])
            return false;
    return i == text.size();
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    c = lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

Rgba rgba(int red, int green, int blue, int alpha)
{
    return Rgba(alpha) << 24 | Rgba(red) << 16 | Rgba(green) << 8 | Rgba(blue);
}

// The named colours, read once from the extract built into the program.
const QHash<QByteArray, Rgba> &namedColours()
{
    static const QHash<QByteArray, Rgba> table = [] {
        QHash<QByteArray, Rgba> t;
        QFile file(QStringLiteral(":/standards/named-colours.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return t;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QByteArray l = line.trimmed();
            const qsizetype blank = l.indexOf(' ');
            bool ok = false;
            const uint rgb = l.mid(blank + 1).toUInt(&ok, 16);
            if (!l.startsWith('#') && blank > 0 && ok)
                t.insert(l.left(blank), 0xff000000u | rgb);
        }
        return t;
    }();
    return table;
}

std::optional<Rgba> namedColour(QByteArrayView name)
{
    constexpr qsizetype kLongest = 24;
    if (name.size() < 3 || name.size() > kLongest)
        return std::nullopt;
    char buffer[kLongest];
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isLetter(name[i]))
            return std::nullopt;
        buffer[i] = lower(name[i]);
    }
    const auto &table = namedColours();
    const auto it = table.constFind(QByteArray::fromRawData(buffer, name.size()));
    return it == table.cend() ? std::nullopt : std::optional<Rgba>(*it);
}

std::optional<Rgba> hexColour(QByteArrayView digits)
{
    int v[8];
    if (digits.size() > 8)
        return std::nullopt;
    for (qsizetype i = 0; i < digits.size(); ++i)
        if ((v[i] = hexValue(digits[i])) < 0)
            return std::nullopt;
    switch (digits.size()) {
    case 3:
    case 4:
        return rgba(v[0] * 17, v[1] * 17, v[2] * 17, digits.size() == 4 ? v[3] * 17 : 255);
    case 6:
    case 8:
        return rgba(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5], digits.size() == 8 ? v[6] * 16 + v[7] : 255);
    default:
        return std::nullopt;
    }
}

// One argument of a colour function: a number with its unit ("", "%", "deg"…); "none"
// is zero.
struct Component
{
    double value = 0;
    QByteArrayView unit;
    bool none = false;
};

std::optional<Component> component(QByteArrayView token)
{
    if (equalsLower(token, "none"))
        return Component{0, {}, true};
    qsizetype i = 0;
    const bool negative = i < token.size() && token[i] == '-';
    if (i < token.size() && (token[i] == '-' || token[i] == '+'))
        ++i;
    const qsizetype numberStart = i;
    while (i < token.size() && isDigit(token[i]))
        ++i;
    if (i < token.size() && token[i] == '.')
        for (++i; i < token.size() && isDigit(token[i]);)
            ++i;
    if (i + 1 < token.size() && lower(token[i]) == 'e'
        && (isDigit(token[i + 1])
            || (i + 2 < token.size() && (token[i + 1] == '-' || token[i + 1] == '+') && isDigit(token[i + 2])))) {
        for (i += 2; i < token.size() && isDigit(token[i]);)
            ++i;
    }
    double value = 0;
    const char *first = token.data() + numberStart;
    const auto [end, error] = std::from_chars(first, token.data() + i, value);
    if (error != std::errc() || end != token.data() + i || i == numberStart || !std::isfinite(value))
        return std::nullopt;
    return Component{negative ? -value : value, token.sliced(i), false};
}

int channel(double value)
{
    return int(std::lround(std::clamp(value, 0.0, 255.0)));
}

std::optional<int> rgbChannel(const Component &c)
{
    if (c.unit.isEmpty())
        return channel(c.value);
    if (c.unit == "%")
        return channel(c.value / 100 * 255);
    return std::nullopt;
}

std::optional<int> alphaChannel(const Component &c)
{
    if (c.unit.isEmpty())
        return channel(c.value * 255);
    if (c.unit == "%")
        return channel(c.value / 100 * 255);
    return std::nullopt;
}

std::optional<double> degrees(const Component &c)
{
    if (c.unit.isEmpty() || equalsLower(c.unit, "deg"))
        return c.value;
    if (equalsLower(c.unit, "rad"))
        return c.value * 180 / std::numbers::pi;
    if (equalsLower(c.unit, "grad"))
        return c.value * 0.9;
    if (equalsLower(c.unit, "turn"))
        return c.value * 360;
    return std::nullopt;
}

std::optional<double> percentage(const Component &c)
{
    if (c.unit.isEmpty() || c.unit == "%")
        return std::clamp(c.value, 0.0, 100.0) / 100;
    return std::nullopt;
}

// The arguments between the parentheses: three or four components, separated by
// commas throughout, or by blanks with "/" before the alpha.
std::optional<QVarLengthArray<Component, 4>> components(QByteArrayView args)
{
    QVarLengthArray<QByteArrayView, 8> tokens;
    for (qsizetype i = 0; i < args.size();) {
        if (isBlank(args[i])) {
            ++i;
        } else if (args[i] == ',' || args[i] == '/') {
            tokens.append(args.sliced(i, 1));
            ++i;
        } else {
            const qsizetype start = i;
            while (i < args.size() && !isBlank(args[i]) && args[i] != ',' && args[i] != '/')
                ++i;
            tokens.append(args.sliced(start, i - start));
        }
    }
    const bool commas = std::any_of(tokens.cbegin(), tokens.cend(), [](QByteArrayView t) { return t == ","; });
    QVarLengthArray<Component, 4> result;
    for (qsizetype t = 0; t < tokens.size(); ++t) {
        const bool separatorHere = commas ? t % 2 == 1 : (result.size() == 3 && t == 3);
        if (separatorHere) {
            if (tokens[t] != (commas ? "," : "/"))
                return std::nullopt;
            continue;
        }
        const auto c = component(tokens[t]);
        if (!c || result.size() == 4 || (commas && c->none))
            return std::nullopt;
        result.append(*c);
    }
    const bool trailingSeparator = !tokens.isEmpty() && (tokens.back() == "," || tokens.back() == "/");
    if (result.size() < 3 || trailingSeparator)
        return std::nullopt;
    return result;
}

Rgba fromHsl(double hue, double saturation, double lightness, int alpha)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360;
    const double a = saturation * std::min(lightness, 1 - lightness);
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        return channel((lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}))) * 255);
    };
    return rgba(f(0), f(8), f(4), alpha);
}

bool isColourFunction(QByteArrayView name)
{
    return equalsLower(name, "rgb") || equalsLower(name, "rgba") || equalsLower(name, "hsl")
        || equalsLower(name, "hsla");
}

std::optional<Rgba> functionColour(QByteArrayView name, QByteArrayView args)
{
    const bool rgb = equalsLower(name, "rgb") || equalsLower(name, "rgba");
    const auto c = isColourFunction(name) ? components(args) : std::nullopt;
    if (!c)
        return std::nullopt;
    const std::optional<int> alpha = c->size() == 4 ? alphaChannel((*c)[3]) : 255;
    if (!alpha)
        return std::nullopt;
    if (rgb) {
        const auto r = rgbChannel((*c)[0]), g = rgbChannel((*c)[1]), b = rgbChannel((*c)[2]);
        if (!r || !g || !b)
            return std::nullopt;
        return rgba(*r, *g, *b, *alpha);
    }
    const auto h = degrees((*c)[0]);
    const auto s = percentage((*c)[1]), l = percentage((*c)[2]);
    if (!h || !s || !l)
        return std::nullopt;
    return fromHsl(*h, *s, *l, *alpha);
}

using Css::Token;
using Css::TokenKind;
using Tokenizer = Css::Tokenizer<QByteArrayView>;

// The ")" of a colour function's arguments when they are plain (numbers, names,
// commas, "/"); nullopt when something else comes first (var(), calc(), a comment).
std::optional<Token> plainArgumentsEnd(Tokenizer tokens)
{
    for (Token t = tokens.next();; t = tokens.next()) {
        switch (t.kind) {
        case TokenKind::RightParen:
            return t;
        case TokenKind::Number:
        case TokenKind::Percentage:
        case TokenKind::Dimension:
        case TokenKind::Ident:
        case TokenKind::Whitespace:
        case TokenKind::Comma:
            break;
        case TokenKind::Delim: {
            const char c = tokens.text()[t.start];
            if (c != '/' && c != '.' && c != '+')
                return std::nullopt;
            break;
        }
        default:
            return std::nullopt;
        }
    }
}

} // namespace

std::optional<Rgba> colourOf(QByteArrayView value)
{
    value = value.trimmed();
    if (value.startsWith('#'))
        return hexColour(value.sliced(1));
    const qsizetype open = value.indexOf('(');
    if (open > 0 && value.endsWith(')'))
        return functionColour(value.first(open), value.sliced(open + 1, value.size() - open - 2));
    return namedColour(value);
}

QList<Swatch> find(QByteArrayView text, qsizetype from, qsizetype to)
{
    QList<Swatch> swatches;
    to = std::min(to, text.size());
    // A value is followed by ";" or "}", a selector by "{". The next of them is found
    // once for all the candidates before it, so the search stays linear.
    qsizetype terminator = -1;
    TokenKind terminatorKind = TokenKind::End;
    const auto inValue = [&](qsizetype end) {
        if (terminator < end) {
            Tokenizer ahead(text, end);
            Token t = ahead.next();
            while (t.kind != TokenKind::End && t.kind != TokenKind::LeftBrace && t.kind != TokenKind::Semicolon
                   && t.kind != TokenKind::RightBrace)
                t = ahead.next();
            terminator = t.start;
            terminatorKind = t.kind;
        }
        return terminatorKind != TokenKind::LeftBrace;
    };
    const auto take = [&](qsizetype start, qsizetype end, std::optional<Rgba> colour) {
        if (start >= from && colour && inValue(end))
            swatches.append({start, end - start, *colour});
    };

    Tokenizer tokens(text);
    Token previous;
    for (Token t = tokens.next(); t.kind != TokenKind::End && t.start < to; previous = t, t = tokens.next()) {
        if (t.kind == TokenKind::Hash) {
            take(t.start, t.end, hexColour(text.sliced(t.start + 1, t.end - t.start - 1)));
        } else if (t.kind == TokenKind::Ident) {
            // A class name (".red") is no colour.
            const bool className
                = previous.kind == TokenKind::Delim && previous.end == t.start && text[previous.start] == '.';
            if (!className)
                take(t.start, t.end, namedColour(text.sliced(t.start, t.end - t.start)));
        } else if (t.kind == TokenKind::Function) {
            const QByteArrayView name = text.sliced(t.start, t.end - t.start - 1);
            if (!isColourFunction(name))
                continue;
            if (const std::optional<Token> close = plainArgumentsEnd(tokens)) {
                take(t.start, close->end, functionColour(name, text.sliced(t.end, close->start - t.end)));
                tokens = Tokenizer(text, close->end);
                t = *close;
            }
        }
    }
    return swatches;
}

} // namespace CssColours
