#include "ui/toolupdatepage.h"

#include "app/logtag.h"
#include "engine/clipmoor.h"
#include "ui/errormessage.h"

#include <QDebug>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int toolUpdateDelayMs = 333;
} // namespace

ToolUpdatePage::ToolUpdatePage(Clipmoor *engine_, QLabel *note_, QPushButton *cancel_,
                               QWidget *window_)
    : QObject(window_)
    , engine(engine_)
    , note(note_)
    , cancel(cancel_)
    , window(window_)
{
    // The wait for the release servers may be long: the user may give it up.
    note->hide();
    cancel->hide();
    connect(cancel, &QPushButton::clicked, this, [this] {
        show(false);
        engine->stopUpdate();
        emit cancelled();
    });
    connect(engine, &Clipmoor::resultUpdateBinary, this, &ToolUpdatePage::finish);
}

void ToolUpdatePage::begin()
{
    show(true);
    cancel->setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(toolUpdateDelayMs, this, [this] {
        if (shown)
            engine->updateBinary(false);
    });
}

void ToolUpdatePage::finish(QProcess::ExitStatus status)
{
    qDebug().noquote() << "-->" << CLM_TAG << status;
    if (!shown)
        return;
    show(false);
    emit ended();
    if (status == QProcess::CrashExit)
        openMessage(window, QMessageBox::Warning, tr("ERROR"),
                    tr("Unable to update. Please contact support"));
    else
        openMessage(window, QMessageBox::Information, tr("Success"),
                    tr("Clipmoor was successfully updated"));
}

void ToolUpdatePage::show(bool shown_)
{
    shown = shown_;
    note->setVisible(shown);
    cancel->setVisible(shown);
}
