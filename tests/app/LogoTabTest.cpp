#include "app/frmSetup.h"

#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/Controls.h"
#include "platform/Printer.h"
#include "support/ScreenFixture.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {

class LogoTabTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ThePrinter().Reset();
        setup_ = &ScreenInstance<frmSetup>();
        setup_->Show();
    }

    static QImage Picture(int width, int height)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        return picture;
    }

    QSize Shown() const { return setup_->Image3->pixmap().size(); }
    QString Prompt(int box) { return Script().Shown().value(box).Prompt; }

    frmSetup* setup_ = nullptr;
};

TEST_F(LogoTabTest, ArrowsAndButtonsSetThePrintedSize)
{
    LiveSettings& live = Live();
    live.Logo = live.AdjustedLogo = Picture(30, 30);
    enum Arrow { Left, Right, Down, Up };
    struct Case {
        double start;
        Arrow arrow;
        double expected;
    };
    for (const Case& c : {Case{360, Left, 1800}, {1800, Right, 360}, {1790, Right, 1800}, {2500, Left, 2450},
                          {2500, Right, 360}, {390, Left, 360}, {1440, Right, 1490}, {1800, Down, 360},
                          {360, Up, 1800}, {1790, Down, 1840}, {1440, Down, 1490}, {1440, Up, 1390}}) {
        SCOPED_TRACE(testing::Message() << c.start << " arrow " << c.arrow);
        const bool width = c.arrow == Left || c.arrow == Right;
        live.LogoWidth = width ? c.start : 1500;
        live.LogoHeight = width ? 1500 : c.start;
        UpDown* arrows = width ? setup_->UpDown3 : setup_->UpDown2;
        (c.arrow == Left || c.arrow == Down) ? arrows->ClickDown() : arrows->ClickUp();
        EXPECT_EQ(QSizeF(live.LogoWidth, live.LogoHeight), width ? QSizeF(c.expected, 1500) : QSizeF(1500, c.expected));
        EXPECT_EQ(Shown(), (QSizeF(live.LogoWidth, live.LogoHeight) / 15).toSize());
    }

    live.LogoWidth = 1440;
    live.LogoHeight = 900;
    setup_->cmdLogo[3]->click(); // Make Square (Height)
    EXPECT_EQ(QSizeF(live.LogoWidth, live.LogoHeight), QSizeF(900, 900));
    live.LogoWidth = 1440;
    setup_->cmdLogo[4]->click(); // Make Square (Width)
    EXPECT_EQ(QSizeF(live.LogoWidth, live.LogoHeight), QSizeF(1440, 1440));
    live.LogoWidth = 500;
    setup_->cmdLogo[6]->click(); // Restore
    EXPECT_EQ(QSizeF(live.LogoWidth, live.LogoHeight), QSizeF(1440, 1440));
    EXPECT_EQ(Shown(), QSize(96, 96));
}

