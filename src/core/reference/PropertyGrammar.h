#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// What today's standards say a property takes: its value syntax and initial value,
// from the standards' extract the data generator writes (standards/css-grammar.json).
class PropertyGrammar
{
public:
    struct Property
    {
        QString name;
        QString syntax;
        QString initial;
    };

    // Reads the extract; a file that is missing or cannot be read gives a grammar that
    // knows no property.
    static PropertyGrammar read(const QString &path);

    // The property of that name, letter case ignored; nullptr when the standards do
    // not know it.
    const Property *find(const QString &name) const;
    bool isEmpty() const { return m_properties.isEmpty(); }
    // Every property name the standards or MDN know, also those whose syntax the
    // extract leaves out, in no particular order.
    QStringList names() const;

    // A descriptor of an at-rule's block ("src" of "font-face"; the at-rule without
    // "@"), letter case ignored; nullptr when the standards know none of that name.
    const Property *findDescriptor(const QString &atRule, const QString &name) const;
    // The descriptors' names of every at-rule that has some, by at-rule.
    QHash<QString, QStringList> descriptorNames() const;

    // The names nearest to a misspelt one among the standards' and `more`: at most
    // two letters wrong, missing, extra or swapped; nearest first, then alphabetical;
    // at most `count`.
    QStringList nearest(const QString &name, const QStringList &more = {}, int count = 3) const;

private:
    QHash<QString, Property> m_properties; // by lower-case name
    QStringList m_otherNames; // known, without syntax
    QHash<QString, QHash<QString, Property>> m_descriptors; // by at-rule, then by lower-case name
};
