#include "ui/partdialog.h"

#include "engine/metadataparser.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PartDialog::Check PartDialog::check(const QString &startText, const QString &endText, int duration)
{
    Check result;
    const std::optional<int> from =
        startText.trimmed().isEmpty() ? std::optional<int>(0) : parseClockTime(startText);
    if (!from) {
        result.problem = tr("Type the start as m:ss or h:mm:ss, for example 1:05.");
        result.startWrong = true;
        return result;
    }
    const std::optional<int> to = endText.trimmed().isEmpty() && duration > 0
                                      ? std::optional<int>(duration)
                                      : parseClockTime(endText);
    if (!to) {
        result.problem = tr("Type the end as m:ss or h:mm:ss, for example 2:30.");
        return result;
    }
    if (*to <= *from) {
        result.problem = tr("The end must come after the start.");
        return result;
    }
    if (duration > 0 && *to > duration) {
        result.problem = tr("The video is only %1 long.").arg(clockTime(duration));
        return result;
    }
    // From the start to the end is the whole video.
    if (*from > 0 || duration <= 0 || *to < duration)
        result.part = Part{*from, *to};
    return result;
}

PartDialog::PartDialog(const std::optional<Part> &current, int durationS_, QWidget *parent)
    : QDialog(parent)
    , durationS(durationS_)
    , start(new QLineEdit(this))
    , end(new QLineEdit(this))
    , problem(new QLabel(this))
{
    setWindowTitle(tr("Download Part"));
    start->setObjectName(QStringLiteral("editPartStart"));
    end->setObjectName(QStringLiteral("editPartEnd"));
    start->setPlaceholderText(clockTime(0));
    if (durationS > 0)
        end->setPlaceholderText(clockTime(durationS));
    if (current) {
        start->setText(clockTime(current->first));
        end->setText(clockTime(current->second));
    }
    start->setAccessibleName(tr("Start"));
    end->setAccessibleName(tr("End"));
    problem->setObjectName(QStringLiteral("labelPartProblem"));
    problem->setWordWrap(true);
    problem->hide();

    auto *form = new QFormLayout;
    form->addRow(tr("&Start:"), start);
    form->addRow(tr("&End:"), end);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *whole = buttons->addButton(tr("&Whole Video"), QDialogButtonBox::ResetRole);
    whole->setObjectName(QStringLiteral("btnWholeVideo"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PartDialog::whenOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(whole, &QPushButton::clicked, this, [this] {
        chosen.reset();
        accept();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Which part of the video to download, as m:ss or h:mm:ss:")));
    layout->addLayout(form);
    layout->addWidget(problem);
    layout->addWidget(buttons);
}

void PartDialog::whenOk()
{
    const Check checked = check(start->text(), end->text(), durationS);
    if (!checked.problem.isEmpty()) {
        problem->setText(checked.problem);
        problem->show();
        // The field to mend gets the focus and carries the problem for a screen reader.
        QLineEdit *wrong = checked.startWrong ? start : end;
        start->setAccessibleDescription(QString());
        end->setAccessibleDescription(QString());
        wrong->setAccessibleDescription(checked.problem);
        wrong->setFocus(Qt::OtherFocusReason);
        wrong->selectAll();
        return;
    }
    chosen = checked.part;
    accept();
}
