#pragma once

// Does a value row suit a property? Reads the grammar extract that the reference
// data generator writes (each property's value syntax in the CSS value definition
// syntax, and the types it reaches) and matches a value against it by backtracking.
// Rows are a few tokens long, so a plain search is quick enough.

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class ValueGrammar
{
public:
    // Reads the extract; an unreadable file gives a grammar that knows no property.
    explicit ValueGrammar(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject properties = root.value(QLatin1String("properties")).toObject();
        for (auto it = properties.begin(); it != properties.end(); ++it)
            m_properties.insert(it.key(), it.value().toObject().value(QLatin1String("syntax")).toString());
        const QJsonObject types = root.value(QLatin1String("types")).toObject();
        for (auto it = types.begin(); it != types.end(); ++it)
            m_types.insert(it.key(), it.value().toString());
    }

    bool knows(const QString &property) const { return m_properties.contains(property); }
    QString syntaxOf(const QString &property) const { return m_properties.value(property); }

    // True when `value` is a whole valid value of `property`.
    bool accepts(const QString &property, const QString &value) const
    {
        if (!m_properties.contains(property))
            return false;
        Tokens tokens;
        if (!tokenize(value, tokens))
            return false;
        if (tokens.size() == 1 && tokens[0].kind == Token::Ident
            && QStringList({"inherit", "initial", "unset", "revert", "revert-layer"})
                   .contains(tokens[0].text, Qt::CaseInsensitive))
            return true;
        const Node *root = propertyNode(property);
        return root && matchOne(*root, tokens, 0, [&](qsizetype end) { return end == tokens.size(); });
    }

private:
    struct Token
    {
        enum Kind { Ident, Number, Percentage, Dimension, Hash, String, Url, Function, Comma, Slash, Delim } kind;
        QString text; // an ident's, function's or delimiter's text; a dimension's unit
        double number = 0;
        bool integer = false;
        QList<Token> args; // a function's arguments

        Token(Kind k, QString t) : kind(k), text(std::move(t)) { }
    };
    using Tokens = QList<Token>;

    struct Node
    {
        enum Kind { Keyword, Type, Property, Function, Literal, Juxtaposed, AllOf, AnyOf, OneOf } kind;
        QString name;
        QList<std::shared_ptr<Node>> children;
        int min = 1;
        int max = 1; // -1: no limit
        bool commas = false; // the repetitions are separated by commas
        bool nonNegative = false; // a numeric type with the range [0,∞]
    };

    static std::shared_ptr<Node> makeNode(Node::Kind kind, const QString &name = {},
                                          QList<std::shared_ptr<Node>> children = {})
    {
        auto node = std::make_shared<Node>();
        node->kind = kind;
        node->name = name;
        node->children = std::move(children);
        return node;
    }
    using Continuation = std::function<bool(qsizetype)>;

    // --- the value's tokens ---------------------------------------------------

    static bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u'_' || c.unicode() > 127; }

    static bool tokenize(const QString &text, Tokens &out)
    {
        qsizetype i = 0;
        return tokenizeUntil(text, i, out, false) && i == text.size();
    }

    static bool tokenizeUntil(const QString &s, qsizetype &i, Tokens &out, bool inFunction)
    {
        while (i < s.size()) {
            const QChar c = s[i];
            if (c.isSpace()) {
                ++i;
            } else if (c == u')') {
                return inFunction;
            } else if (c == u',') {
                out.append(Token{Token::Comma, QStringLiteral(",")});
                ++i;
            } else if (c == u'/') {
                out.append(Token{Token::Slash, QStringLiteral("/")});
                ++i;
            } else if (c == u'"' || c == u'\'') {
                const qsizetype end = s.indexOf(c, i + 1);
                if (end < 0)
                    return false;
                out.append(Token{Token::String, s.mid(i + 1, end - i - 1)});
                i = end + 1;
            } else if (c == u'#') {
                qsizetype j = i + 1;
                while (j < s.size() && isNameChar(s[j]))
                    ++j;
                out.append(Token{Token::Hash, s.mid(i + 1, j - i - 1)});
                i = j;
            } else if (c.isDigit()
                       || ((c == u'.' || c == u'+' || c == u'-') && i + 1 < s.size()
                           && (s[i + 1].isDigit() || (s[i + 1] == u'.' && i + 2 < s.size() && s[i + 2].isDigit())))) {
                qsizetype j = i + 1;
                while (j < s.size() && (s[j].isDigit() || s[j] == u'.'))
                    ++j;
                Token t{Token::Number, QString()};
                const QString digits = s.mid(i, j - i);
                t.number = digits.toDouble();
                t.integer = !digits.contains(u'.');
                if (j < s.size() && s[j] == u'%') {
                    t.kind = Token::Percentage;
                    ++j;
                } else if (j < s.size() && s[j].isLetter()) {
                    qsizetype k = j;
                    while (k < s.size() && isNameChar(s[k]))
                        ++k;
                    t.kind = Token::Dimension;
                    t.text = s.mid(j, k - j).toLower();
                    j = k;
                }
                out.append(t);
                i = j;
            } else if (isNameChar(c) && !c.isDigit()) {
                qsizetype j = i;
                while (j < s.size() && isNameChar(s[j]))
                    ++j;
                const QString name = s.mid(i, j - i);
                if (j < s.size() && s[j] == u'(') {
                    qsizetype k = j + 1;
                    while (k < s.size() && s[k].isSpace())
                        ++k;
                    if (name.compare(QLatin1String("url"), Qt::CaseInsensitive) == 0 && k < s.size() && s[k] != u'"'
                        && s[k] != u'\'') {
                        const qsizetype end = s.indexOf(u')', k);
                        if (end < 0)
                            return false;
                        out.append(Token{Token::Url, s.mid(k, end - k).trimmed()});
                        i = end + 1;
                        continue;
                    }
                    Token f{Token::Function, name.toLower()};
                    i = j + 1;
                    if (!tokenizeUntil(s, i, f.args, true) || i >= s.size())
                        return false;
                    ++i; // the closing parenthesis
                    out.append(f);
                } else {
                    out.append(Token{Token::Ident, name});
                    i = j;
                }
            } else {
                out.append(Token{Token::Delim, QString(c)});
                ++i;
            }
        }
        return !inFunction;
    }

    // --- the grammar ------------------------------------------------------------

    struct SyntaxReader
    {
        const QString &s;
        qsizetype i = 0;

        void skipSpace()
        {
            while (i < s.size() && s[i].isSpace())
                ++i;
        }
        bool at(const char *text)
        {
            skipSpace();
            return s.mid(i).startsWith(QLatin1String(text));
        }

        std::shared_ptr<Node> oneOf()
        {
            return combined(Node::OneOf, "|", [this] { return anyOf(); });
        }
        std::shared_ptr<Node> anyOf()
        {
            return combined(Node::AnyOf, "||", [this] { return allOf(); });
        }
        std::shared_ptr<Node> allOf()
        {
            return combined(Node::AllOf, "&&", [this] { return juxtaposed(); });
        }

        std::shared_ptr<Node> combined(Node::Kind kind, const char *op,
                                       const std::function<std::shared_ptr<Node>()> &next)
        {
            auto first = next();
            if (!at(op) || (QLatin1String(op) == QLatin1String("|") && at("||")))
                return first;
            auto group = makeNode(kind, {}, {first});
            while (at(op) && !(QLatin1String(op) == QLatin1String("|") && at("||"))) {
                i += qstrlen(op);
                group->children.append(next());
            }
            return group;
        }

        std::shared_ptr<Node> juxtaposed()
        {
            auto group = makeNode(Node::Juxtaposed);
            while (true) {
                skipSpace();
                if (i >= s.size() || s[i] == u']' || s[i] == u')' || at("|") || at("&&"))
                    break;
                group->children.append(term());
            }
            return group->children.size() == 1 ? group->children.first() : group;
        }

        std::shared_ptr<Node> term()
        {
            skipSpace();
            std::shared_ptr<Node> node;
            const QChar c = s[i];
            if (c == u'[') {
                ++i;
                node = oneOf();
                skipSpace();
                ++i; // ]
                auto wrapper = makeNode(Node::Juxtaposed, {}, {node});
                node = wrapper;
            } else if (c == u'<') {
                const qsizetype end = s.indexOf(u'>', i);
                QString inner = s.mid(i + 1, end - i - 1).trimmed();
                i = end + 1;
                if (inner.startsWith(u'\'')) {
                    node = makeNode(Node::Property, inner.mid(1, inner.indexOf(u'\'', 1) - 1));
                } else {
                    const qsizetype range = inner.indexOf(u'[');
                    const bool nonNegative = range > 0 && inner.mid(range).startsWith(QLatin1String("[0,"));
                    if (range > 0)
                        inner = inner.left(range).trimmed();
                    node = makeNode(Node::Type, inner);
                    node->nonNegative = nonNegative;
                }
            } else if (c == u'\'') {
                const qsizetype end = s.indexOf(u'\'', i + 1);
                node = makeNode(Node::Literal, s.mid(i + 1, end - i - 1));
                i = end + 1;
            } else if (c == u',' || c == u'/' || c == u'+' || c == u'-' || c == u'*' || c == u':' || c == u';'
                       || c == u'=') {
                node = makeNode(Node::Literal, QString(c));
                ++i;
            } else {
                qsizetype j = i;
                while (j < s.size() && (isNameChar(s[j]) || s[j] == u'@'))
                    ++j;
                if (j == i) {
                    node = makeNode(Node::Literal, QString(c));
                    ++i;
                } else {
                    const QString name = s.mid(i, j - i);
                    i = j;
                    if (i < s.size() && s[i] == u'(') {
                        ++i;
                        node = makeNode(Node::Function, name.toLower());
                        skipSpace();
                        node->children.append(i < s.size() && s[i] == u')' ? makeNode(Node::Juxtaposed) : oneOf());
                        skipSpace();
                        ++i; // )
                    } else {
                        node = makeNode(Node::Keyword, name);
                    }
                }
            }
            return multiplied(node);
        }

        std::shared_ptr<Node> multiplied(std::shared_ptr<Node> node)
        {
            if (i >= s.size())
                return node;
            int min = 1, max = 1;
            bool commas = false;
            const QChar c = s[i];
            if (c == u'?') {
                min = 0;
                ++i;
            } else if (c == u'*') {
                min = 0, max = -1;
                ++i;
            } else if (c == u'+') {
                max = -1;
                ++i;
            } else if (c == u'#') {
                max = -1, commas = true;
                ++i;
            } else if (c == u'!') {
                ++i;
                return node;
            }
            if (i < s.size() && s[i] == u'{') {
                const qsizetype end = s.indexOf(u'}', i);
                const QStringList bounds = s.mid(i + 1, end - i - 1).split(u',');
                min = bounds[0].trimmed().toInt();
                max = bounds.size() == 1 ? min : bounds[1].trimmed().isEmpty() ? -1 : bounds[1].trimmed().toInt();
                i = end + 1;
            }
            if (min == 1 && max == 1 && !commas)
                return node;
            auto repeated = makeNode(Node::Juxtaposed, {}, {node});
            repeated->min = min;
            repeated->max = max;
            repeated->commas = commas;
            return multiplied(repeated);
        }
    };

    const Node *parsed(QHash<QString, std::shared_ptr<Node>> &cache, const QString &name, const QString &syntax) const
    {
        auto it = cache.find(name);
        if (it == cache.end()) {
            SyntaxReader reader{syntax};
            it = cache.insert(name, reader.oneOf());
        }
        return it->get();
    }
    const Node *propertyNode(const QString &name) const
    {
        return m_properties.contains(name) ? parsed(m_propertyNodes, name, m_properties.value(name)) : nullptr;
    }
    const Node *typeNode(const QString &name) const
    {
        return m_types.contains(name) ? parsed(m_typeNodes, name, m_types.value(name)) : nullptr;
    }

    // --- matching ---------------------------------------------------------------

    static bool unitIn(const Token &t, std::initializer_list<const char *> units)
    {
        for (const char *u : units)
            if (t.text == QLatin1String(u))
                return true;
        return false;
    }

    // The types that the grammar leaves to the tokens; nullopt for the others.
    std::optional<bool> basicType(const QString &name, const Token &t, bool nonNegative) const
    {
        if (nonNegative && t.number < 0)
            return false;
        static const std::initializer_list<const char *> lengthUnits
            = {"px",  "em",  "rem", "ex",    "rex",   "ch",   "rch", "ic",  "ric", "cap", "rcap", "lh",  "rlh",
               "vw",  "vh",  "vi",  "vb",    "vmin",  "vmax", "svw", "svh", "lvw", "lvh", "dvw",  "dvh", "cqw",
               "cqh", "cqi", "cqb", "cqmin", "cqmax", "cm",   "mm",  "q",   "in",  "pt",  "pc"};
        if (name == QLatin1String("length"))
            return (t.kind == Token::Dimension && unitIn(t, lengthUnits)) || (t.kind == Token::Number && t.number == 0);
        if (name == QLatin1String("percentage"))
            return t.kind == Token::Percentage;
        if (name == QLatin1String("number") || name == QLatin1String("number-token"))
            return t.kind == Token::Number;
        if (name == QLatin1String("integer"))
            return t.kind == Token::Number && t.integer;
        if (name == QLatin1String("zero"))
            return t.kind == Token::Number && t.number == 0;
        if (name == QLatin1String("time"))
            return t.kind == Token::Dimension && unitIn(t, {"s", "ms"});
        if (name == QLatin1String("angle"))
            return t.kind == Token::Dimension && unitIn(t, {"deg", "rad", "grad", "turn"});
        if (name == QLatin1String("frequency"))
            return t.kind == Token::Dimension && unitIn(t, {"hz", "khz"});
        if (name == QLatin1String("resolution"))
            return t.kind == Token::Dimension && unitIn(t, {"dpi", "dpcm", "dppx", "x"});
        if (name == QLatin1String("flex"))
            return t.kind == Token::Dimension && unitIn(t, {"fr"});
        if (name == QLatin1String("dimension"))
            return t.kind == Token::Dimension;
        if (name == QLatin1String("string") || name == QLatin1String("string-token"))
            return t.kind == Token::String;
        if (name == QLatin1String("ident-token"))
            return t.kind == Token::Ident;
        if (name == QLatin1String("percentage-token"))
            return t.kind == Token::Percentage;
        if (name == QLatin1String("dimension-token"))
            return t.kind == Token::Dimension;
        if (name == QLatin1String("hash-token"))
            return t.kind == Token::Hash;
        if (name == QLatin1String("url") || name == QLatin1String("url()"))
            return t.kind == Token::Url
                || (t.kind == Token::Function && (t.text == QLatin1String("url") || t.text == QLatin1String("src"))
                    && !t.args.isEmpty() && t.args[0].kind == Token::String);
        if (name == QLatin1String("hex-color"))
            return t.kind == Token::Hash && QList<qsizetype>{3, 4, 6, 8}.contains(t.text.size())
                && QRegularExpression(QStringLiteral("^[0-9a-fA-F]+$")).match(t.text).hasMatch();
        if (name == QLatin1String("ident") || name == QLatin1String("custom-ident"))
            return t.kind == Token::Ident && !t.text.startsWith(QLatin1String("--"))
                && (name == QLatin1String("ident")
                    || !QStringList({"inherit", "initial", "unset", "revert", "revert-layer", "default"})
                            .contains(t.text, Qt::CaseInsensitive));
        if (name == QLatin1String("dashed-ident") || name == QLatin1String("custom-property-name"))
            return t.kind == Token::Ident && t.text.startsWith(QLatin1String("--"));
        return std::nullopt;
    }

    bool matchOne(const Node &node, const Tokens &tokens, qsizetype pos, const Continuation &next) const
    {
        switch (node.kind) {
        case Node::Keyword:
            return pos < tokens.size() && tokens[pos].kind == Token::Ident
                && tokens[pos].text.compare(node.name, Qt::CaseInsensitive) == 0 && next(pos + 1);
        case Node::Literal: {
            if (pos >= tokens.size())
                return false;
            const Token &t = tokens[pos];
            const bool same = (node.name == QLatin1String(",") && t.kind == Token::Comma)
                || (node.name == QLatin1String("/") && t.kind == Token::Slash)
                || (t.kind == Token::Delim && t.text == node.name);
            return same && next(pos + 1);
        }
        case Node::Type: {
            if (pos < tokens.size()) {
                if (const std::optional<bool> basic = basicType(node.name, tokens[pos], node.nonNegative))
                    return *basic && next(pos + 1);
                if (node.name == QLatin1String("family-name")) // a string, or one or more names
                    return tokens[pos].kind == Token::String ? next(pos + 1) : matchIdentRun(tokens, pos, next);
                if (node.name == QLatin1String("declaration-value") || node.name == QLatin1String("any-value")) {
                    for (qsizetype end = tokens.size(); end > pos; --end)
                        if (next(end))
                            return true;
                    return false;
                }
            }
            const Node *type = typeNode(node.name);
            return type && matchOne(*type, tokens, pos, next);
        }
        case Node::Property: {
            const Node *property = propertyNode(node.name);
            return property && matchOne(*property, tokens, pos, next);
        }
        case Node::Function: {
            if (pos >= tokens.size() || tokens[pos].kind != Token::Function || tokens[pos].text != node.name)
                return false;
            const Tokens &args = tokens[pos].args;
            return matchOne(*node.children.first(), args, 0, [&](qsizetype end) { return end == args.size(); })
                && next(pos + 1);
        }
        case Node::Juxtaposed:
            if (node.min != 1 || node.max != 1 || node.commas)
                return matchRepeated(node, tokens, pos, 0, next);
            return matchSequence(node, 0, tokens, pos, pos, next);
        case Node::OneOf:
            for (const auto &child : node.children)
                if (matchOne(*child, tokens, pos, next))
                    return true;
            return false;
        case Node::AllOf:
        case Node::AnyOf: {
            QList<bool> used(node.children.size(), false);
            return matchUnordered(node, used, node.kind == Node::AnyOf, false, tokens, pos, next);
        }
        }
        return false;
    }

    bool matchIdentRun(const Tokens &tokens, qsizetype pos, const Continuation &next) const
    {
        qsizetype end = pos;
        while (end < tokens.size() && tokens[end].kind == Token::Ident)
            ++end;
        for (; end > pos; --end)
            if (next(end))
                return true;
        return false;
    }

    // `previous` is where the child before this one began.
    bool matchSequence(const Node &node, qsizetype index, const Tokens &tokens, qsizetype pos, qsizetype previous,
                       const Continuation &next) const
    {
        if (index == node.children.size())
            return next(pos);
        const Node &child = *node.children[index];
        const bool matched = matchOne(child, tokens, pos, [&](qsizetype after) {
            return matchSequence(node, index + 1, tokens, after, pos, next);
        });
        if (matched || child.kind != Node::Literal || child.name != QLatin1String(","))
            return matched;
        // A comma beside an optional part that is left out is left out too.
        if (index == 0 || previous == pos)
            return matchSequence(node, index + 1, tokens, pos, pos, next);
        return matchSequence(node, index + 1, tokens, pos, pos,
                             [&](qsizetype after) { return after == pos && next(after); });
    }

    // Repetitions of the node's one child; each must consume something.
    bool matchRepeated(const Node &node, const Tokens &tokens, qsizetype pos, int count, const Continuation &next) const
    {
        const Node &child = *node.children.first();
        const bool more = node.max < 0 || count < node.max;
        if (more) {
            qsizetype start = pos;
            if (count > 0 && node.commas) {
                if (pos >= tokens.size() || tokens[pos].kind != Token::Comma)
                    return count >= node.min && next(pos);
                start = pos + 1;
            }
            const bool repeated = matchOne(child, tokens, start, [&](qsizetype after) {
                return after > start && matchRepeated(node, tokens, after, count + 1, next);
            });
            if (repeated)
                return true;
        }
        return count >= node.min && next(pos);
    }

    // "&&": every child once, in any order; "||": one or more of them, in any order.
    bool matchUnordered(const Node &node, QList<bool> &used, bool anyNumber, bool matchedOne, const Tokens &tokens,
                        qsizetype pos, const Continuation &next) const
    {
        bool allUsed = true;
        for (qsizetype i = 0; i < node.children.size(); ++i) {
            if (used[i])
                continue;
            allUsed = false;
            used[i] = true;
            const bool ok = matchOne(*node.children[i], tokens, pos, [&](qsizetype after) {
                return matchUnordered(node, used, anyNumber, true, tokens, after, next);
            });
            used[i] = false;
            if (ok)
                return true;
        }
        if (anyNumber)
            return matchedOne && next(pos);
        return allUsed && next(pos);
    }

    QHash<QString, QString> m_properties;
    QHash<QString, QString> m_types;
    mutable QHash<QString, std::shared_ptr<Node>> m_propertyNodes;
    mutable QHash<QString, std::shared_ptr<Node>> m_typeNodes;
};
