#include "accounts/CustomerHandOver.h"

CustomerHandOverValues& CustomerHandOver()
{
    static CustomerHandOverValues values;
    return values;
}

void ResetCustomerHandOver()
{
    CustomerHandOver() = CustomerHandOverValues{};
}

CustomerHandOverValues BuildHandOverBlock(const CustomerBoxes& b, bool usaStyle)
{
    CustomerHandOverValues block;
    if (b.Individual) {
        const QString middle = b.Middle.trimmed();
        block.Items[1] = b.Title.trimmed() + QLatin1Char(' ') + b.FirstName.trimmed() + QLatin1Char(' ')
                         + (middle.isEmpty() ? QString() : middle + QLatin1Char(' ')) + b.LastName.trimmed();
    } else {
        block.Items[1] = b.BusinessName;
    }
    block.Items[2] = b.Address1.trimmed();
    block.Items[3] = b.Address2.trimmed();
    if (usaStyle) {
        block.Items[4] = b.City.trimmed();
        block.Items[5] = b.State.trimmed();
        block.Items[6] = b.Zip.trimmed();
    } else {
        // Item 6 is emptied rather than keep an earlier customer's postal code.
        block.Items[4] = b.Address3.trimmed();
        block.Items[5] = b.Address4.trimmed();
    }
    block.Items[7] = b.Telephone.trimmed();
    block.AccountNo = b.AccountNo.trimmed();
    block.Pending = true;
    return block;
}
