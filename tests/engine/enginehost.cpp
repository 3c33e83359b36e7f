// A program that runs the engine as Clipmoor does, for the tests that end it from outside:
// it asks for the metadata of the address it is given and runs until it is told to end.
#include "engine/clipmoor.h"
#include "platform/platform.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication app(argc, argv);
    Platform::quitOnTerminationRequest([] { QCoreApplication::exit(0); });
    Clipmoor &engine = Clipmoor::instance();
    if (argc < 2 || !engine.setUrl(QString::fromLocal8Bit(argv[1])))
        return 2;
    engine.requestMetadata();
    return app.exec();
}
