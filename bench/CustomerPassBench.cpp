#include "SampleCustomers.h"
#include "accounts/CustomerRecords.h"
#include "accounts/CustomerSearch.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct CustomerFolder {
    QTemporaryDir folder;

    CustomerFolder()
    {
        SetProgramFolder(folder.path());
        WriteSampleCustomers(10000);
    }
    ~CustomerFolder() { SetProgramFolder(QString()); }
};

CustomerFolder& Folder()
{
    static CustomerFolder folder;
    SetProgramFolder(folder.folder.path());
    return folder;
}

// A search that matches nothing still reads and compares every record.
void BM_SearchCustomers10000(benchmark::State& state)
{
    Folder();
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchCustomerRecords(SearchByLastName, QStringLiteral("NOBODY")).size());
}
BENCHMARK(BM_SearchCustomers10000)->Unit(benchmark::kMillisecond);

void BM_ListAllCustomers10000(benchmark::State& state)
{
    Folder();
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchCustomerRecords(ListAllCustomers, QString()).size());
}
BENCHMARK(BM_ListAllCustomers10000)->Unit(benchmark::kMillisecond);

// The same file read raw, every byte touched, for the ratio.
void BM_RawReadCustomers10000(benchmark::State& state)
{
    Folder();
    for (auto _ : state) {
        QFile file(AppPath(CustomerDataPath));
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        unsigned sum = 0;
        for (const char c : bytes)
            sum += uchar(c);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_RawReadCustomers10000)->Unit(benchmark::kMillisecond);

} // namespace
