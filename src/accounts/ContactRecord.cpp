#include "accounts/ContactRecord.h"

#include "core/FileAccess.h"
#include "core/RecordFile.h"

namespace {
const TextField<ContactRecord> ContactFields[] = {
    {&ContactRecord::AccountNo, 0, 20},   {&ContactRecord::VendorName, 20, 30},
    {&ContactRecord::Address1, 50, 35},   {&ContactRecord::Address2, 85, 25},
    {&ContactRecord::City, 110, 20},      {&ContactRecord::State, 130, 2},
    {&ContactRecord::Zip, 132, 10},       {&ContactRecord::Telephone, 142, 13},
    {&ContactRecord::Email, 155, 30},     {&ContactRecord::Category, 185, 20},
    {&ContactRecord::KeyContact, 205, 30},
};
} // namespace

ContactRecord ContactRecord::FromBytes(const QByteArray& bytes)
{
    return DecodeTextRecord(bytes, ContactFields);
}

QByteArray ContactRecord::ToBytes() const
{
    return EncodeTextRecord(*this, Length, ContactFields);
}

QStringList LoadSubContractorNames()
{
    QStringList names;
    if (!FileExists(VendorDataPath))
        return names;
    RecordFile contacts = OpenForRandom(VendorDataPath, ContactRecord::Length);
    const qint64 count = contacts.Count();
    for (qint64 n = 1; n <= count; ++n) {
        const ContactRecord contact = ContactRecord::FromBytes(contacts.Read(n));
        if (contact.Category.trimmed() == SubContractorCategory)
            names.append(contact.VendorName.trimmed());
    }
    return names;
}
