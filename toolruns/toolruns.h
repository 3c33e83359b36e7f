#pragma once

#include <QString>
#include <QStringList>

// The runs the program asks of the tool for one video, as the engine starts them and as
// the launcher recognises them: both sides build and read them here, so they cannot drift.
namespace ToolRuns {

enum class Kind { Metadata, Listing, Download, Other };

// The title and duration lines.
QStringList metadataArguments(const QString &target);
// The format table.
QStringList listingArguments(const QString &target);
// The download of one format into outputFolder, with ffmpeg from toolFolder.
QStringList downloadArguments(uint formatCode, const QString &toolFolder,
                              const QString &outputFolder, const QString &target);

// Which of the runs above the arguments are; Other for anything else.
Kind classify(const QStringList &arguments);

} // namespace ToolRuns
