#include "ui/windowmenu.h"

#include "app/identity.h"
#include "app/logtag.h"
#include "plugins/pluginmanagerhelper.h"
#include "ui/designsize.h"
#include "ui/downloadchoices.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDebug>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShortcut>

using PluginManagerHelper::aboutPlugin;
using PluginManagerHelper::loggingPlugin;
using PluginManagerHelper::sysInfoPlugin;
using PluginManagerHelper::updaterPlugin;

namespace {
const char description[] =
    QT_TRANSLATE_NOOP("WindowMenu", "A simple downloader for single YouTube videos.");
}

WindowMenu::WindowMenu(uint scale, QSettings *settings, QWidget *window_)
    : QObject(window_)
    , window(window_)
    , menu(new QMenu(window_))
{
    manualUpdateAction = menu->addAction(tr("Manually Update Software"));
    loggingAction = menu->addAction(tr("Logging enabled"));
    loggingAction->setCheckable(true);
    loggingAction->setChecked(loggingPlugin().get() && loggingPlugin().get()->isEnabled());
    menu->addSeparator();
    auto *scales = new QMenu(tr("Change Scale Size"), menu);
    menu->addMenu(scales);
    downloadChoices = new DownloadChoices(menu, settings, window);
    menu->addSeparator();
    showUidAction = menu->addAction(tr("Show UUID"));
    aboutAction = menu->addAction(tr("About"));

    scaleEntries = new QActionGroup(scales);
    for (uint value : scaleValues) {
        QAction *entry = scales->addAction(tr("%1%").arg(value));
        entry->setData(value);
        entry->setCheckable(true);
        entry->setChecked(value == scale);
        scaleEntries->addAction(entry);
    }
    connect(scaleEntries, &QActionGroup::triggered, this, [this](QAction *entry) {
        const uint value = entry->data().toUInt();
        if (value != 0)
            emit scaleChosen(value);
    });
    connect(menu, &QMenu::triggered, this, &WindowMenu::whenTriggered);
}

void WindowMenu::openFrom(QWidget *pages_, QLineEdit *field_)
{
    pages = pages_;
    field = field_;
    pages->installEventFilter(this);
    field->installEventFilter(this);
    // Shift+F10 asks the focused widget for its menu, as the Menu key does.
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QWidget *focus = window->focusWidget();
        if (!focus)
            return;
        const QPoint at = focus->rect().center();
        QContextMenuEvent ask(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
        QApplication::sendEvent(focus, &ask);
    });
}

void WindowMenu::openAtFocus()
{
    QWidget *focus = window->focusWidget();
    if (!menu || !focus)
        return;
    QPoint at = focus->rect().center();
    // In a list, at the current row.
    if (auto *view = qobject_cast<QAbstractItemView *>(focus);
        view && view->currentIndex().isValid())
        at = view->viewport()->mapTo(focus, view->visualRect(view->currentIndex()).center());
    if (focus != field) {
        menu->popup(focus->mapToGlobal(at));
        return;
    }
    // The address field is the only control of its page: its edit entries come first, then
    // the program's, so that the keyboard reaches both.
    QMenu *both = field->createStandardContextMenu();
    both->addSeparator();
    both->addActions(menu->actions());
    connect(both, &QMenu::triggered, this, &WindowMenu::whenTriggered);
    connect(both, &QMenu::aboutToHide, both, &QObject::deleteLater);
    both->popup(focus->mapToGlobal(at));
}

bool WindowMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        openAtFocus();
        return true;
    }
    // Presses on the plain pages and their labels reach the stack; the field and the table
    // take theirs themselves.
    if (watched == pages && event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton && menu) {
            menu->popup(press->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowMenu::setCookiesBrowser(const QString &browser)
{
    downloadChoices->setBrowser(browser);
}

void WindowMenu::whenTriggered(QAction *action)
{
    const QString text = action->text();
    qDebug().noquote() << "-->" << CLM_TAG << text;

    if (action == aboutAction) {
        if (aboutPlugin().get()) {
            const QString identifier =
                sysInfoPlugin().get() ? sysInfoPlugin().get()->uid() : QString();
            aboutPlugin().get()->showAbout(identifier, tr(description));
        } else {
            auto *box = new QMessageBox(
                QMessageBox::Information, QLatin1String(Identity::name),
                tr("%1 version: %2")
                    .arg(QLatin1String(Identity::name), QLatin1String(Identity::version)),
                QMessageBox::Ok, window);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
    } else if (action == showUidAction) {
        if (sysInfoPlugin().get())
            sysInfoPlugin().get()->showUid();
    } else if (action == loggingAction) {
        // Without the plug-in there is no logging to switch on.
        if (loggingPlugin().get())
            loggingPlugin().get()->setEnabled(action->isChecked());
        else
            action->setChecked(false);
    } else if (action == manualUpdateAction) {
        PluginManagerHelper::UpdaterHandle &updater = updaterPlugin();
        if (!updater.get())
            return;
        if (!updater.connectedFlags.value(0)) {
            updater.connectedFlags.insert(0, true);
            connect(updater.get(), &UpdateInterface::updateDone, this,
                    &WindowMenu::toolUpdateRequested);
        }
        updater.get()->manualCheck(Identity::versionNumber, QLatin1String(Identity::buildDate));
    }
}
