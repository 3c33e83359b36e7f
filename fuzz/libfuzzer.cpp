// The failure report of a libFuzzer target: an abort, which libFuzzer records as a crash.
#include "fuzz/fuzztarget.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

void fuzzFailure(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

namespace {
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}
const bool silenced = (qInstallMessageHandler(quiet), true);
} // namespace
