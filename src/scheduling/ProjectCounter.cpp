#include "scheduling/ProjectCounter.h"

#include "core/FileAccess.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "scheduling/ProjectFile.h"

#include <QFileInfo>

#include <limits>

namespace {

bool ProjectNumberTaken(const QString& projectNo)
{
    const QString path = ProjectFilePath(projectNo);
    return QFileInfo(AppPath(path)).exists() || QFileInfo(AppPath(BackupPathOf(path))).exists();
}

// Moves the sequence past numbers whose project file exists; the sequence never wraps, and a
// taken last number is never offered again.
bool SkipTakenNumbers()
{
    ProjectCounterState& counter = ProjectCounter();
    while (ProjectNumberTaken(ProjectNumberFor(counter.PjCounterDay, counter.PjCounterSeq))) {
        if (counter.PjCounterSeq == std::numeric_limits<qint16>::max()) {
            counter.NewProjectNo.clear();
            counter.NoNumberLeft = true;
            return false;
        }
        ++counter.PjCounterSeq;
    }
    counter.NewProjectNo = ProjectNumberFor(counter.PjCounterDay, counter.PjCounterSeq);
    counter.NoNumberLeft = false;
    return true;
}

} // namespace

ProjectCounterState& ProjectCounter()
{
    static ProjectCounterState state;
    return state;
}

void ResetProjectCounter()
{
    ProjectCounter() = ProjectCounterState{};
}

QString ProjectNumberFor(const QString& day, qint16 sequence)
{
    return QStringLiteral("Pj") + day + QLatin1Char('-') + QString::number(sequence);
}

bool ReadProjectCounter()
{
    ProjectCounterState& counter = ProjectCounter();
    const QString today = QString::number(Clock::Today().dayOfYear());
    counter.PjCounterDay = today;
    counter.PjCounterSeq = 1;
    if (FileExists(PjCounterPath)) {
        TextInput input = OpenForInput(PjCounterPath);
        const QList<ReadValue> items = input.ReadLineItems();
        const QString storedDay = items.value(0).Text().trimmed();
        const qint64 storedSeq = items.size() > 1 ? items.at(1).Integer().value_or(1) : 1;
        if (storedDay == today && storedSeq >= 1 && storedSeq <= std::numeric_limits<qint16>::max())
            counter.PjCounterSeq = qint16(storedSeq);
    }
    const bool numberLeft = SkipTakenNumbers();
    return SaveProjectCounter() && numberLeft;
}

bool SaveProjectCounter()
{
    const ProjectCounterState& counter = ProjectCounter();
    TextOutput output = OpenForOutput(PjCounterPath);
    output.WriteItems({counter.PjCounterDay, int(counter.PjCounterSeq)});
    return output.Close();
}

bool NextProjectNumber()
{
    ProjectCounterState& counter = ProjectCounter();
    if (counter.PjCounterSeq < std::numeric_limits<qint16>::max())
        ++counter.PjCounterSeq;
    return SkipTakenNumbers();
}
