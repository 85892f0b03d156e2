#pragma once

#include <QStringList>

// The one shutdown routine every screen's close box leads to, and the backup of the shared files
// it makes on the way out.

class SingleInstanceLock;

// Backs up the shared files, unloads every screen newest first and ends the program.
void EndProgram();
void BackupSharedFiles();
void BackupFileList();

// The eleven shared files copied into the backup folder at every exit, in order.
QStringList BackupFileNames();
// Asked at each exit backup: the names (as BackupFileNames gives them) whose backup copies must
// stay as they are, because a change of several files is not settled yet.
void SetExitBackupHold(QStringList (*held)());

// The lock that keeps a second copy from running on the same program folder; released at the end.
SingleInstanceLock& ProgramLock();

// What ending the program does once the screens are unloaded (tests replace it).
void SetProgramEndAction(void (*action)());
bool ProgramEnded();
// Forgets the end of a run and releases the lock (tests).
void ResetShutdownState();
