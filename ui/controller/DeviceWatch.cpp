#include "ui/controller/DeviceWatch.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

// Reads fd until it has nothing more; false once it has gone (end of file,
// or an error: a device that was unplugged).
bool Drain(int fd) {
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

} // namespace

TDeviceWatch::TDeviceWatch(QObject* parent, std::string folder)
    : QObject(parent), FFolder(std::move(folder)) {
    FInotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (FInotify < 0) {
        return;
    }
    WatchFolder();
    FFolderNotifier = new QSocketNotifier(FInotify, QSocketNotifier::Read, this);
    connect(FFolderNotifier, &QSocketNotifier::activated, this, &TDeviceWatch::ReadFolderEvents);
}

TDeviceWatch::~TDeviceWatch() {
    for (auto& [file, input] : FInputs) {
        close(input.fd);
    }
    if (FInotify >= 0) {
        close(FInotify);
    }
}

void TDeviceWatch::WatchFolder() {
    FInputFolder = inotify_add_watch(FInotify, FFolder.c_str(),
                                     IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_FROM |
                                         IN_MOVED_TO | IN_ONLYDIR);
    if (FInputFolder >= 0) {
        if (FDevFolder >= 0) {
            inotify_rm_watch(FInotify, FDevFolder);
            FDevFolder = -1;
        }
    } else if (FDevFolder < 0) {
        // A machine without input devices yet: wait for their folder.
        const std::string above = FFolder.substr(0, FFolder.rfind('/'));
        FDevFolder = inotify_add_watch(FInotify, above.empty() ? "/" : above.c_str(),
                                       IN_CREATE | IN_MOVED_TO | IN_ONLYDIR);
    }
}

void TDeviceWatch::ReadFolderEvents() {
    alignas(inotify_event) char buffer[4096];
    bool changed = false;
    for (;;) {
        const ssize_t n = read(FInotify, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->wd == FInputFolder) {
                changed = true;
                if (event->mask & IN_IGNORED) { // the folder itself went
                    FInputFolder = -1;
                    WatchFolder();
                }
            } else if (event->wd == FDevFolder && event->len > 0 &&
                       FFolder.substr(FFolder.rfind('/') + 1) == event->name) {
                WatchFolder();
                changed = true;
            }
        }
    }
    if (changed) {
        emit DevicesChanged();
    }
}

bool TDeviceWatch::WatchInput(const std::vector<std::string>& files) {
    for (auto input = FInputs.begin(); input != FInputs.end();) {
        if (std::find(files.begin(), files.end(), input->first) == files.end()) {
            close(input->second.fd);
            input->second.notifier->setEnabled(false);
            input->second.notifier->deleteLater();
            input = FInputs.erase(input);
        } else {
            ++input;
        }
    }
    bool all = true;
    for (const std::string& file : files) {
        if (file.empty()) {
            all = false;
            continue;
        }
        if (FInputs.count(file) != 0) {
            continue;
        }
        // A reader of its own beside SDL's: each gets every event.
        const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            all = false;
            continue;
        }
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, file] { ReadInput(file); });
        FInputs.emplace(file, TInput{fd, notifier});
    }
    return all;
}

void TDeviceWatch::ReadInput(const std::string& file) {
    const auto input = FInputs.find(file);
    if (input == FInputs.end()) {
        return;
    }
    if (Drain(input->second.fd)) {
        emit InputArrived();
        return;
    }
    // Unplugged: the file reads no more, and would wake the program for ever.
    close(input->second.fd);
    input->second.notifier->setEnabled(false);
    input->second.notifier->deleteLater();
    FInputs.erase(input);
    emit DevicesChanged();
}
