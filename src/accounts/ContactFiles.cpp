#include "accounts/ContactFiles.h"

#include "core/FileAccess.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QLocale>

#include <cmath>

#include <filesystem>

int ContactFileCount()
{
    return GetFileRecordCount(VendorDataPath, ContactRecord::Length);
}

ContactRecord ReadContact(qint64 number)
{
    return ContactRecord::FromBytes(ReadRecordAt(VendorDataPath, ContactRecord::Length, number));
}

bool WriteContact(qint64 number, const ContactRecord& record)
{
    RecordFile file = OpenForRandom(VendorDataPath, ContactRecord::Length);
    return file.Write(number, record.ToBytes());
}

bool RenameDataFile(const QString& oldName, const QString& newName)
{
    std::error_code error;
    std::filesystem::rename(NativePath(AppPath(oldName)), NativePath(AppPath(newName)), error);
    return !error;
}

bool DeleteContactRecord(qint64 number)
{
    const QString scratch = QStringLiteral("/Contact.TMP");
    // A scratch file left by a broken run must not lend its records to the new file.
    QFile leftover(AppPath(scratch));
    if (leftover.exists() && !leftover.resize(0))
        return false;
    const int count = ContactFileCount();
    bool written = true;
    {
        RecordFile copy = OpenForRandom(scratch, ContactRecord::Length);
        written = copy.IsOpen();
        qint64 out = 1;
        for (qint64 n = 1; n <= count && written; ++n) {
            if (n == number)
                continue;
            // A record that cannot be read must not go into the copy as a blank one.
            const QByteArray record = ReadRecordAt(VendorDataPath, ContactRecord::Length, n, &written);
            written = written && copy.Write(out++, record);
        }
    }
    // The old file is replaced by the rename, never deleted first; its backup copy stays.
    if (!written || !RenameDataFile(scratch, VendorDataPath)) {
        DeleteFile(scratch);
        return false;
    }
    return true;
}

QString ContactSearchField(const ContactRecord& record, int option)
{
    switch (option) {
    case ContactByName:
        return record.VendorName;
    case ContactByStreet:
        return record.Address1;
    case ContactByAptOrBox:
        return record.Address2;
    case ContactByCity:
        return record.City;
    case ContactByState:
        return record.State;
    case ContactByZip:
        return record.Zip;
    case ContactByTelephone:
        return record.Telephone;
    case ContactByCategory:
        return record.Category;
    default:
        return QString();
    }
}

QList<int> SearchContactRecords(int option, const QString& searchText)
{
    QList<int> hits;
    const QString wanted = searchText.trimmed().toUpper();
    const int count = ContactFileCount();
    for (int n = 1; n <= count; ++n)
        if (option == AllContacts || ContactSearchField(ReadContact(n), option).trimmed().toUpper().contains(wanted))
            hits.append(n);
    return hits;
}

bool GenericAscending(const QString& a, const QString& b)
{
    bool aNumber = false;
    bool bNumber = false;
    const double aValue = QLocale::c().toDouble(a.trimmed(), &aNumber);
    const double bValue = QLocale::c().toDouble(b.trimmed(), &bNumber);
    // Names such as "Nan" or "Inf" are names, not numbers.
    aNumber = aNumber && std::isfinite(aValue);
    bNumber = bNumber && std::isfinite(bValue);
    if (aNumber && bNumber)
        return aValue < bValue;
    if (aNumber != bNumber)
        return aNumber;
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

QStringList ReadStatesList()
{
    QStringList states;
    if (!FileExists(QStringLiteral("/StatesList.txt")))
        return states;
    TextInput input = OpenForInput(QStringLiteral("/StatesList.txt"));
    while (states.size() < 50 && !input.AtEnd())
        states.append(input.ReadItem().Text());
    return states;
}
