// ffmpeg as Clipmoor ships it on Linux: the system's ffmpeg, made to end together with the
// yt-dlp that started it, so that a merge does not outlive a program killed outright.
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
constexpr int parentGone = 127;
constexpr int cannotExecute = 126;
} // namespace

int main(int, char **argv)
{
    if (!Platform::endWithParent(::getppid()))
        return parentGone;
    argv[0] = const_cast<char *>(CLIPMOOR_SYSTEM_FFMPEG);
    ::execv(CLIPMOOR_SYSTEM_FFMPEG, argv);
    std::fprintf(stderr, "ERROR: cannot run %s: %s\n", CLIPMOOR_SYSTEM_FFMPEG,
                 std::strerror(errno));
    return cannotExecute;
}
