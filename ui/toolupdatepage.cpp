#include "ui/toolupdatepage.h"

#include "ui/errormessage.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int toolUpdateDelayMs = 333;
} // namespace

ToolUpdatePage::ToolUpdatePage(QLabel *note_, QPushButton *cancel_, QWidget *window_)
    : QObject(window_)
    , note(note_)
    , cancel(cancel_)
    , window(window_)
{
    // The wait for the release servers may be long: the user may give it up.
    note->hide();
    cancel->hide();
    connect(cancel, &QPushButton::clicked, this, [this] {
        show(false);
        emit cancelled();
    });
}

void ToolUpdatePage::begin()
{
    show(true);
    cancel->setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(toolUpdateDelayMs, this, [this] {
        if (shown)
            emit updateWanted();
    });
}

bool ToolUpdatePage::finish(QProcess::ExitStatus status)
{
    if (!shown)
        return false;
    show(false);
    emit ended();
    if (status == QProcess::CrashExit)
        openMessage(window, QMessageBox::Warning, tr("ERROR"),
                    tr("Unable to update. Please contact support"));
    else
        openMessage(window, QMessageBox::Information, tr("Success"),
                    tr("Clipmoor was successfully updated"));
    return true;
}

void ToolUpdatePage::show(bool shown_)
{
    shown = shown_;
    note->setVisible(shown);
    cancel->setVisible(shown);
}
