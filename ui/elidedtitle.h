#pragma once

#include <QObject>
#include <QString>

class QLabel;

// Shows a title in a label cut to the label's width with "…", the whole title as its
// tooltip; cut afresh whenever the label changes size.
class ElidedTitle : public QObject {
    Q_OBJECT

public:
    explicit ElidedTitle(QLabel *label);

    void setText(const QString &title);
    QString text() const { return full; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void elide();

    QLabel *label;
    QString full;
};
