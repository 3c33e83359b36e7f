#include "ui/formatchoices.h"

#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/metadataparser.h"
#include "platform/platform.h"
#include "ui/partdialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>

#include <algorithm>

namespace {
constexpr int minimumNameLength = 8; // characters the closed list shows of a name
}

FormatChoices::FormatChoices(QBoxLayout *layout, QBoxLayout *buttonRow, SessionData *session_,
                             QWidget *window_)
    : QObject(window_)
    , session(session_)
    , window(window_)
    , subtitlesLabel(new QLabel(tr("Subtitles:")))
    , subtitles(new QComboBox)
    , partLabel(new QLabel)
    , partButton(new QPushButton(tr("Download Part…")))
{
    subtitlesLabel->setObjectName(QStringLiteral("labelSubtitles"));
    subtitlesLabel->setBuddy(subtitles);
    subtitles->setObjectName(QStringLiteral("comboSubtitles"));
    subtitles->setAccessibleName(tr("Subtitles"));
    subtitles->setToolTip(tr("Subtitles to put into the video"));
    // Long names would push the row past a small window; the list shows them whole.
    subtitles->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    subtitles->setMinimumContentsLength(minimumNameLength);
    partLabel->setObjectName(QStringLiteral("labelPart"));
    partLabel->setAccessibleName(tr("Part to download"));
    partLabel->setToolTip(partLabel->accessibleName());
    partButton->setObjectName(QStringLiteral("btnPart"));
    partButton->setToolTip(tr("Download only a part of the video"));
    partButton->setAutoDefault(false);
    auto *row = new QHBoxLayout;
    row->addWidget(subtitlesLabel);
    row->addWidget(subtitles);
    row->addStretch();
    row->addWidget(partLabel);
    layout->addLayout(row);
    buttonRow->insertWidget(0, partButton);
    connect(subtitles, &QComboBox::activated, this, &FormatChoices::whenSubtitlesChosen);
    connect(partButton, &QPushButton::clicked, this, &FormatChoices::choosePart);
    reset();
}

void FormatChoices::reset()
{
    subtitles->clear();
    subtitlesLabel->hide();
    subtitles->hide();
    partButton->hide();
    videoOffered = false;
    session->video.part.reset();
    showPart();
}

void FormatChoices::formatsShown(bool videoOffered_)
{
    videoOffered = videoOffered_;
    partButton->show();
}

void FormatChoices::subtitlesKnown(const QList<SubtitleLanguage> &languages)
{
    subtitles->clear();
    const QLocale locale;
    // The sound alone carries no subtitles.
    const QList<SubtitleLanguage> offered =
        videoOffered ? ordered(languages, locale) : QList<SubtitleLanguage>();
    subtitlesLabel->setVisible(!offered.isEmpty());
    subtitles->setVisible(!offered.isEmpty());
    emit changed();
    if (offered.isEmpty())
        return;
    subtitles->addItem(tr("None"));
    // The stored language is chosen again wherever it is offered.
    const QString stored = session->settings->value(QLatin1String(subtitlesKey)).toString();
    for (const SubtitleLanguage &language : offered) {
        const QString name = languageName(language.code, locale);
        subtitles->addItem(language.automatic ? tr("%1 (automatic)").arg(name) : name,
                           language.code);
        if (language.code == stored)
            subtitles->setCurrentIndex(subtitles->count() - 1);
    }
}

void FormatChoices::whenSubtitlesChosen(int index)
{
    const QString code = subtitles->itemData(index).toString();
    qDebug().noquote() << "Subtitles:" << (code.isEmpty() ? QStringLiteral("none") : code);
    if (code.isEmpty())
        session->settings->remove(QLatin1String(subtitlesKey));
    else
        storeIfChanged(session->settings, QLatin1String(subtitlesKey), code);
}

void FormatChoices::choosePart()
{
    const int duration = QTime(0, 0).secsTo(session->video.duration);
    auto *dialog = new PartDialog(session->video.part, duration, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        session->video.part = dialog->part();
        showPart();
    });
    dialog->open();
}

void FormatChoices::showPart()
{
    const std::optional<std::pair<int, int>> &part = session->video.part;
    partLabel->setVisible(part.has_value());
    emit changed();
    if (!part) {
        partButton->setAccessibleDescription(QString());
        return;
    }
    const QString text =
        QStringLiteral("%1 – %2").arg(clockTime(part->first), clockTime(part->second));
    partLabel->setText(text);
    partButton->setAccessibleDescription(text);
}

QString FormatChoices::languageName(const QString &code, const QLocale &locale)
{
    const QString name = Platform::languageDisplayName(code, locale.bcp47Name());
    if (name.isEmpty())
        return code;
    return locale.toUpper(name.left(1)) + name.mid(1);
}

QList<SubtitleLanguage> FormatChoices::ordered(QList<SubtitleLanguage> languages,
                                               const QLocale &locale)
{
    const QString own = QLocale::languageToCode(locale.language());
    const auto isOwn = [&own](const SubtitleLanguage &language) {
        return language.code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0) == own;
    };
    std::stable_sort(
        languages.begin(), languages.end(),
        [&](const SubtitleLanguage &a, const SubtitleLanguage &b) {
            if (isOwn(a) != isOwn(b))
                return isOwn(a);
            if (a.automatic != b.automatic)
                return !a.automatic;
            return languageName(a.code, locale).localeAwareCompare(languageName(b.code, locale)) <
                   0;
        });
    return languages;
}
