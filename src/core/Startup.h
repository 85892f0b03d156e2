#pragma once

#include <QString>
#include <QStringList>

// The program's entry and exit: the start-up steps from launch to the main menu, and the one
// shutdown routine every screen's close box leads to.

// Runs the start-up steps. False when the program must end at once (another copy runs).
bool Main();

void CreateDataFolders();
void CreateSiblingFolders();
void CreateDocumentFolders();
void CreateBackupYearFolders();
// False (after telling the user) when another copy of the program is running.
bool CheckPrevInstance();
void InitLists();
void InitTimeSlotNames();
void InitArrays();
void StartProgram();
void FillTeamLists();
// Tells the main menu which screen each of its routines opens.
void RegisterRoutineScreens();

// Backs up the shared files, unloads every screen newest first and ends the program.
void EndProgram();
void BackupSharedFiles();
void BackupFileList();

// The eleven shared files copied into the backup folder at every exit, in order.
QStringList BackupFileNames();

// What ending the program does once the screens are unloaded (tests replace it).
void SetProgramEndAction(void (*action)());
bool ProgramEnded();
// Forgets the end of a run and the folder failures (tests).
void ResetStartupState();
