#pragma once

#include "plugins/interfaces/aboutappinterface.h"
#include "plugins/interfaces/logginginterface.h"
#include "plugins/interfaces/sysinfointerface.h"
#include "plugins/interfaces/updateinterface.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>
#include <QString>

#include <atomic>

// Loads the optional plug-ins from the program's folder, each at most once per run.
// A missing or unsuitable plug-in yields no interface; callers then skip their call.
namespace PluginManagerHelper {

// A warning-level stream that already names the plug-in manager.
QDebug Warning();

// The file name of a plug-in with the given base name ("Updater.dll", "Updater.so").
QString pluginFileName(const QString &baseName);
// The plug-in file: the program's folder, the base name and the platform's suffix.
QString pluginFilePath(const QString &baseName);

template <typename T> class PluginHandle {
public:
    explicit PluginHandle(const QString &baseName_)
        : baseName(baseName_)
    {
    }
    PluginHandle(const PluginHandle &) = delete;
    PluginHandle &operator=(const PluginHandle &) = delete;

    QString filePath() const { return pluginFilePath(baseName); }

    // The interface, or null; the first call loads the plug-in.
    T *get()
    {
        if (attempted.exchange(true))
            return interface;
        // Only this exact file: the loader would quietly try other names and folders.
        if (!QFileInfo::exists(filePath())) {
            Warning() << filePath() << "load error:" << QStringLiteral("No such file");
            return nullptr;
        }
        loader.setFileName(filePath());
        if (!loader.load()) {
            Warning() << filePath() << "load error:" << loader.errorString();
            return nullptr;
        }
        QObject *root = loader.instance();
        if (!root)
            return interface;
        interface = qobject_cast<T *>(root);
        if (interface)
            return interface;
        Warning() << filePath() << "iface mismatch";
        loader.unload();
        return nullptr;
    }

private:
    QString baseName;
    QPluginLoader loader;
    T *interface = nullptr;
    std::atomic<bool> attempted{false};
};

class UpdaterHandle : public PluginHandle<UpdateInterface> {
public:
    using PluginHandle::PluginHandle;
    // Connections made once per run; key 0 is the window's use of updateDone().
    QHash<int, bool> connectedFlags;
};

PluginHandle<LoggingInterface> &loggingPlugin();
PluginHandle<SysInfoInterface> &sysInfoPlugin();
PluginHandle<AboutAppInterface> &aboutPlugin();
UpdaterHandle &updaterPlugin();

} // namespace PluginManagerHelper
