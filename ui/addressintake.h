#pragma once

#include "engine/address.h"

#include <QObject>

#include <optional>

class Clipmoor;
class QLineEdit;
class QMimeData;
class QSettings;
class QWidget;

// Brings an address into the address field without typing: from the clipboard when the
// empty field is shown or its window activated, and from a link dropped onto the window. The
// address waits, selected, for Enter or the process button, and is prepared meanwhile when
// the menu's choice says so.
class AddressIntake : public QObject {
    Q_OBJECT

public:
    // Watches drops onto the window while the field's page is the current one; engine
    // prepares what is taken.
    AddressIntake(QWidget *window, QLineEdit *field, Clipmoor *engine, const QSettings *settings);

    // Takes an accepted address from the clipboard into the field if the field is empty.
    void offerClipboard();

    // The first accepted address that the data carries, as links or as text.
    static std::optional<Address> addressIn(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void take(const Address &address);
    bool fieldShown() const;

    QWidget *window;
    QLineEdit *field;
    Clipmoor *engine;
    const QSettings *settings;
};
