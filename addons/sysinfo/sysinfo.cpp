#include "addons/sysinfo/sysinfo.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QSysInfo>
#include <QUuid>

void SysInfo::setAppInfo(const QString &version_, const QString &buildDate_, int, int)
{
    version = version_;
    buildDate = buildDate_;
}

QString SysInfo::uid() const
{
    // A name-based UUID keeps the system's own machine ID private.
    QByteArray machine = QSysInfo::machineUniqueId();
    if (machine.isEmpty())
        machine = QSysInfo::machineHostName().toUtf8();
    const QUuid space(QStringLiteral("{6b1d5e7a-3c4f-4d2b-9a8e-0f1c2d3e4a5b}"));
    return QUuid::createUuidV5(space, machine).toString(QUuid::WithoutBraces);
}

void SysInfo::showUid()
{
    const QString identifier = uid();
    // Modal for the program, as before, without an event loop of its own.
    auto *box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // The program's catalogue, installed by the program, speaks for the plug-in too.
    box->setWindowTitle(QCoreApplication::translate("SysInfo", "Machine identifier"));
    box->setIcon(QMessageBox::Information);
    box->setText(QCoreApplication::translate("SysInfo", "The identifier of this computer:\n\n%1")
                     .arg(identifier));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton *copy =
        box->addButton(QCoreApplication::translate("SysInfo", "Copy"), QMessageBox::ActionRole);
    box->addButton(QMessageBox::Close);
    // The copy button leaves the dialog open.
    copy->disconnect();
    QObject::connect(copy, &QPushButton::clicked, box,
                     [identifier] { QApplication::clipboard()->setText(identifier); });
    box->show();
}
