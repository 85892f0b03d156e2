// Routine 2 goes on from the customer screen to the work order.
#include "accounts/WorkOrderCustomer.h"

#include "accounts/frmCustomer.h"
#include "core/Navigation.h"
#include "platform/TextBox.h"

bool HandOverForWorkOrder(const frmCustomer& customer)
{
    std::array<QString, 8> boxes;
    for (size_t i = 0; i < boxes.size(); ++i)
        if (customer.txtCustomer[i])
            boxes[i] = customer.txtCustomer[i]->text();
    WorkOrderCustomer() = BuildWorkOrderCustomer(boxes, customer.DisplayName, CustomerRec());
    return ShowScreen(QStringLiteral("frmWorkOrder"));
}
