#pragma once

#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "support/ProgramFolderFixture.h"
#include "support/UserInput.h"

#include <QPoint>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

class FlexGrid;
class QWidget;

// A program folder plus what a running program holds beyond it: settings at their defaults, a
// fresh start-up state, scripted message boxes and an end of program that does not quit the
// test run. Every screen is unloaded afterwards, and a message box that no test answered fails.
class ScreenFixture : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    MessageScript& Script() { return *script_; }

    std::optional<MessageScript> script_;
};

// The events of the recording screens below, in order, as "A.Load", "A.QueryUnload1" and so on.
QStringList& ScreenEvents();

// A screen that records its events under its one-letter name. Unload can be refused, and hooks
// run inside Form_Activate, Form_Deactivate and Form_Unload.
template <char Name>
class RecordingScreen : public Screen {
public:
    bool RefuseUnload = false;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void()> OnUnload;

protected:
    void Form_Load() override { Note("Load"); }
    void Form_Activate() override
    {
        Note("Activate");
        if (OnActivate)
            OnActivate();
    }
    void Form_Deactivate() override
    {
        Note("Deactivate");
        if (OnDeactivate)
            OnDeactivate();
    }
    void Form_QueryUnload(int unloadMode, bool& cancel) override
    {
        Note("QueryUnload" + QString::number(unloadMode));
        cancel = RefuseUnload;
    }
    void Form_Unload() override
    {
        Note("Unload");
        if (OnUnload)
            std::exchange(OnUnload, nullptr)();
    }

private:
    static void Note(const QString& event) { ScreenEvents().append(QChar(Name) + QStringLiteral(".") + event); }
};

using ScreenA = RecordingScreen<'A'>;
using ScreenB = RecordingScreen<'B'>;
