#include "Fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               QStringList{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), QStringList{QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Terminal"),
                               QStringList{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
}
