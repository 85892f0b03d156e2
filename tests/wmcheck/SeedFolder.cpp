// Makes a program folder as a user leaves it after a few days of work: the settings, two
// teams, a milestone catalogue, a few customers and one project, so that every routine of the
// main menu can be opened. Used by scripts/wmcheck.sh.
//   scheduler_seed_folder FOLDER
#include "accounts/CustomerRecords.h"
#include "core/Settings.h"
#include "platform/ProgramFolder.h"
#include "scheduling/ProjectFile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(AppPath(path));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool AddCustomer(int n, const QString& accountNo, const QString& business, const QString& first, const QString& last)
{
    CustomerRecord customer;
    customer.AccountNo = accountNo;
    customer.AccountName = business;
    customer.FirstName = first;
    customer.LastName = last;
    customer.Address1 = QStringLiteral("%1 Elm St").arg(n * 10);
    customer.City = QStringLiteral("Springfield");
    customer.State = QStringLiteral("IL");
    customer.Zip = QStringLiteral("62701");
    customer.AccountType = business.isEmpty() ? IndividualType : BusinessType;
    ResetBillingRecords();
    const bool written = WriteCustomer(n, customer) && SaveContractRecord(n) && SaveCycleRecord(n);
    ResetCustomerBuffers();
    return written;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(folder);
    SetProgramFolder(folder);

    QDir().mkpath(AppPath(ProjectsFolder));
    bool ok = SaveBusinessData({QStringLiteral("Acme Builders"), QStringLiteral("1 Main St"), QString(),
                                QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("62701"),
                                QStringLiteral("217-555-0100"), QString(), QString()})
           && SaveAssignments({QStringLiteral("Framers"), QStringLiteral("Roofers")})
           && Write(QStringLiteral("/Characteristics.txt"),
                    "\"Permit\",1,1,0,0\r\n\"Framing\",2,1,0,0\r\n\"Roofing\",2,1,0,0\r\n")
           && SaveConstructionSettings();
    ok = ok && AddCustomer(1, QStringLiteral("SMITH01"), QString(), QStringLiteral("John"), QStringLiteral("Smith"))
         && AddCustomer(2, QStringLiteral("ACME02"), QStringLiteral("Acme Roofing Supply"), QString(), QString())
         && AddCustomer(3, QStringLiteral("JONES03"), QString(), QStringLiteral("Mary"), QStringLiteral("Jones"));

    ProjectData project;
    project.Header.ProjectNo = QStringLiteral("Pj66-1");
    project.Header.ProjectName = QStringLiteral("Kitchen");
    project.Header.AccountNo = QStringLiteral("SMITH01");
    project.Header.ProposalNo = QStringLiteral("Proposal Number");
    project.Header.CustomerName = QStringLiteral("John Smith");
    project.Header.Address1 = QStringLiteral("10 Elm St");
    project.Header.City = QStringLiteral("Springfield");
    project.Header.State = QStringLiteral("IL");
    project.Header.Zip = QStringLiteral("62701");
    project.Header.Telephone = QStringLiteral("217-555-0100");
    MilestoneRecord framing;
    framing.MilestoneName = QStringLiteral("Framing");
    framing.PersonnelType = 2;
    framing.ScheduledDate = QDate::currentDate().addDays(7);
    framing.Phase = 2;
    framing.Team = QStringLiteral("1");
    framing.WorkLocation = QStringLiteral("On Site");
    framing.StartSlot = QStringLiteral("1");
    framing.Duration = QStringLiteral("2");
    framing.Unit = QStringLiteral("Days");
    project.Milestones = {framing};
    project.Header.MilestoneCount = 1;
    ok = ok && WriteProjectFile(ProjectFilePath(project.Header.ProjectNo), project);
    if (!ok) {
        std::fprintf(stderr, "could not make the program folder %s\n", argv[1]);
        return 1;
    }
    return 0;
}
