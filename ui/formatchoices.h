#pragma once

#include "app/videoinfo.h"

#include <QObject>

class QBoxLayout;
class QComboBox;
class QLabel;
class QLocale;
class QPushButton;
struct SessionData;

// The format page's choices besides the format: the subtitles to embed (from the languages
// the video offers) and the part of the video to download. Both apply to the next download.
class FormatChoices : public QObject {
    Q_OBJECT

public:
    // Adds the subtitles and the part chosen as a row to layout, and the part's button to
    // buttonRow; the part dialog opens over window.
    FormatChoices(QBoxLayout *layout, QBoxLayout *buttonRow, SessionData *session, QWidget *window);

    // A new video: nothing offered, the whole video.
    void reset();
    // The formats are listed: a part may be chosen, and subtitles when a video is offered.
    void formatsShown(bool videoOffered);
    // The video's subtitle languages are known.
    void subtitlesKnown(const QList<SubtitleLanguage> &languages);

    // A language by its name in locale's language, its first letter upper case; the code
    // itself when it names no language.
    static QString languageName(const QString &code, const QLocale &locale);
    // The languages in the order offered: the user's own language first, then by name.
    static QList<SubtitleLanguage> ordered(QList<SubtitleLanguage> languages,
                                           const QLocale &locale);

signals:
    // What the choices show has changed, and with it the room they take.
    void changed();

private:
    void whenSubtitlesChosen(int index);
    void choosePart();
    void showPart();

    SessionData *session;
    bool videoOffered = false;
    QWidget *window;
    QLabel *subtitlesLabel;
    QComboBox *subtitles;
    QLabel *partLabel;
    QPushButton *partButton;
};
