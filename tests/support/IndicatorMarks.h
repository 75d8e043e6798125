#pragma once

#include <Qsci/qsciscintilla.h>

#include <QByteArray>
#include <QList>

// Every stretch of the document that carries `indicator`: its text and the value set.
struct IndicatorMark
{
    QString text;
    long value = 0;
};

inline QList<IndicatorMark> indicatorMarks(QsciScintilla &editor, int indicator)
{
    QList<IndicatorMark> out;
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const QByteArray text = editor.text().toUtf8();
    for (long pos = 0; pos < length;) {
        const long value = editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, pos);
        const long end = editor.SendScintilla(QsciScintillaBase::SCI_INDICATOREND, indicator, pos);
        if (value != 0)
            out.append({QString::fromUtf8(text.mid(pos, end - pos)), value});
        if (end <= pos)
            break;
        pos = end;
    }
    return out;
}
