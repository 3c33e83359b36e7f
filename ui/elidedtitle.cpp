#include "ui/elidedtitle.h"

#include <QEvent>
#include <QLabel>
#include <QSizePolicy>

ElidedTitle::ElidedTitle(QLabel *label_)
    : QObject(label_)
    , label(label_)
    , full(label_->text())
{
    // The label takes the width it is given, whatever the length of the title.
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    label->installEventFilter(this);
}

void ElidedTitle::setText(const QString &title)
{
    full = title;
    label->setToolTip(title);
    // A screen reader reads the whole title, not what fits.
    label->setAccessibleName(title);
    elide();
}

bool ElidedTitle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == label &&
        (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        elide();
    return QObject::eventFilter(watched, event);
}

void ElidedTitle::elide()
{
    const int width = label->contentsRect().width();
    label->setText(label->fontMetrics().elidedText(full, Qt::ElideRight, width));
}
