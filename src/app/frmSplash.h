#pragma once

#include "platform/Screen.h"

#include <array>

class PictureBox;
class QPushButton;
class QWidget;

// The start screen: shown while the program starts; Continue leads to the main menu, or, while
// a required settings file is missing, to the welcome panel that sends a first-time user to
// the settings screen through the logo.
class frmSplash : public Screen {
    Q_OBJECT
public:
    frmSplash();

    void cmdContinue_Click();
    void Image1_Click(int Index);

    QWidget* fraWelcome = nullptr;
    QWidget* fraMain = nullptr;
    QPushButton* cmdContinue = nullptr;
    std::array<PictureBox*, 2> Image1{};

protected:
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
};
