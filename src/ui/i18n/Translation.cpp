#include "Translation.h"

#include "i18n/UiTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace {

void translate(QObject *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(text);
    } else if (auto *action = qobject_cast<QAction *>(control)) {
        action->setText(text); // a menu's own action carries the menu's caption
    } else if (auto *group = qobject_cast<QGroupBox *>(control)) {
        group->setTitle(text);
    } else if (auto *page = qobject_cast<QWidget *>(control)) {
        // A tab page: its caption is its tab's text.
        for (QWidget *p = page->parentWidget(); p; p = p->parentWidget()) {
            if (auto *tabs = qobject_cast<QTabWidget *>(p)) {
                const int index = tabs->indexOf(page);
                if (index >= 0)
                    tabs->setTabText(index, text);
                break;
            }
        }
    }
}

} // namespace

void translateWindows(const QList<QWidget *> &windows, int offset)
{
    for (QWidget *window : windows) {
        if (!window)
            continue;
        for (QObject *control : window->findChildren<QObject *>()) {
            const int id = control->property(kUiTextIdProperty).toInt();
            if (id == 0 || qobject_cast<QMenu *>(control))
                continue;
            translate(control, UiTexts::stored(id + offset));
        }
    }
}
