#pragma once

#include "DataFile.h"

#include <QString>
#include <QStringList>

// What the reference panels know without any data file: the built-in property
// tree, the first value rows, the group headings, the colour list and which value
// source serves a property.
namespace Catalogue {

QList<TreeNode> builtInProperties();
QStringList initialValues();
QStringList groupNames();
// The 216 web colours, green slowest and blue fastest; the first six rows end with a blank.
QStringList colourRows();

enum class SourceKind {
    GroupHeading, // the value panel keeps what it shows
    Colours, // the colour list
    SharedFile, // one of the four shared value files; missing is an error
    OwnFile, // the property's own file; missing empties the list
};

struct ValueSource
{
    SourceKind kind;
    QString fileName; // for the two file kinds, e.g. "massangaben.inf"
};

// The source by name alone.
ValueSource valueSourceOf(const QString &name);

// The source with the data at hand: a value file named after the property, when
// `infDir` holds one, serves it before the shared file of its class (a shorthand's
// values are not its longhands'); a definition's own colour properties
// (`definitionColour`) show the colour list.
ValueSource valueSourceIn(const QString &name, const QString &infDir, bool definitionColour);

// The property name as it goes before ":url(" (the picture properties carry ":url()").
QString urlPropertyName(const QString &property);

} // namespace Catalogue
