// The whole start and end of the program in this process: qMain as the program runs it,
// with the window closed as soon as it shows the address page. Built twice: once in a
// folder without any plug-in, once beside an update plug-in whose start-up check waits
// until the window is closed, as a check on a slow network would. The first also starts
// in German, where the window and Qt's own texts must speak German.
#include "tests/support/toolstage.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPushButton>
#include <QRegularExpression>
#include <QSemaphore>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#ifdef CLIPMOOR_WAITING_UPDATER
#include "plugins/pluginmanagerhelper.h"
#endif

#include <atomic>
#include <cstdio>

int qMain(int argc, char **argv);

namespace {

QStringList logLines;
QString cancelText;   // the download page's "Cancel" as the window showed it
QString qtCancelText; // and Qt's own, while the program ran

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logLines.append(message);
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Closes the window once it shows the address page, as a user would.
void closeWhenShown()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *pages = window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
            if (window->inherits("Navigation") && window->isVisible() && pages &&
                pages->currentWidget()->objectName() == QLatin1String("page_URL")) {
                cancelText = window->findChild<QPushButton *>(QStringLiteral("btnCancel"))->text();
                qtCancelText = QCoreApplication::translate("QProgressDialog", "Cancel");
                window->close();
            }
        }
    });
    poll->start(20);
}

// A session bus that only notes a knock, on a thread of its own so that a caller that
// waits for it cannot stall it: with no notification to send, the program must not reach
// for one, nor have one started for it where there is none.
class SessionBus : public QThread {
public:
    explicit SessionBus(const QString &path_)
        : path(path_)
    {
    }
    std::atomic<bool> knocked{false};
    QSemaphore ready;
    bool listening = false;

protected:
    void run() override
    {
        QLocalServer server;
        QObject::connect(&server, &QLocalServer::newConnection, [this, &server] {
            knocked = true;
            server.nextPendingConnection()->abort();
        });
        listening = server.listen(path);
        ready.release();
        exec();
    }

private:
    QString path;
};

SessionBus *sessionBus = nullptr;

// Listening before the program gets going.
void startSessionBus()
{
    sessionBus->start();
    sessionBus->ready.acquire();
}

int failures = 0;

void check(bool ok, const char *what)
{
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "FAIL: %s\n", what);
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeWhenShown)
Q_COREAPP_STARTUP_FUNCTION(startSessionBus)

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qunsetenv(name);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=true");
#ifdef CLIPMOOR_WAITING_UPDATER
    qputenv("CLIPMOOR_TEST_UPDATER_WAIT", "1");
#endif
    // The background self-update meets the stand-in, never the network.
    ToolStage(home.path() + QStringLiteral("/.local/share/Quorvel/Clipmoor")).install();
    SessionBus bus(home.path() + QStringLiteral("/bus"));
    sessionBus = &bus;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + home.path().toLocal8Bit() + "/bus");
    qInstallMessageHandler(capture);

    const int result = qMain(argc, argv);

    bus.quit();
    bus.wait();
    check(bus.listening && !bus.knocked, "the session bus left alone");

    qInstallMessageHandler(nullptr);
    check(result == 0, "the event loop's result is 0");
    const QRegularExpression done(
        QStringLiteral("^\\[\\d+\\] int qMain\\(int, char\\*\\*\\) : DONE: 0 \n$"));
    check(!logLines.isEmpty() && done.match(logLines.last()).hasMatch(),
          "the last line is DONE: 0");
    check(!logLines.filter(QStringLiteral("OK: output dir")).isEmpty(), "the start-up ran");
    // The desktop's language, also where its catalogue is named by country.
    const QString language = qEnvironmentVariable("LANGUAGE");
    const QString cancel = language.startsWith(QLatin1String("de")) ? QStringLiteral("Abbrechen")
                           : language.startsWith(QLatin1String("zh_CN"))
                               ? QStringLiteral("\u53d6\u6d88")
                               : QStringLiteral("Cancel");
    check(cancelText == cancel, "the window's language");
    check(qtCancelText == cancelText, "Qt's own language");
#ifdef CLIPMOOR_WAITING_UPDATER
    const QStringList calls =
        PluginManagerHelper::updaterPlugin().get()->property("calls").toStringList();
    check(calls ==
              QStringList({QStringLiteral("startupCheck 2023 25.0826"),
                           QStringLiteral("closed while checking"), QStringLiteral("releaseGui")}),
          qPrintable(calls.join(QLatin1String(", "))));
#else
    // Nothing was logged before the logging plug-in was looked for.
    check(!logLines.isEmpty() && logLines.first().contains(QLatin1String("LoggingMessages.so")),
          "the logging plug-in comes first");
    // No plug-in was there: each was looked for once, and the program still ran fully.
    for (const char *name : {"LoggingMessages", "SysInfo", "Updater"})
        check(logLines.filter(QStringLiteral("%1.so\" load error:").arg(QLatin1String(name)))
                      .size() == 1,
              name);
#endif
    std::fprintf(stderr, failures ? "FAILED\n" : "PASSED\n");
    return failures ? 1 : 0;
}
