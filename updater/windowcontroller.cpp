#include "updater/windowcontroller.h"

#include "updater/updaterlog.h"
#include "updater/updaterplatform.h"
#include "updater/updateschedule.h"

#include <QCoreApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>

void qml_register_types_UpdaterLib();

namespace {
const QString sceneUrl = QStringLiteral("qrc:/qml/UpdaterLib/Updater.qml");
} // namespace

WindowController::WindowController(UpdateSchedule *schedule_, QObject *parent)
    : QObject(parent)
    , schedule(schedule_)
{
    connect(schedule, &UpdateSchedule::skipChanged, this, &WindowController::skipUpdateChanged);
}

WindowController::~WindowController()
{
    release();
}

void WindowController::setUpdateState(UpdaterState::State state_)
{
    if (state_ == state)
        return;
    state = state_;
    emit updateStateChanged();
}

bool WindowController::skipUpdateWindow() const
{
    return schedule->skipRunning();
}

void WindowController::setSkipUpdateWindow(bool skip)
{
    schedule->setSkip(skip);
}

QString WindowController::appName() const
{
    return QCoreApplication::applicationName();
}

QString WindowController::appVersion() const
{
    return QCoreApplication::applicationVersion();
}

QString WindowController::offerWarning() const
{
    return QCoreApplication::translate("Updater", UpdaterPlatform::offerWarning());
}

void WindowController::setPackageManaged(bool managed)
{
    if (managed == byPackageManager)
        return;
    byPackageManager = managed;
    emit packageManagedChanged();
}

void WindowController::show(UpdaterState::State view)
{
    UPD_INFO("showGUI");
    if (!engine) {
        qml_register_types_UpdaterLib();
        // The window is drawn in the Material style unless the user chose another one.
        if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
            QQuickStyle::setStyle(QStringLiteral("Material"));
        engine = new QQmlApplicationEngine;
        engine->addImportPath(QStringLiteral("qrc:/qml"));
        engine->setInitialProperties({{QStringLiteral("controller"), QVariant::fromValue(this)}});
        engine->load(QUrl(sceneUrl));
        const QList<QObject *> roots = engine->rootObjects();
        quickWindow = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
        if (quickWindow) {
            connect(quickWindow, &QWindow::visibilityChanged, this,
                    [this](QWindow::Visibility visibility) {
                        if (visibility == QWindow::Hidden)
                            emit hidden();
                    });
        }
    }
    if (!quickWindow)
        return;
    setUpdateState(view);
    quickWindow->setIcon(QIcon(QStringLiteral(":/logo/app.ico")));
    quickWindow->setTitle(QCoreApplication::translate("Updater", "%1 Updater")
                              .arg(QCoreApplication::applicationName()));
    quickWindow->show();
    quickWindow->raise();
    quickWindow->requestActivate();
}

void WindowController::close()
{
    if (quickWindow)
        quickWindow->close();
}

bool WindowController::isVisible() const
{
    return quickWindow && quickWindow->isVisible();
}

void WindowController::release()
{
    if (!engine)
        return;
    if (quickWindow)
        quickWindow->disconnect(this);
    delete engine;
    engine.clear();
    quickWindow.clear();
}

void WindowController::userUpdateClicked()
{
    emit updateClicked();
}

void WindowController::userUpdateCancel()
{
    emit cancelClicked();
}
