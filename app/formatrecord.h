#pragma once

#include <QString>

// One format the user may choose.
struct FormatRecord {
    uint code = 0;
    QString size;       // e.g. "9.60MiB"; empty when the listing gives none
    QString resolution; // e.g. "640x360"
};
