#include "addons/about/about.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

QString aboutText(const QString &identifier, const QString &description)
{
    // The program records its build date in its settings at every start.
    const QSettings settings(
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
            .filePath(QStringLiteral("settings.ini")),
        QSettings::IniFormat);
    const QString buildDate = settings.value(QStringLiteral("Version/Date")).toString();

    // The program's catalogue, installed by the program, speaks for the plug-in too.
    QString text =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>")
            .arg(QCoreApplication::applicationName().toHtmlEscaped(), description.toHtmlEscaped());
    text += QCoreApplication::translate("About", "Version %1")
                .arg(QCoreApplication::applicationVersion().toHtmlEscaped());
    if (!buildDate.isEmpty())
        text += QCoreApplication::translate("About", ", built %1").arg(buildDate.toHtmlEscaped());
    text += QStringLiteral("</p>");
    if (!identifier.isEmpty()) {
        text += QStringLiteral("<p>%1</p>")
                    .arg(QCoreApplication::translate("About", "Machine identifier: %1")
                             .arg(identifier.toHtmlEscaped()));
    }
    return text;
}

void About::showAbout(const QString &identifier, const QString &description)
{
    // Modal for the program, as before, without an event loop of its own.
    auto *box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowTitle(
        QCoreApplication::translate("About", "About %1").arg(QCoreApplication::applicationName()));
    box->setTextFormat(Qt::RichText);
    box->setText(aboutText(identifier, description));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setStandardButtons(QMessageBox::Ok);
    box->show();
}
