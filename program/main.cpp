#include "app/identity.h"
#include "app/logtag.h"
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/clipmoor.h"
#include "platform/platform.h"
#include "plugins/pluginmanagerhelper.h"
#include "translations/translations.h"
#include "ui/navigation.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDebug>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

using PluginManagerHelper::loggingPlugin;
using PluginManagerHelper::sysInfoPlugin;

namespace {

// The program's own options, described in the user's language once the catalogues are in.
struct Options {
    QCommandLineOption updateAs{
        QStringLiteral("update-as"),
        QCoreApplication::translate("main", "update this app as some version"),
        QStringLiteral("version"), QString()};
    QCommandLineOption uid{QStringLiteral("uid"), QCoreApplication::translate("main", "show UID")};
};

void addOptions(QCommandLineParser &parser, const Options &options)
{
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.updateAs);
    parser.addOption(options.uid);
}

// Creating the window's application aborts where there is no display. The help, the
// version and a malformed command line need none, so they are answered (and the process
// ends) here; anything else is left to the window's start.
void answerWithoutDisplay(int &argc, char **argv)
{
    if (Platform::hasDisplay())
        return;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    {
        QCommandLineParser parser;
        addOptions(parser, Options());
        if (parser.parse(arguments) && !parser.isSet(QStringLiteral("help")) &&
            !parser.isSet(QStringLiteral("help-all")) && !parser.isSet(QStringLiteral("version")))
            return;
    }
    QCoreApplication app(argc, argv);
    Translations::install();
    QCommandLineParser parser;
    const Options options;
    addOptions(parser, options);
    parser.process(app);
}

} // namespace

int qMain(int argc, char **argv)
{
    QApplication::setApplicationName(QLatin1String(Identity::name));
    QApplication::setOrganizationName(QLatin1String(Identity::organization));
    QApplication::setApplicationVersion(QLatin1String(Identity::version));
    answerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    // The desktop matches the window to the menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QLatin1String(Identity::applicationId));

    // Before anything else is logged, so that the log holds every line of this run.
    if (loggingPlugin().get()) {
        loggingPlugin().get()->configure(
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
            QStringLiteral("settings.ini"));
    }
    Translations::install();
    if (sysInfoPlugin().get()) {
        sysInfoPlugin().get()->setAppInfo(QLatin1String(Identity::version),
                                          QLatin1String(Identity::buildDate), 0, 1);
    }

    // Made after the application and gone before it: the engine's runs end with it, not
    // with an event loop that no longer runs.
    SessionData session;
    checkAndSetupFiles(session.settings);
    // The help and the version end the process in the parser, past every destructor.
    session.settings->sync();
    Clipmoor engine(&session);

    QCommandLineParser parser;
    auto window = std::make_unique<Navigation>(&engine, &session);
    window->parser = &parser;
    const Options options;
    addOptions(*window->parser, options);
    window->parser->process(app);

    window->setWindowTitle(QStringLiteral("%1 %2").arg(QLatin1String(Identity::name),
                                                       QLatin1String(Identity::version)));
    // The start-up check may wait on the network while the window is shown. Closing the
    // window then must end those waits too, not only an event loop yet to start.
    QObject::connect(window.get(), &QDialog::finished, &app, [] { QCoreApplication::exit(0); });
    // Asked to end from outside (kill, logout, Ctrl+C): close without questions, as at a
    // normal close, so that no run is left behind.
    Platform::quitOnTerminationRequest([target = window.get()] { target->done(0); });
    window->showMainWindow();

    const int result = window->isVisible() ? app.exec() : 0;
    Platform::quitOnTerminationRequest(nullptr);

    qInfo().noquote() << CLM_TAG << "DONE:" << result << "\n";
    if (loggingPlugin().get())
        loggingPlugin().get()->finish();
    window.reset();
    return result;
}
