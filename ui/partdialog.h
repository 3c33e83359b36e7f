#pragma once

#include <QDialog>

#include <optional>
#include <utility>

class QLabel;
class QLineEdit;

// Asks for the part of the video to download: its start and end, typed as m:ss or h:mm:ss.
class PartDialog : public QDialog {
    Q_OBJECT

public:
    using Part = std::pair<int, int>; // start and end in seconds

    // The part typed, or why it is none; an empty start is the video's start, an empty end
    // its end. durationS is 0 when the length is unknown.
    struct Check {
        std::optional<Part> part;
        QString problem;
        bool startWrong = false; // else the end, when there is a problem
    };
    static Check check(const QString &start, const QString &end, int durationS);

    PartDialog(const std::optional<Part> &current, int durationS, QWidget *parent);

    // After an accepted dialog: the part, or none for the whole video.
    std::optional<Part> part() const { return chosen; }

private:
    void whenOk();

    int durationS;
    QLineEdit *start;
    QLineEdit *end;
    QLabel *problem;
    std::optional<Part> chosen;
};
