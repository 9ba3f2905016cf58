#include "store/ProfileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace {

bool Wait(int fd) {
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

} // namespace

int TProfileLock::Take(const std::string& directory, const std::string& target, bool& creating) {
    const std::string lockFile = target + ".lock";
    creating = false;
    FFolder.Reset(::open(directory.empty() ? "." : directory.c_str(),
                         O_RDONLY | O_DIRECTORY | O_NOCTTY | O_CLOEXEC));
    if (FFolder.Valid() && Wait(FFolder.Get())) {
        // Read-only is enough for a lock, and creates nothing.
        FFile.Reset(::open(lockFile.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (FFile.Valid() && !Wait(FFile.Get())) {
            FFile.Reset();
        }
        return 0;
    }
    FFolder.Reset();
    FFile.Reset(
        ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!FFile.Valid()) {
        creating = true;
        return errno;
    }
    return Wait(FFile.Get()) ? 0 : errno;
}
