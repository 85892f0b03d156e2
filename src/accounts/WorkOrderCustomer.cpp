#include "accounts/WorkOrderCustomer.h"

WorkOrderCustomerValues& WorkOrderCustomer()
{
    static WorkOrderCustomerValues values;
    return values;
}

void ResetWorkOrderCustomer()
{
    WorkOrderCustomer() = WorkOrderCustomerValues{};
}

WorkOrderCustomerValues BuildWorkOrderCustomer(const std::array<QString, 8>& boxes, const QString& displayName,
                                               const CustomerRecord& record)
{
    WorkOrderCustomerValues values;
    for (size_t i = 0; i < boxes.size(); ++i)
        if (i != 4)
            values.Labels[i] = boxes[i];
    values.Labels[1] = displayName;
    values.DisplayName = displayName;
    values.Address1 = record.Address1.trimmed();
    values.Address2 = record.Address2.trimmed();
    values.City = record.City.trimmed();
    values.State = record.State.trimmed();
    values.Zip2 = record.Zip2.trimmed();
    return values;
}
