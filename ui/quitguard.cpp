#include "ui/quitguard.h"

#include "app/identity.h"
#include "engine/clipmoor.h"

#include <QMessageBox>

QuitGuard::QuitGuard(Clipmoor *engine_, QWidget *window_)
    : QObject(window_)
    , engine(engine_)
    , window(window_)
{
    connect(engine, &Clipmoor::haveVideo, this, &QuitGuard::dropQuestion);
    connect(engine, &Clipmoor::somethingWrong, this, [this] {
        if (!engine->isDownloading())
            dropQuestion();
    });
}

bool QuitGuard::mayClose()
{
    if (!engine->isDownloading())
        return true;
    if (question)
        return false;
    auto *box = new QMessageBox(QMessageBox::Question, QLatin1String(Identity::name),
                                tr("A download is running. Stop it and quit?"),
                                QMessageBox::Yes | QMessageBox::No, window);
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    question = box;
    connect(box, &QMessageBox::finished, this, [this, box] {
        if (box->clickedButton() != box->button(QMessageBox::Yes))
            return;
        engine->stopTool(true);
        window->close();
    });
    box->open();
    return false;
}

void QuitGuard::dropQuestion()
{
    if (question)
        question->done(QMessageBox::No);
}
