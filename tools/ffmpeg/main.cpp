// ffmpeg as Clipmoor ships it on Linux: the system's ffmpeg, made to end together with the
// yt-dlp that started it, so that a merge does not outlive a program killed outright.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
constexpr int parentGone = 127;
constexpr int cannotExecute = 126;
} // namespace

int main(int, char **argv)
{
    const pid_t parent = ::getppid();
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have gone before the request was made, even before it was read:
    // an orphan belongs to the first process.
    constexpr pid_t firstProcess = 1;
    if (::getppid() != parent || parent == firstProcess)
        return parentGone;
    argv[0] = const_cast<char *>(CLIPMOOR_SYSTEM_FFMPEG);
    ::execv(CLIPMOOR_SYSTEM_FFMPEG, argv);
    std::fprintf(stderr, "ERROR: cannot run %s: %s\n", CLIPMOOR_SYSTEM_FFMPEG,
                 std::strerror(errno));
    return cannotExecute;
}
