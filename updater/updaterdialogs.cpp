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

} // namespace

QString translated(const char *source)
{
    return QCoreApplication::translate("Updater", source);
}

void showCritical(const QString &title, const QString &text)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(translated(QT_TRANSLATE_NOOP("Updater", "UPD. ERROR: %1")).arg(title));
    box.setText(translated(UpdaterPlatform::errorAdvice()));
    box.setDetailedText(title + QStringLiteral(":\n\n") + text);
    box.setStandardButtons(QMessageBox::Close);
    box.setDefaultButton(QMessageBox::Close);
    box.exec();
}

ExistingInstaller askExistingInstaller(const QString &path)
{
    QMessageBox box(
        QMessageBox::Question,
        translated(QT_TRANSLATE_NOOP("Updater", "Installer already downloaded")),
        translated(QT_TRANSLATE_NOOP("Updater",
                                     "The installer file already exists:\n%1\n\nDo you want to run "
                                     "the existing installer, or download it again?"))
            .arg(path));
    box.addButton(padded(translated(QT_TRANSLATE_NOOP("Updater", "Cancel"))),
                  QMessageBox::RejectRole);
    box.addButton(padded(translated(QT_TRANSLATE_NOOP("Updater", "Run Installer"))),
                  QMessageBox::AcceptRole);
    QPushButton *again = box.addButton(
        padded(translated(QT_TRANSLATE_NOOP("Updater", "Download Again"))), QMessageBox::ApplyRole);
    box.setDefaultButton(again);
    box.exec();
    switch (box.buttonRole(box.clickedButton())) {
    case QMessageBox::ApplyRole:
        return ExistingInstaller::DownloadAgain;
    case QMessageBox::AcceptRole:
        return ExistingInstaller::Run;
    default:
        return ExistingInstaller::Cancel;
    }
}

bool askStartDownloaded(const QString &folder, const QString &appName)
{
    QMessageBox box(
        QMessageBox::Information,
        translated(QT_TRANSLATE_NOOP("Updater", "The update has been downloaded")),
        translated(QT_TRANSLATE_NOOP(
                       "Updater", "The update has been downloaded to your Downloads folder:\n%1\n\n"
                                  "The %2 will now close and the installer will guide you through "
                                  "the update process"))
            .arg(folder, appName));
    QPushButton *next =
        box.addButton(translated(QT_TRANSLATE_NOOP("Updater", "Next")), QMessageBox::AcceptRole);
    box.addButton(padded(translated(QT_TRANSLATE_NOOP("Updater", "Launch Installer Myself"))),
                  QMessageBox::RejectRole);
    box.setDefaultButton(next);
    box.exec();
    return box.clickedButton() == next;
}

void showCancelled(int closeAfterMs)
{
    QMessageBox box(
        QMessageBox::Information, translated(QT_TRANSLATE_NOOP("Updater", "Download cancelled")),
        translated(QT_TRANSLATE_NOOP("Updater", "The download was cancelled by the user.")),
        QMessageBox::Close);
    QTimer::singleShot(closeAfterMs, &box, [&box] {
        if (box.isVisible())
            box.done(QMessageBox::Close);
    });
    box.exec();
}

} // namespace UpdaterDialogs
