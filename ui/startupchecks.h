#pragma once

class QCommandLineParser;

// At the window's first show: what the command line asks for (the identifier shown, an
// update as another version), else the updater's own check at start. Without a parser,
// only the check.
void runStartupChecks(QCommandLineParser *parser);
