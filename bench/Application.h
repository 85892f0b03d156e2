#pragma once

#include <QApplication>
#include <QByteArray>

// The screens some benchmarks load need an application, on the offscreen platform; made once.
inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "scheduler_bench";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}
