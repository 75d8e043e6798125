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

ValueSource valueSourceOf(const QString &name);

// The property name as it goes before ":url(" (the picture properties carry ":url()").
QString urlPropertyName(const QString &property);

} // namespace Catalogue
