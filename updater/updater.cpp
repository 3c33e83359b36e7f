#include "updater/updater.h"

#include "updater/updaterlog.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QNetworkReply>
#include <QPushButton>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace {
constexpr int manualCheckDelayMs = 666;
constexpr int cancelMessageMs = 3000;
constexpr int skipDays = 14;
} // namespace

Updater::Updater(QObject *parent)
    : UpdateInterface(parent)
{
    QString name = QCoreApplication::applicationName();
    name.remove(QLatin1Char(' '));
    skipUntilKey = QStringLiteral("SKIP_UPDATE_UNTIL/%1").arg(name);
    lastCheckKey = QStringLiteral("LAST_CHECK_DATE/%1").arg(name);

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    const QString path = QStringLiteral("%1/updater.ini").arg(folder);
    UPD_INFO("Updater") << path;
    settings = new QSettings(path, QSettings::IniFormat, this);

    connect(this, &Updater::requestShowGUI, this, &Updater::showGUI, Qt::UniqueConnection);
    connect(this, &Updater::requestUpdateState, this, &Updater::setUpdateState,
            Qt::UniqueConnection);
}

Updater::~Updater()
{
    releaseGui();
}

void Updater::closeWindow(bool notify)
{
    notifyDoneOnHide = notify;
    if (window)
        window->close();
}

void Updater::startupCheck(uint localVersion_, const QString &tag)
{
    if (!settings) {
        emit updateDone();
        return;
    }
    if (!shouldShowUpdateWindow()) {
        qInfo().noquote() << "> Don't check for update for 2 weeks";
        closeWindow(true);
        return;
    }
    suppressErrorDialogs = true;
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    if (settings->value(lastCheckKey).toString() == today) {
        qInfo().noquote() << "> Already checked today, do nothing";
        closeWindow(true);
        return;
    }
    // Recorded first, so that a failed check still counts as today's.
    settings->setValue(lastCheckKey, today);
    settings->sync();
    if (makeActualCheck(localVersion_, tag) == UpdateYes)
        emit requestShowGUI(UpdateYes);
}

void Updater::silentCheck(uint localVersion_, const QString &tag)
{
    UPD_INFO(Q_FUNC_INFO) << tag << localVersion_;
    suppressErrorDialogs = true;
    if (makeActualCheck(localVersion_, tag) == UpdateYes)
        emit requestShowGUI(UpdateYes);
}

void Updater::manualCheck(uint localVersion_, const QString &tag)
{
    UPD_INFO(Q_FUNC_INFO) << tag << localVersion_;
    suppressErrorDialogs = false;
    emit requestShowGUI(Progress);
    QCoreApplication::processEvents();
    QTimer::singleShot(manualCheckDelayMs, Qt::PreciseTimer, this, [this, localVersion_, tag] {
        const State result = makeActualCheck(localVersion_, tag);
        if (result == UpdateYes || result == UpdateNot)
            emit requestUpdateState(result);
    });
}

Updater::State Updater::makeActualCheck(uint localVersion_, const QString &)
{
    UPD_INFO(Q_FUNC_INFO);
    const auto finish = [](State result) {
        UPD_INFO("makeActualCheck") << result;
        return result;
    };
    if (!downloadJSON() || !parseJSON()) {
        closeWindow(false);
        return finish(Progress);
    }
    UPD_INFO("makeActualCheck") << "isEnabled:" << (updatesEnabled ? "true" : "false");
    if (!updatesEnabled)
        return finish(Progress);

    localVersion = localVersion_;
    qInfo().noquote() << "lcl. ver:" << localVersion;
    qInfo().noquote() << "srv. ver:" << latestVersion;
    if (localVersion >= latestVersion)
        return finish(UpdateNot);
    if (localVersion < oldVersion) {
        updateKind = 1;
        updateUrl = QUrl(oldPath, QUrl::TolerantMode);
    } else {
        updateKind = 2;
        updateUrl = QUrl(latestPath, QUrl::TolerantMode);
    }
    return finish(UpdateYes);
}

void Updater::showGUI(Updater::State state)
{
    UPD_INFO("showGUI");
    if (!engine) {
        qmlRegisterUncreatableMetaObject(Updater::staticMetaObject, "UpdaterLib", 1, 0, "Lib",
                                         QStringLiteral("Enums only"));
        // The window is drawn in the Material style unless the user chose another one.
        if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
            QQuickStyle::setStyle(QStringLiteral("Material"));
        engine = new QQmlApplicationEngine;
        engine->rootContext()->setContextProperty(QStringLiteral("updater"), this);
        engine->rootContext()->setContextProperty(QStringLiteral("appName"),
                                                  QCoreApplication::applicationName());
        engine->rootContext()->setContextProperty(QStringLiteral("appVers"),
                                                  QCoreApplication::applicationVersion());
        engine->load(QUrl(QStringLiteral("qrc:/qml/Updater.qml")));
        const QList<QObject *> roots = engine->rootObjects();
        window = roots.isEmpty() ? nullptr : qobject_cast<QWindow *>(roots.first());
        if (window) {
            connect(window, &QWindow::visibilityChanged, this,
                    [this](QWindow::Visibility visibility) {
                        if (visibility == QWindow::Hidden && notifyDoneOnHide)
                            emit updateDone();
                    });
        }
    }
    if (!window)
        return;
    emit requestUpdateState(state);
    window->setIcon(QIcon(QStringLiteral(":/logo/app.ico")));
    window->setTitle(QStringLiteral("%1 Updater").arg(QCoreApplication::applicationName()));
    window->show();
    window->raise();
    window->requestActivate();
}

void Updater::setUpdateState(State state)
{
    if (state == updateState)
        return;
    updateState = state;
    emit updateStateChanged();
}

bool Updater::shouldShowUpdateWindow() const
{
    const QDateTime until =
        QDateTime::fromString(settings->value(skipUntilKey).toString(), Qt::ISODate);
    if (!until.isValid())
        return true;
    return QDateTime::currentDateTimeUtc() >= until;
}

bool Updater::skipUpdateWindow() const
{
    return !shouldShowUpdateWindow();
}

void Updater::setSkipUpdateWindow(bool skip)
{
    if (skip)
        settings->setValue(skipUntilKey,
                           QDateTime::currentDateTimeUtc().addDays(skipDays).toString(Qt::ISODate));
    else
        settings->remove(skipUntilKey);
    settings->sync();
    emit skipUpdateChanged();
}

void Updater::userUpdateClicked()
{
    UPD_INFO(Q_FUNC_INFO) << updateKind << "what:" << updateUrl.toString();
    if (updateKind == 1) {
        QDesktopServices::openUrl(updateUrl);
        closeWindow(false);
        return;
    }
    downloadFile();
}

void Updater::userUpdateCancel()
{
    UPD_INFO(Q_FUNC_INFO);
    if (!reply) {
        closeWindow(false);
        return;
    }
    reply->abort();
    if (installerFile) {
        installerFile->close();
        QFile::remove(installerFile->fileName());
        installerFile->deleteLater();
        installerFile = nullptr;
    }
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Download cancelled"),
                                QStringLiteral("The download was cancelled by the user."),
                                QMessageBox::Close);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(cancelMessageMs, box, [box] {
        if (box->isVisible())
            box->done(QMessageBox::Close);
    });
    box->exec();
    closeWindow(true);
}

void Updater::releaseGui()
{
    if (!engine)
        return;
    engine->rootContext()->setContextProperty(QStringLiteral("updater"), nullptr);
    delete engine;
    window = nullptr;
    engine.clear();
}
