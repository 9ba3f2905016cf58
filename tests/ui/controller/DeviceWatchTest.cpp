// The device watch on a folder of the test's own: it tells of device files
// coming and going, even once the folder itself appears, and of input on a
// watched file (a FIFO stands in for a pad's device file), and lets go of a
// file that reads no more.
#include "ui/controller/DeviceWatch.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class DeviceWatchTest : public QObject {
    Q_OBJECT

private slots:
    void tellsOfDeviceFilesComingAndGoing() {
        QTemporaryDir dev;
        const QString input = dev.path() + "/input";
        TDeviceWatch watch(nullptr, input.toStdString());
        QSignalSpy changed(&watch, &TDeviceWatch::DevicesChanged);
        QVERIFY(QDir().mkdir(input)); // a machine whose first input device comes now
        QVERIFY(changed.wait(2000));
        changed.clear();
        QFile file(input + "/event7");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(changed.wait(2000));
        changed.clear();
        QVERIFY(file.remove());
        QVERIFY(changed.wait(2000));
    }

    void tellsOfInputOnAWatchedFileUntilItReadsNoMore() {
        QTemporaryDir dev;
        const std::string pad = (dev.path() + "/event3").toStdString();
        QCOMPARE(mkfifo(pad.c_str(), 0600), 0);
        TDeviceWatch watch(nullptr, dev.path().toStdString());
        QVERIFY(!watch.WatchInput({""}));               // a pad with no device file
        QVERIFY(!watch.WatchInput({pad + "-missing"})); // one that cannot be opened
        QVERIFY(watch.WatchInput({pad}));
        const int writer = open(pad.c_str(), O_WRONLY | O_NONBLOCK);
        QVERIFY(writer >= 0);
        QSignalSpy input(&watch, &TDeviceWatch::InputArrived);
        QSignalSpy changed(&watch, &TDeviceWatch::DevicesChanged);
        QCOMPARE(write(writer, "event", 5), ssize_t{5});
        QVERIFY(input.wait(2000));
        QTest::qWait(50);
        QCOMPARE(input.count(), 1); // drained: no more wakes for the same input
        close(writer);              // as a pad unplugged
        QVERIFY(changed.wait(2000));
        input.clear();
        QTest::qWait(50);
        QCOMPARE(input.count(), 0);
    }
};

QTEST_MAIN(DeviceWatchTest)
#include "DeviceWatchTest.moc"
