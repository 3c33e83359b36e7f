#include "ui/errormessage.h"

#include "engine/clipmoor.h"
#include "engine/toolerror.h"
#include "platform/platform.h"
#include "toolruns/toolruns.h"
#include "ui/downloadchoices.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
const char browserProperty[] = "browser";
}

ErrorMessage errorMessage(int code, const QString &toolLine, const QList<ToolFailure::Note> &tried,
                          const QString &cookiesBrowser)
{
    const FailureText text = failureText(code, toolLine, tried, cookiesBrowser);
    ErrorMessage message;
    message.text = QStringLiteral("<h3>%1</h3><p>%2</p><p><small>%3</small></p>")
                       .arg(text.headline.toHtmlEscaped(), text.advice.toHtmlEscaped(),
                            QCoreApplication::translate("ErrorMessage", "Code: #0x%1")
                                .arg(QString::number(uint(code), 16)));
    message.details = toolLine;
    message.cookiesMayHelp = code == Clipmoor::MetadataTooFewLines ||
                             code == Clipmoor::FormatsFailed || code == Clipmoor::VideoFailed;
    return message;
}

void addCookieButtons(QMessageBox *box, const QString &toolLine, const QString &cookiesBrowser)
{
    if (ToolRuns::cookieBrowsers().contains(cookiesBrowser) ||
        !ToolFailure::needsSignIn(ToolFailure::classify(toolLine)))
        return;
    for (const QString &browser : Platform::browsersWithProfiles(ToolRuns::cookieBrowsers())) {
        QPushButton *button =
            box->addButton(QCoreApplication::translate("ErrorMessage", "Try Again with %1 Cookies")
                               .arg(DownloadChoices::displayName(browser)),
                           QMessageBox::AcceptRole);
        button->setProperty(browserProperty, browser);
    }
}

QString cookiesChosen(const QMessageBox *box)
{
    const QAbstractButton *clicked = box->clickedButton();
    return clicked ? clicked->property(browserProperty).toString() : QString();
}

QMessageBox *openMessage(QWidget *window, QMessageBox::Icon icon, const QString &title,
                         const QString &text)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

QMessageBox *openErrorBox(QWidget *window, const Clipmoor::Failure &failure,
                          const QString &cookiesBrowser,
                          const std::function<void(const QString &browser)> &retry)
{
    const ErrorMessage message =
        errorMessage(failure.code, failure.toolLine, failure.steps, cookiesBrowser);
    QMessageBox *box = openMessage(window, QMessageBox::Critical,
                                   QCoreApplication::translate("ErrorMessage", "ERROR"), QString());
    box->setTextFormat(Qt::RichText);
    box->setText(message.text);
    if (!message.details.isEmpty())
        box->setDetailedText(message.details);
    if (!message.cookiesMayHelp)
        return box;
    addCookieButtons(box, failure.toolLine, cookiesBrowser);
    QObject::connect(box, &QMessageBox::finished, box, [box, retry] {
        const QString browser = cookiesChosen(box);
        if (!browser.isEmpty())
            retry(browser);
    });
    return box;
}
