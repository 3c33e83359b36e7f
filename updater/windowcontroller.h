#pragma once

#include "updater/updaterstate.h"

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <QtQml/qqmlregistration.h>

class QQmlApplicationEngine;

class UpdateSchedule;

// The updater window: creates its QML scene on first show, keeps the view state it
// shows, and turns the user's clicks into signals.
class WindowController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the updater")
    Q_PROPERTY(UpdaterState::State updateState READ updateState WRITE setUpdateState NOTIFY
                   updateStateChanged)
    Q_PROPERTY(bool skipUpdateWindow READ skipUpdateWindow WRITE setSkipUpdateWindow NOTIFY
                   skipUpdateChanged)
    Q_PROPERTY(QString appName READ appName CONSTANT)
    Q_PROPERTY(QString appVersion READ appVersion CONSTANT)
    Q_PROPERTY(QString offerWarning READ offerWarning CONSTANT)
    // An offer then says to update through the package manager, and has no update button.
    Q_PROPERTY(bool packageManaged READ packageManaged NOTIFY packageManagedChanged)

public:
    explicit WindowController(UpdateSchedule *schedule, QObject *parent = nullptr);
    ~WindowController() override;

    UpdaterState::State updateState() const { return state; }
    void setUpdateState(UpdaterState::State state);
    bool skipUpdateWindow() const;
    void setSkipUpdateWindow(bool skip);
    QString appName() const;
    QString appVersion() const;
    QString offerWarning() const;
    bool packageManaged() const { return byPackageManager; }
    void setPackageManaged(bool managed);

    // Builds the scene when there is none, shows the given view, raises the window.
    void show(UpdaterState::State view);
    void close();
    bool isVisible() const;
    QQuickWindow *window() const { return quickWindow; }
    // Deletes the scene; a later show() builds a new one.
    void release();

    Q_INVOKABLE void userUpdateClicked();
    Q_INVOKABLE void userUpdateCancel();

signals:
    void updateStateChanged();
    void skipUpdateChanged();
    void packageManagedChanged();
    void ideterminateProgressBar(bool indeterminate); // spelled as the window expects
    void downloadProgressChanged(uint percent);
    void updateClicked();
    void cancelClicked();
    void hidden();

private:
    UpdateSchedule *schedule;
    UpdaterState::State state = UpdaterState::Indefinite;
    bool byPackageManager = false;
    QPointer<QQmlApplicationEngine> engine;
    QPointer<QQuickWindow> quickWindow;
};
