#include "app/Startup.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program ends through EndProgram only, never because its last window closed.
    app.setQuitOnLastWindowClosed(false);
    // Every data file lives in the program's folder; nothing may be read or made elsewhere.
    const ProgramFolderEntry folder = EnterProgramFolder(ExecutablePath());
    if (!folder.Entered) {
        MsgBox(folder.ShownName.isEmpty()
                   ? QStringLiteral("The program cannot find its own folder.")
                   : QStringLiteral("The program cannot open its own folder:\n%1\n"
                                    "Move the program into a folder it can open, then start it again.")
                         .arg(folder.ShownName),
               MsgButtons::OkOnly, MsgIcon::Critical, QStringLiteral("Program Folder"));
        return 1;
    }
    if (!Main())
        return 0;
    return app.exec();
}
