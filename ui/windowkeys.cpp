#include "ui/windowkeys.h"

#include "ui/formatpage.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedWidget>

WindowKeys::WindowKeys(QDialog *window_, QStackedWidget *pages_, FormatPage *formats_)
    : QObject(window_)
    , window(window_)
    , pages(pages_)
    , formats(formats_)
{
    window->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    // With one format on offer, Enter anywhere on its page downloads it.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && pages->currentWidget() == formats && formats->offersOne()) {
        const QModelIndex choice = formats->enterChoice();
        if (choice.isValid()) {
            emit formatEntered(choice);
            key->accept();
            return true;
        }
    }
    // The window is the whole program: Escape must not end it.
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        key->accept();
        return true;
    }
    // The dialog's own Enter handling clicks the default button of any child, and so would
    // close a box this very key press has just opened: only the window's own buttons count.
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->window() == window && button->isDefault() && button->isVisible()) {
                if (button->isEnabled())
                    button->click();
                break;
            }
        }
        key->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
