#include "platform/CommonDialogs.h"
#include "platform/Printer.h"
#include "projects/BoardFixture.h"
#include "projects/ProjectReports.h"

namespace {

using namespace board;

class ProjectReportsTest : public BoardTest {
protected:
    static QList<PrintOperation> TextsAt(const QList<PrintOperation>& page, double xInches)
    {
        QList<PrintOperation> texts;
        for (const PrintOperation& op : page)
            if (op.kind == PrintOperation::Text && op.x == xInches * 1440)
                texts.append(op);
        return texts;
    }
};

TEST_F(ProjectReportsTest, AProjectsMilestonesPrintInGroupsOfFivePastDueInRed)
{
    QList<MilestoneRecord> milestones;
    for (int j = 1; j <= 12; ++j)
        milestones.append(Milestone(QStringLiteral("Step %1").arg(j), j == 3 ? 1 : 2, Day(j == 1 || j == 2 ? 2 : 20), "Days", 1, 3));
    milestones[1].Status = StatusCompleted;
    milestones[1].CompletedDate = "3/3/2026";
    milestones[3].Team = "9"; // a team that is gone
    WriteProject("Pj12-1", milestones);
    WriteProject("Pj12-2", {Milestone("Permit", 1, Day(20))});
    WriteProject("Pj12-3", {Milestone("Permit", 1, Day(20))});
    frmProjectControl& board = OpenBoard();
    DialogScript dialogs;

    board.cmdGotoProjects_Click();
    board.fgProjects->setCurrentCell(0, 0);
    Script().Queue(MsgAnswer::Yes);
    dialogs.QueuePrinter();
    board.mnuPrint_Click();
    ASSERT_EQ(ThePrinter().Documents().size(), 1);
    const Printer::Document& report = ThePrinter().Documents()[0];
    EXPECT_EQ(report.orientation, Printer::Landscape);
    ASSERT_EQ(report.pages.size(), 1);
    const QList<PrintOperation>& page = report.pages[0];
    EXPECT_EQ(page[0].text, ProjectReportTitle);
    // Centred on the landscape page in its 15 point font.
    Printer& printer = ThePrinter();
    printer.FontName = page[0].fontName;
    printer.FontSize = 15;
    printer.FontBold = printer.FontItalic = false;
    EXPECT_EQ(page[0].fontSize, 15);
    EXPECT_DOUBLE_EQ(page[0].x, (15840 - printer.TextWidth(ProjectReportTitle)) / 2);
    const QList<PrintOperation> names = TextsAt(page, 0.75);
    ASSERT_EQ(names.size(), 13); // the heading and twelve rows
    const double row = names[2].y - names[1].y;
    for (int j = 2; j <= 12; ++j) {
        const double gap = names[size_t(j)].y - names[size_t(j) - 1].y;
        EXPECT_DOUBLE_EQ(gap, j == 6 || j == 11 ? 2 * row : row) << j;
    }
    EXPECT_EQ(names[1].color, 255u);
    EXPECT_EQ(names[2].color, 0u);
    EXPECT_EQ(names[3].color, 0u);
    const QList<PrintOperation> assigned = TextsAt(page, 4.0);
    EXPECT_EQ(assigned[1].text, "Framers");
    EXPECT_EQ(assigned[3].text, "Administrative");
    EXPECT_EQ(assigned[4].text, "Framers"); // the gone team's row prints nothing there
    EXPECT_EQ(assigned[4].y, names[5].y);

    // Every project as a print job of its own, each under its own header.
    Script().Queue(MsgAnswer::Yes);
    dialogs.QueuePrinter();
    board.mnuPrintAll_Click();
    ASSERT_EQ(ThePrinter().Documents().size(), 3);
    for (int d = 0; d < 3; ++d) {
        const QList<PrintOperation> numbers = TextsAt(ThePrinter().Documents()[d].pages[0], 9.0);
        EXPECT_EQ(numbers[2].text, QStringLiteral("Pj12-%1").arg(d + 1)) << d;
    }

    // Cancelled dialogs, each with its own line.
    struct Cancel {
        std::function<void()> print;
        QString line;
    };
    const QList<Cancel> cancels = {
        {[&] { board.mnuPrint_Click(); }, "The Project will not be Printed"},
        {[&] { board.mnuPrintAll_Click(); }, "The Projects will not be Printed"},
        {[&] { board.cmdPrintPastCompletion_Click(); }, "The Report will not be Printed"},
    };
    for (const Cancel& cancel : cancels) {
        if (cancel.line != "The Report will not be Printed")
            Script().Queue(MsgAnswer::Yes);
        dialogs.QueueCancel();
        Script().Queue(MsgAnswer::Ok);
        cancel.print();
        EXPECT_EQ(Script().Shown().last().Prompt, cancel.line);
    }
    EXPECT_EQ(dialogs.Unanswered(), 0);
}

TEST_F(ProjectReportsTest, ALongPastDueListRepeatsItsHeader)
{
    for (int p = 1; p <= 30; ++p)
        WriteProject(QStringLiteral("Pj%1-1").arg(p), {Milestone("Permit", 1, Day(2)), Milestone("Framing", 1, Day(3)),
                                                        Milestone("Roofing", 1, Day(4))});
    frmProjectControl& board = OpenBoard();
    ASSERT_EQ(board.fgCompleted->Rows(), 92);
    DialogScript dialogs;
    dialogs.QueuePrinter();
    board.cmdPrintPastCompletion_Click();
    ASSERT_EQ(ThePrinter().Documents().size(), 1);
    const QList<QList<PrintOperation>>& pages = ThePrinter().Documents()[0].pages;
    ASSERT_GE(pages.size(), 2);
    int rows = 0;
    for (const QList<PrintOperation>& page : pages) {
        EXPECT_EQ(page[0].text, PastDueReportTitle);
        for (const PrintOperation& op : TextsAt(page, 4.0))
            rows += op.text != "Milestone";
        for (const PrintOperation& op : page)
            EXPECT_LT(op.y + ThePrinter().TextHeight("ABC"), 15840 + 1);
    }
    EXPECT_EQ(rows, 90);
}

} // namespace
