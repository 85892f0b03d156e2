#pragma once

#include <QString>
#include <QStringList>

#include "core/Shutdown.h"

// The program's start: the steps from launch to the main menu. The way out is EndProgram
// (core/Shutdown.h).

// Runs the start-up steps. False when the program must end at once (another copy runs).
bool Main();

// Makes the fixed data folders at once and starts making every account's free-text folders;
// WaitForAccountFolders returns once those are all there (or noted as not made).
void CreateDataFolders();
void WaitForAccountFolders();
void CreateSiblingFolders();
void CreateDocumentFolders();
void CreateBackupYearFolders();
// False (after telling the user) when another copy of the program is running.
bool CheckPrevInstance();
void InitLists();
void InitTimeSlotNames();
void InitArrays();
void StartProgram();
// Removes the copies that whole-file rewrites cut short left beside the files they rewrite.
void ClearRewriteLeftovers();
void FillTeamLists();
// Tells the main menu which screen each of its routines opens.
void RegisterRoutineScreens();
// Tells the registry in core which screens the others open, where they return, and what
// follows a change of the team list.
void RegisterScreens();

// Forgets the end of a run and the folder failures (tests).
void ResetStartupState();
