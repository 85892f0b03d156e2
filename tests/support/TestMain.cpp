#include "platform/SerialPort.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Screens of a real size: a 1280x1024 desk screen (the primary) beside a 1024x768 one.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TEST_SCREENS_FILE);
    QApplication app(argc, argv);
    SetPortTable(QStringList());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
