#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

// When the updater may check: the user's two-week skip and the day of the last start-up
// check, kept in updater.ini in the per-user configuration folder.
class UpdateSchedule : public QObject {
    Q_OBJECT

public:
    static constexpr int skipDays = 14;

    explicit UpdateSchedule(QObject *parent = nullptr);

    QString fileName() const { return settings.fileName(); }

    // True while the two-week skip runs.
    bool skipRunning() const;
    // Starts a new two-week skip, or ends it; tells skipChanged() every time.
    void setSkip(bool skip);

    bool checkedToday() const;
    void recordCheckToday();

signals:
    void skipChanged();

private:
    QSettings settings;
    QString skipUntilKey;
    QString lastCheckKey;
};
