#pragma once

#include "accounts/CustomerRecords.h"

#include <QString>

#include <array>

// The customer a work order is for, as the customer screen hands it over: the captions of the
// work order's account labels and the address it prints.
struct WorkOrderCustomerValues {
    // Account labels 0 to 7: account number, display name, address 1 and 2, (4 is not set and
    // keeps its "City"), postal code, telephone, the fax and e-mail line.
    std::array<QString, 8> Labels;
    QString DisplayName;
    // From the customer record, trimmed.
    QString Address1;
    QString Address2;
    QString City;
    QString State;
    QString Zip2;
};

WorkOrderCustomerValues& WorkOrderCustomer();
void ResetWorkOrderCustomer();

// The block from the customer screen's boxes 0 to 7 (there is no box 4), its display name and
// the customer record shown.
WorkOrderCustomerValues BuildWorkOrderCustomer(const std::array<QString, 8>& boxes, const QString& displayName,
                                               const CustomerRecord& record);

// Routine 2's hand-over from the customer screen: fills WorkOrderCustomer() from the screen and
// the shared customer record, then shows the work-order screen; false when there is none.
class frmCustomer;
bool HandOverForWorkOrder(const frmCustomer& customer);
