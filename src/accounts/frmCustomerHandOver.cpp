// The customer screen's hand-over: the customer shown goes on to the screen the routine needs.
#include "accounts/frmCustomer.h"

#include "accounts/CustomerHandOver.h"
#include "accounts/CustomerRecords.h"
#include "accounts/WorkOrderCustomer.h"
#include "core/Navigation.h"
#include "core/SharedState.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

QPushButton* frmCustomer::BuildHandOverButton()
{
    cmdSchedule = new QPushButton(QStringLiteral("&Select Account Start Routine"), this);
    cmdSchedule->setToolTip(QStringLiteral("Starts the Selected Event"));
    connect(cmdSchedule, &QPushButton::clicked, this, [this] { cmdSchedule_Click(); });
    return cmdSchedule;
}

void frmCustomer::cmdSchedule_Click()
{
    SaveCustomer();
    if (!RecordValid)
        return;
    CustomerBoxes boxes;
    boxes.Individual = lbLType->text() == IndividualType;
    boxes.Title = cboTitle->currentText();
    boxes.FirstName = txtCustomer[8]->text();
    boxes.Middle = txtCustomer[9]->text();
    boxes.LastName = txtCustomer[10]->text();
    boxes.BusinessName = txtCustomer[1]->text();
    boxes.Address1 = txtCustomer[2]->text();
    boxes.Address2 = txtCustomer[3]->text();
    boxes.City = cboCity->currentText();
    boxes.State = cboStates->currentText();
    boxes.Zip = txtCustomer[5]->text();
    boxes.Address3 = txtAdd3->text();
    boxes.Address4 = txtAdd4->text();
    boxes.Telephone = txtCustomer[6]->text();
    boxes.AccountNo = txtCustomer[0]->text();
    CustomerHandOver() = BuildHandOverBlock(boxes, USAStyle() == -1);
    Hide();
    // Without the work-order screen the customer stays here.
    if (Shared().ProgramRoutine == 2) {
        if (!HandOverForWorkOrder(*this))
            Show();
        return;
    }
    ShowScreen(QStringLiteral("frmMain"));
}
