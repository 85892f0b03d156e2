#pragma once

#include "platform/Screen.h"

#include <array>

class PictureBox;
class QLabel;
class QPushButton;

// The about box: names the running program and offers a link to the maker's web site.
class frmAbout : public Screen {
    Q_OBJECT
public:
    frmAbout();

    void cmdOK_Click();
    void cmdVisit_Click();

    QLabel* lblTitle = nullptr;
    std::array<QLabel*, 4> lblDescription{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdVisit = nullptr;
    PictureBox* picIcon = nullptr;

protected:
    void Form_Load() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
};
