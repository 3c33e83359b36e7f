#pragma once

#include <QString>

// One format the user may choose.
struct FormatRecord {
    uint code = 0;
    QString size;       // e.g. "9.60MiB"; empty when the listing gives none
    QString resolution; // e.g. "640x360"
    // What else tells formats of one resolution apart, as the listing line names it; each
    // empty when the line gives none.
    QString container = {};    // e.g. "mp4"
    QString videoCodec = {};   // e.g. "avc1.640028"
    QString frameRate = {};    // e.g. "30"
    QString dynamicRange = {}; // e.g. "HDR10", "HLG"; empty for standard range
};
