#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program ends through EndProgram only, never because its last window closed.
    app.setQuitOnLastWindowClosed(false);
    if (!Main())
        return 0;
    return app.exec();
}
