#pragma once

#include "app/Dialogs.h"
#include "editor/search/FindReplace.h"

#include <QPrinter>

#include <functional>

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

// Answers every question from a script and records what was asked. An empty script
// answers No to questions, OK to notices and cancels file dialogs.
class ScriptedDialogs : public Dialogs
{
public:
    struct Asked
    {
        BoxKind kind;
        QString text;
        Buttons buttons;
    };

    QQueue<Answer> answers;
    QQueue<QString> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QString> pictureAnswers;
    QQueue<QString> printAnswers; // a PDF file to print into; empty cancels
    // The search dialog: how the user fills it in; cancelled when the queue is empty.
    QQueue<std::function<void(FindReplace::SearchState &)>> searchAnswers;
    QQueue<FindReplace::ReplaceAnswer> replaceAnswers;
    QStringList confirmations; // the search texts the confirmation was shown for
    bool online = true;
    // Runs after each message box, as the real box's closing does, e.g. to give the
    // main window its activation back.
    std::function<void()> afterMessage;

    QList<Asked> asked;
    int openDialogs = 0;
    int saveDialogs = 0;
    int pictureDialogs = 0;
    QList<QUrl> opened;

    Answer message(BoxKind kind, const QString &text, Buttons buttons) override
    {
        asked.append({kind, text, buttons});
        if (afterMessage)
            afterMessage();
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    QString openStyleSheetFile() override
    {
        ++openDialogs;
        return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
    }
    QString saveStyleSheetFile() override
    {
        ++saveDialogs;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    QString openPictureFile() override
    {
        ++pictureDialogs;
        return pictureAnswers.isEmpty() ? QString() : pictureAnswers.dequeue();
    }
    bool editSearch(FindReplace::SearchState &state, bool replace) override
    {
        Q_UNUSED(replace);
        if (searchAnswers.isEmpty())
            return false;
        searchAnswers.dequeue()(state);
        FindReplace::remember(state.searchHistory, state.searchText);
        FindReplace::remember(state.replaceHistory, state.replaceText);
        return true;
    }
    FindReplace::ReplaceAnswer confirmReplace(const QString &searchText, const QRect &, int, int, int) override
    {
        confirmations << searchText;
        return replaceAnswers.isEmpty() ? FindReplace::ReplaceAnswer::StopReplacing : replaceAnswers.dequeue();
    }
    bool setUpPrinter(QPrinter &printer) override
    {
        const QString pdf = printAnswers.isEmpty() ? QString() : printAnswers.dequeue();
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    void openWithDesktop(const QUrl &url) override { opened.append(url); }
    bool isOnline() override { return online; }

    QStringList askedTexts() const
    {
        QStringList texts;
        for (const Asked &a : asked)
            texts << a.text;
        return texts;
    }
};
