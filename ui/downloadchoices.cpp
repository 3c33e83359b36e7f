#include "ui/downloadchoices.h"

#include "app/setup.h"
#include "toolruns/toolruns.h"

#include <QAction>
#include <QActionGroup>
#include <QDebug>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>

DownloadChoices::DownloadChoices(QMenu *menu, QSettings *settings_, QWidget *window_)
    : QObject(menu)
    , settings(settings_)
    , window(window_)
    , browsers(new QActionGroup(this))
    , channels(new QActionGroup(this))
{
    // The entries belong to this object, which outlives any menu they are shown in.
    auto *folder = new QAction(tr("Choose Download Folder…"), this);
    connect(folder, &QAction::triggered, this, &DownloadChoices::chooseFolder);
    menu->addAction(folder);

    auto *cookies = new QMenu(tr("Use Cookies From"), menu);
    const QString stored = settings->value(QLatin1String(cookiesBrowserKey)).toString();
    const QStringList names = QStringList{QString()} + ToolRuns::cookieBrowsers();
    for (const QString &name : names) {
        auto *entry = new QAction(name.isEmpty() ? tr("None") : displayName(name), this);
        entry->setData(name);
        entry->setCheckable(true);
        browsers->addAction(entry);
        cookies->addAction(entry);
    }
    // A stored name that is not offered counts as none, as it does for the engine.
    const QList<QAction *> entries = browsers->actions();
    const qsizetype chosen = names.indexOf(stored);
    entries.at(chosen > 0 ? chosen : 0)->setChecked(true);
    connect(browsers, &QActionGroup::triggered, this, &DownloadChoices::whenBrowserChosen);
    menu->addMenu(cookies);
    addChannels(menu);

    auto *embed = new QAction(tr("Embed Title, Chapters and Cover"), this);
    embed->setCheckable(true);
    embed->setChecked(settings->value(QLatin1String(embedKey), false).toBool());
    connect(embed, &QAction::toggled, this, [this](bool on) {
        qDebug().noquote() << "Embed title, chapters and cover:" << on;
        if (on)
            settings->setValue(QLatin1String(embedKey), true);
        else
            settings->remove(QLatin1String(embedKey));
    });
    menu->addAction(embed);

    auto *prepare = new QAction(tr("Prepare Copied Links"), this);
    prepare->setCheckable(true);
    prepare->setChecked(prepareCopied(settings));
    connect(prepare, &QAction::toggled, this, [this](bool on) {
        settings->setValue(QLatin1String(prepareCopiedKey), on);
        if (!on)
            emit preparingTurnedOff();
    });
    menu->addAction(prepare);
}

bool DownloadChoices::prepareCopied(const QSettings *settings)
{
    return settings->value(QLatin1String(prepareCopiedKey), true).toBool();
}

void DownloadChoices::addChannels(QMenu *menu)
{
    auto *submenu = new QMenu(tr("yt-dlp Channel"), menu);
    const ToolRuns::Channel stored =
        ToolRuns::channelFrom(settings->value(QLatin1String(ToolRuns::channelKey)).toString());
    const std::pair<ToolRuns::Channel, QString> entries[] = {
        {ToolRuns::Channel::Stable, tr("Stable")},
        {ToolRuns::Channel::Automatic, tr("Automatic")},
        {ToolRuns::Channel::Nightly, tr("Nightly")},
    };
    for (const auto &[channel, text] : entries) {
        auto *entry = new QAction(text, this);
        entry->setData(ToolRuns::channelName(channel));
        entry->setCheckable(true);
        entry->setChecked(channel == stored);
        channels->addAction(entry);
        submenu->addAction(entry);
    }
    connect(channels, &QActionGroup::triggered, this, [this](QAction *action) {
        const QString name = action->data().toString();
        qDebug().noquote() << "yt-dlp channel:" << name;
        settings->setValue(QLatin1String(ToolRuns::channelKey), name);
    });
    menu->addMenu(submenu);
}

void DownloadChoices::setBrowser(const QString &browser)
{
    for (QAction *entry : browsers->actions()) {
        if (entry->data().toString() == browser) {
            entry->setChecked(true);
            whenBrowserChosen(entry);
        }
    }
}

QString DownloadChoices::displayName(const QString &browser)
{
    return browser.left(1).toUpper() + browser.mid(1);
}

void DownloadChoices::chooseFolder()
{
    auto *dialog =
        new QFileDialog(window, tr("Choose Download Folder"), downloadFolder(*settings), QString());
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &folder) {
        qDebug().noquote() << "Download folder:" << folder;
        settings->setValue(QLatin1String(downloadFolderKey), folder);
    });
    dialog->open();
}

void DownloadChoices::whenBrowserChosen(QAction *action)
{
    const QString name = action->data().toString();
    qDebug().noquote() << "Cookies from:" << (name.isEmpty() ? QStringLiteral("none") : name);
    if (name.isEmpty())
        settings->remove(QLatin1String(cookiesBrowserKey));
    else
        settings->setValue(QLatin1String(cookiesBrowserKey), name);
}
