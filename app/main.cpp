#include "app/identity.h"
#include "app/logtag.h"
#include "app/setup.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDebug>

int qMain(int argc, char **argv)
{
    QApplication::setApplicationName(QLatin1String(Identity::name));
    QApplication::setOrganizationName(QLatin1String(Identity::organization));
    QApplication::setApplicationVersion(QLatin1String(Identity::version));
    QApplication app(argc, argv);

    checkAndSetupFiles();

    auto *parser = new QCommandLineParser;
    const QCommandLineOption updateAs(QStringLiteral("update-as"),
                                      QStringLiteral("update this app as some version"),
                                      QStringLiteral("version"), QString());
    const QCommandLineOption uid(QStringLiteral("uid"), QStringLiteral("show UID"));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addOption(updateAs);
    parser->addOption(uid);
    parser->process(app);

    const int result = 0;
    qInfo().noquote() << CLM_TAG << "DONE:" << result << "\n";
    return result;
}

int main(int argc, char **argv)
{
    return qMain(argc, argv);
}
