// A program that runs the engine as Clipmoor does, for the tests that end it from outside:
// it asks for the metadata of the address it is given and runs until it is told to end.
#include "app/sessiondata.h"
#include "engine/address.h"
#include "engine/clipmoor.h"
#include "platform/platform.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication app(argc, argv);
    Platform::quitOnTerminationRequest([] { QCoreApplication::exit(0); });
    SessionData session;
    Clipmoor engine(&session);
    const std::optional<Address> address =
        argc < 2 ? std::nullopt : Address::accept(QString::fromLocal8Bit(argv[1]));
    if (!address)
        return 2;
    engine.requestMetadata(*address);
    return app.exec();
}
