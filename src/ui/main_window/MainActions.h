#pragma once

#include <QList>

class QAction;
class QMenuBar;
class QWidget;

// The main window's commands, made in one place with their object names, captions,
// UI text ids, shortcuts and pictures. The menu bar is built from them.
struct MainActions
{
    QAction *newDocument, *open, *save, *saveAs, *close, *settings, *print, *exit;
    QAction *undo, *redo, *cut, *copy, *paste, *deleteSelection, *selectAll, *formatSheet, *complete, *showSyntax;
    QAction *showAnalysis, *showReference, *showPreview; // the View menu's ticks
    QAction *analyseByCssSyntax; // a tick too: the analysis's reading
    QAction *find, *findNext, *findPrevious, *replace, *goToError, *nextUnknownName;
    QAction *german, *english;
    QAction *help, *homePage, *about;
    QList<QAction *> webLinks; // in the order of kWebLinks

    // The actions belong to `window`, so that their shortcuts work while the menu bar
    // is hidden under a modal dialog too.
    static MainActions create(QWidget *window);
    void buildMenus(QMenuBar *bar) const;
};