TEST_F(LogoTabTest, FindStoreAndClearKeepTheChosenPicture)
{
    QPushButton *find = setup_->cmdLogo[0], *store = setup_->cmdLogo[1], *clear = setup_->cmdLogo[2];
    const QString picture = FullPath("/logo.bmp");
    ASSERT_TRUE(Picture(40, 20).save(picture));
    WriteFile("/notes.bmp", "not a picture");
    DialogScript dialogs;
    EXPECT_FALSE(store->isEnabled());

    // A newly found picture takes the size already set.
    Live().LogoWidth = 900;
    Live().LogoHeight = 1200;
    dialogs.QueueFile(picture);
    find->click();
    // The dialog offers every kind the program reads, PNG among them.
    const QString filter = dialogs.Filter().section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0);
    for (const char* name : {"logo.png", "logo.PNG", "logo.jpg", "logo.jpeg", "logo.bmp", "logo.gif"})
        EXPECT_TRUE(QDir::match(filter.split(QLatin1Char(' ')), QString::fromLatin1(name))) << name;
    EXPECT_EQ(Live().Logo.size(), QSize(40, 20));
    EXPECT_EQ(Live().AdjustedLogo.size(), QSize(40, 20));
    EXPECT_FALSE(setup_->Image2->pixmap().isNull());
    EXPECT_EQ(Shown(), QSize(60, 80));
    EXPECT_TRUE(store->isEnabled());

    // Neither a cancelled dialog nor a file that is no picture changes the logo.
    dialogs.QueueCancel();
    find->click();
    dialogs.QueueFile(FullPath("/notes.bmp"));
    Script().Queue(MsgAnswer::Ok);
    find->click();
    EXPECT_EQ(Prompt(0), "This file cannot be used as a Logo picture");
    EXPECT_EQ(Live().Logo.size(), QSize(40, 20));
    EXPECT_TRUE(store->isEnabled());

    Script().Queue(MsgAnswer::Ok);
    store->click();
    EXPECT_EQ(Prompt(1), "Your Logo has been Stored");
    EXPECT_FALSE(store->isEnabled());
    Live().LogoWidth = Live().LogoHeight = 1440;
    LoadLogo(); // as at the next start
    LoadLogoSettings();
    EXPECT_EQ(Live().LogoPath, picture);
    EXPECT_EQ(Live().Logo.size(), QSize(40, 20));
    EXPECT_EQ(QSizeF(Live().LogoWidth, Live().LogoHeight), QSizeF(900, 1200));

    WriteFile("/Backup/CompanyLogo.txt", ReadFile("/CompanyLogo.txt"));
    Script().Queue(MsgAnswer::No);
    clear->click();
    EXPECT_TRUE(Exists("/CompanyLogo.txt") && !Live().Logo.isNull());
    Script().Queue(MsgAnswer::Yes);
    clear->click();
    ASSERT_EQ(Script().Shown().size(), 4);
    EXPECT_EQ(Script().Shown()[3].Title, "Delete Logo");
    EXPECT_EQ(Prompt(3), "This will Delete your Company Logo");
    EXPECT_TRUE(Live().Logo.isNull() && Live().AdjustedLogo.isNull());
    EXPECT_TRUE(setup_->Image2->pixmap().isNull() && setup_->Image3->pixmap().isNull());
    EXPECT_FALSE(Exists("/CompanyLogo.txt") || Exists("/Backup/CompanyLogo.txt"));
    EXPECT_TRUE(Exists("/LogoSettings.txt"));
    EXPECT_FALSE(store->isEnabled());
    setup_->cmdLogo_Click(1); // the forgotten choice stores nothing
    LoadLogo();
    EXPECT_TRUE(Live().Logo.isNull());
    EXPECT_EQ(Script().Shown().size(), 4);
}

TEST_F(LogoTabTest, PrintSampleDrawsTheLogoOrReportsWhyNot)
{
    Live().Logo = Live().AdjustedLogo = Picture(200, 100);
    Live().LogoWidth = 1000;
    Live().LogoHeight = 2000;
    DialogScript dialogs;
    dialogs.QueuePrinter();
    setup_->cmdLogo[5]->click();
    ASSERT_EQ(ThePrinter().Pages().size(), 1);
    const QList<PrintOperation>& page = ThePrinter().Pages()[0];
    ASSERT_EQ(page.size(), 1);
    EXPECT_EQ(page[0].kind, PrintOperation::Picture);
    EXPECT_EQ(QRectF(page[0].x, page[0].y, page[0].x2, page[0].y2), QRectF(5620, 144, 1000, 1800));
    EXPECT_EQ(ThePrinter().orientation, Printer::Portrait);

    dialogs.QueueCancel();
    dialogs.QueuePrinter(FullPath("/no such folder/sample.pdf"));
    Script().Queue(MsgAnswer::Ok);
    Script().Queue(MsgAnswer::Ok);
    setup_->cmdLogo[5]->click();
    setup_->cmdLogo[5]->click();
    ASSERT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(Script().Shown()[1].Title, "Print Error");
    EXPECT_EQ(Prompt(1), "A Print Error has occurred\n" + Prompt(0));
}

} // namespace
