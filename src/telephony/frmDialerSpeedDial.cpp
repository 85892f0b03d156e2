// The dialer's ten speed-dial slotGrid.
#include "telephony/frmDialer.h"

#include "core/Utilities.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "telephony/SpeedDials.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* frmDialer::BuildSpeedDials()
{
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    Label2[0] = new QLabel(QStringLiteral("Speed Dialing"), area);
    QFont bold = Label2[0]->font();
    bold.setBold(true);
    Label2[0]->setFont(bold);
    Label2[1] = new QLabel(QStringLiteral("Click to Select and Dial"), area);
    Label2[2] = new QLabel(QStringLiteral("Click Empty Column to Add"), area);
    layout->addWidget(Label2[0], 0, 0);
    layout->addWidget(Label2[1], 0, 1);
    layout->addWidget(Label2[2], 0, 2);
    auto* slotGrid = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        cmdDialer[size_t(i)] = new QPushButton(area);
        cmdDialer[size_t(i)]->setMinimumWidth(120);
        slotGrid->addWidget(cmdDialer[size_t(i)], i % 5, i / 5);
    }
    layout->addLayout(slotGrid, 1, 0, 1, 2);

    cmdSpeedDialer[0] = new QPushButton(QStringLiteral("&Save"), area);
    cmdSpeedDialer[0]->setToolTip(QStringLiteral("Saves this Data to the selected Speed dial"));
    cmdSpeedDialer[1] = new QPushButton(QStringLiteral("Ca&ncel"), area);
    cmdSpeedDialer[1]->setToolTip(QStringLiteral("Do not add to speed dial"));
    cmdSpeedDialer[2] = new QPushButton(QStringLiteral("Delete Selected Speed Dial &No"), area);
    cmdSpeedDialer[2]->setToolTip(QStringLiteral("Delete Speed Dial"));
    cmdSpeedDialer[3] = new QPushButton(QStringLiteral("&Restore Original Call Recipient"), area);
    cmdSpeedDialer[4] = new QPushButton(QStringLiteral("&Load Current Player"), area);
    cmdSpeedDialer[4]->setToolTip(QStringLiteral("Load Current Player to Above"));

    // Adding an entry: only offered for the free slot just clicked.
    fraSpeedDial = new QGroupBox(QStringLiteral("Add Speed Dial Name and No."), area);
    auto* add = new QGridLayout(fraSpeedDial);
    add->addWidget(new QLabel(QStringLiteral("Enter a Speed Dial Name and Number"), fraSpeedDial), 0, 0, 1, 3);
    txtDialer[0] = new TextBox(fraSpeedDial);
    txtDialer[0]->setToolTip(QStringLiteral("Name"));
    txtDialer[1] = new TextBox(fraSpeedDial);
    txtDialer[1]->setToolTip(QStringLiteral("Number"));
    add->addWidget(txtDialer[0], 1, 0, 1, 3);
    add->addWidget(txtDialer[1], 2, 0, 1, 3);
    add->addWidget(new QLabel(QStringLiteral("Click Save"), fraSpeedDial), 3, 0);
    add->addWidget(cmdSpeedDialer[0], 3, 1);
    add->addWidget(cmdSpeedDialer[1], 3, 2);
    add->addWidget(cmdSpeedDialer[4], 4, 0, 1, 3);
    fraSpeedDial->hide();
    layout->addWidget(fraSpeedDial, 1, 2);

    auto* used = new QVBoxLayout;
    used->addWidget(cmdSpeedDialer[2]);
    used->addWidget(cmdSpeedDialer[3]);
    used->addStretch();
    layout->addLayout(used, 2, 0, 1, 3);
    return area;
}

void frmDialer::LoadSpeedDials()
{
    const SpeedDialList list = ReadSpeedDials();
    SpeedDialsUnreadable = list.Unreadable;
    for (size_t i = 0; i < 10; ++i) {
        SpeedName[i] = list.Name[i];
        SpeedNumber[i] = list.Number[i];
        cmdDialer[i]->setText(list.Name[i]);
    }
}

void frmDialer::SaveSpeedDials()
{
    if (SpeedDialsUnreadable) {
        ShowWriteFailure(QStringLiteral("The speed dial list, SpeedNumbers.txt, could not be read,\n"
                                        "so it is not written over."));
        return;
    }
    SpeedDialList list;
    list.Name = SpeedName;
    list.Number = SpeedNumber;
    if (!WriteSpeedDials(list))
        ShowWriteFailure(QStringLiteral("The speed dial list, SpeedNumbers.txt, could not be saved."));
}

void frmDialer::cmdDialer_Click(int Index)
{
    SelectedSlot = Index;
    OriginalName = lblName->text();
    OriginalNumber = lblNumber->text();
    cmdSpeedDialer[2]->setEnabled(false);
    if (cmdDialer[size_t(Index)]->text().isEmpty()) {
        fraSpeedDial->show();
        txtDialer[0]->setFocus();
        return;
    }
    // A used slot is never the target of the add frame.
    cmdSpeedDialer_Click(1);
    lblName->setText(SpeedName[size_t(Index)]);
    lblNumber->setText(SpeedNumber[size_t(Index)]);
    cmdSpeedDialer[2]->setEnabled(true);
}

void frmDialer::cmdSpeedDialer_Click(int Index)
{
    const auto slot = size_t(SelectedSlot);
    switch (Index) {
    case 4:
        txtDialer[0]->setText(lblName->text());
        txtDialer[1]->setText(lblNumber->text());
        [[fallthrough]];
    case 0:
        cmdDialer[slot]->setText(txtDialer[0]->text());
        SpeedName[slot] = txtDialer[0]->text();
        SpeedNumber[slot] = txtDialer[1]->text();
        SaveSpeedDials();
        [[fallthrough]];
    case 1:
        txtDialer[0]->clear();
        txtDialer[1]->clear();
        fraSpeedDial->hide();
        break;
    case 2:
        if (MsgBox(QStringLiteral("This will delete SpeedDial entry  ") + cmdDialer[slot]->text()
                       + QStringLiteral("\r\nAre you Sure"),
                   MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Delete Speed Dial"))
            == MsgAnswer::No) {
            cmdSpeedDialer[2]->setEnabled(false);
            break;
        }
        SpeedName[slot].clear();
        SpeedNumber[slot].clear();
        SaveSpeedDials();
        LoadSpeedDials();
        break;
    case 3:
        lblName->setText(OriginalName);
        lblNumber->setText(OriginalNumber);
        break;
    default:
        break;
    }
}
