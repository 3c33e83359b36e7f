#include "updater/updaterdialogs.h"

#include "updater/updaterplatform.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace UpdaterDialogs {

namespace {

QString padded(const QString &caption)
{
    return QStringLiteral("%2%1%2").arg(caption, QStringLiteral("     "));
}

// Shows the box modal for the whole program, as exec() would, but without an event loop of
// its own; answer runs with the box when the user has closed it, and the box goes then.
// The box lives no longer than owner, which the answer reaches only while it lives.
void open(QMessageBox *box, QObject *owner, const std::function<void(QMessageBox *)> &answer)
{
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(owner, &QObject::destroyed, box, &QObject::deleteLater);
    QObject::connect(box, &QDialog::finished, owner, [box, answer] { answer(box); });
    box->show();
}

} // namespace

QString translated(const char *source)
{
    return QCoreApplication::translate("Updater", source);
}

QMessageBox *showCritical(const QString &title, const QString &text, QObject *owner,
                          const std::function<void()> &closed)
{
    auto *box = new QMessageBox;
    box->setIcon(QMessageBox::Critical);
    box->setWindowTitle(translated(QT_TRANSLATE_NOOP("Updater", "UPD. ERROR: %1")).arg(title));
    box->setText(translated(UpdaterPlatform::errorAdvice()));
    box->setDetailedText(title + QStringLiteral(":\n\n") + text);
    box->setStandardButtons(QMessageBox::Close);
    box->setDefaultButton(QMessageBox::Close);
    open(box, owner, [closed](QMessageBox *) { closed(); });
    return box;
}

void askExistingInstaller(const QString &path, QObject *owner,
                          const std::function<void(ExistingInstaller)> &answer)
{
    auto *box = new QMessageBox(
        QMessageBox::Question,
        translated(QT_TRANSLATE_NOOP("Updater", "Installer already downloaded")),
        translated(QT_TRANSLATE_NOOP("Updater",
                                     "The installer file already exists:\n%1\n\nDo you want to run "
                                     "the existing installer, or download it again?"))
            .arg(path));
    box->addButton(padded(translated(QT_TRANSLATE_NOOP("Updater", "Cancel"))),
                   QMessageBox::RejectRole);
    box->addButton(padded(translated(QT_TRANSLATE_NOOP("Updater", "Run Installer"))),
                   QMessageBox::AcceptRole);
    QPushButton *again = box->addButton(
        padded(translated(QT_TRANSLATE_NOOP("Updater", "Download Again"))), QMessageBox::ApplyRole);
    box->setDefaultButton(again);
    open(box, owner, [answer](QMessageBox *closed) {
        switch (closed->buttonRole(closed->clickedButton())) {
        case QMessageBox::ApplyRole:
            answer(ExistingInstaller::DownloadAgain);
            break;
        case QMessageBox::AcceptRole:
            answer(ExistingInstaller::Run);
            break;
        default:
            answer(ExistingInstaller::Cancel);
            break;
        }
    });
}

void askStartDownloaded(const QString &folder, const QString &appName, QObject *owner,
                        const std::function<void(bool)> &answer)
{
    auto *box = new QMessageBox(
        QMessageBox::Information,
        translated(QT_TRANSLATE_NOOP("Updater", "The update has been downloaded")),
        translated(QT_TRANSLATE_NOOP(
                       "Updater", "The update has been downloaded to your Downloads folder:\n%1\n\n"
                                  "The %2 will now close and the installer will guide you through "
                                  "the update process"))
            .arg(folder, appName));
    QPushButton *next =
        box->addButton(translated(QT_TRANSLATE_NOOP("Updater", "Next")), QMessageBox::AcceptRole);
    box->addButton(padded(translated(QT_TRANSLATE_NOOP("Updater", "Launch Installer Myself"))),
                   QMessageBox::RejectRole);
    box->setDefaultButton(next);
    open(box, owner,
         [answer, next](QMessageBox *closed) { answer(closed->clickedButton() == next); });
}

void showCancelled(int closeAfterMs, QObject *owner, const std::function<void()> &closed)
{
    auto *box = new QMessageBox(
        QMessageBox::Information, translated(QT_TRANSLATE_NOOP("Updater", "Download cancelled")),
        translated(QT_TRANSLATE_NOOP("Updater", "The download was cancelled by the user.")),
        QMessageBox::Close);
    QTimer::singleShot(closeAfterMs, box, [box] { box->done(QMessageBox::Close); });
    open(box, owner, [closed](QMessageBox *) { closed(); });
}

} // namespace UpdaterDialogs
