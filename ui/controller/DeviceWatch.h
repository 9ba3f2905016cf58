// Tells when something may have happened to a game controller, and nothing
// else: a device file came, went or changed its permissions under
// /dev/input, or the device file of an open pad has input. Nothing wakes the
// program for a pad at rest, or when there is none.
#pragma once

#include <QObject>

#include <map>
#include <string>
#include <vector>

class QSocketNotifier;

class TDeviceWatch : public QObject {
    Q_OBJECT

public:
    // folder: where the device files come and go.
    explicit TDeviceWatch(QObject* parent, std::string folder = "/dev/input");
    ~TDeviceWatch() override;

    // Watches these device files for input from now on, and no others. False
    // when one of them cannot be watched (none named, or it cannot be read).
    bool WatchInput(const std::vector<std::string>& files);

signals:
    void DevicesChanged();
    void InputArrived();

private:
    void WatchFolder();
    void ReadFolderEvents();
    void ReadInput(const std::string& file);

    std::string FFolder;
    int FInotify = -1;
    int FInputFolder = -1; // the watch of the folder, while it exists
    int FDevFolder = -1;   // else the watch of the folder above, for it to appear
    QSocketNotifier* FFolderNotifier = nullptr;
    struct TInput {
        int fd;
        QSocketNotifier* notifier;
    };
    std::map<std::string, TInput> FInputs;
};
