// The settings screen's Logo tab: the company logo as it is on disk and as it is printed.
#include "app/frmSetup.h"

#include "core/BusinessForm.h"
#include "core/FileAccess.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/CommonDialogs.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/Units.h"

#include <QGridLayout>
#include <QImageReader>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int SmallestSide = 360;
constexpr int LargestSide = 1800;
constexpr int Step = 50;
constexpr int DefaultSide = 1440;
// Every kind of picture the program can read, so that none it could show is hidden.
QString LogoFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format);
        patterns << QStringLiteral("*.") + suffix.toLower() << QStringLiteral("*.") + suffix.toUpper();
    }
    patterns.removeDuplicates();
    return QStringLiteral("Pictures (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(");;All (*.*)");
}
} // namespace

QWidget* frmSetup::BuildLogoTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);

    auto* onDisk = new QGroupBox(QStringLiteral("File on Disk"), page);
    auto* diskLayout = new QVBoxLayout(onDisk);
    Image2 = new QLabel(onDisk);
    Image2->setToolTip(QStringLiteral("Displays your Selected Logo"));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setMinimumSize(160, 160);
    Image2->setFrameShape(QFrame::StyledPanel);
    diskLayout->addWidget(Image2, 1);
    auto* hint = new QLabel(QStringLiteral("Copy your Logo picture into the program folder, then click Find to choose it."), onDisk);
    hint->setWordWrap(true);
    diskLayout->addWidget(hint);
    layout->addWidget(onDisk, 1);

    Frame1 = new QGroupBox(QStringLiteral("LOGO Sizing"), page);
    auto* sizing = new QGridLayout(Frame1);
    sizing->addWidget(new QLabel(QStringLiteral("Adjusted Logo"), Frame1), 0, 0, 1, 2);
    Image3 = new QLabel(Frame1);
    Image3->setAlignment(Qt::AlignCenter);
    Image3->setMinimumSize(PixelsFromTwips(LargestSide) + 8, PixelsFromTwips(LargestSide) + 8);
    sizing->addWidget(Image3, 1, 0);
    UpDown2 = new UpDown(Frame1, Qt::Vertical);
    sizing->addWidget(UpDown2, 1, 1, Qt::AlignVCenter);
    UpDown3 = new UpDown(Frame1, Qt::Horizontal);
    sizing->addWidget(UpDown3, 2, 0, Qt::AlignHCenter);
    auto* sizeHint = new QLabel(QStringLiteral("Click Height and Width (< >) to adjust LOGO size"), Frame1);
    sizeHint->setWordWrap(true);
    sizing->addWidget(sizeHint, 3, 0, 1, 2);
    layout->addWidget(Frame1, 1);

    auto* buttons = new QVBoxLayout;
    const std::pair<const char*, const char*> captions[7] = {
        {"Find", "Opens up your disk files for locating a Logo File (Image)"},
        {"&Store", ""},
        {"&Clear", ""},
        {"Make Square (Height)", "Makes Width = to Height"},
        {"Make Square (Width)", "Makes Height = to Width"},
        {"Print Sample", ""},
        {"Restore", "Sets the Adjusted Image to Defaults"},
    };
    for (int i = 0; i < 7; ++i) {
        cmdLogo[size_t(i)] = new QPushButton(QString::fromUtf8(captions[i].first), page);
        cmdLogo[size_t(i)]->setToolTip(QString::fromUtf8(captions[i].second));
        buttons->addWidget(cmdLogo[size_t(i)]);
    }
    cmdLogo[1]->setEnabled(false);
    buttons->addStretch();
    layout->addLayout(buttons);
    return page;
}

void frmSetup::ConnectLogo()
{
    for (int i = 0; i < 7; ++i)
        connect(cmdLogo[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdLogo_Click(i); });
    connect(UpDown3, &UpDown::DownClick, this, [this] { UpDown3_DownClick(); });
    connect(UpDown3, &UpDown::UpClick, this, [this] { UpDown3_UpClick(); });
    connect(UpDown2, &UpDown::DownClick, this, [this] { UpDown2_DownClick(); });
    connect(UpDown2, &UpDown::UpClick, this, [this] { UpDown2_UpClick(); });
}

void frmSetup::ShowLogo()
{
    const LiveSettings& live = Live();
    if (live.Logo.isNull()) {
        Image2->clear();
        Image3->clear();
        return;
    }
    const QPixmap picture = QPixmap::fromImage(live.Logo);
    Image2->setPixmap(picture.width() > 240 || picture.height() > 240
                          ? picture.scaled(240, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                          : picture);
    Image3->setPixmap(QPixmap::fromImage(live.AdjustedLogo)
                          .scaled(PixelsFromTwips(live.LogoWidth), PixelsFromTwips(live.LogoHeight),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void frmSetup::cmdLogo_Click(int Index)
{
    LiveSettings& live = Live();
    switch (Index) {
    case 0: {
        const std::optional<QString> file = ChooseOpenFile(QStringLiteral("Find your Logo"), LogoFilter());
        if (!file)
            return;
        const QImage picture(*file);
        if (picture.isNull()) {
            MsgBox(QStringLiteral("This file cannot be used as a Logo picture"));
            return;
        }
        live.Logo = picture;
        live.AdjustedLogo = picture;
        ChosenLogoFile = *file;
        cmdLogo[1]->setEnabled(true);
        break;
    }
    case 1:
        if (ChosenLogoFile.isEmpty())
            return;
        if (!SaveLogo(ChosenLogoFile) || !SaveLogoSettings()) {
            ShowWriteFailure(QStringLiteral("Your Logo could not be Stored."));
            return;
        }
        live.LogoPath = ChosenLogoFile;
        MsgBox(QStringLiteral("Your Logo has been Stored"));
        cmdLogo[1]->setEnabled(false);
        break;
    case 2:
        if (MsgBox(QStringLiteral("This will Delete your Company Logo"), MsgButtons::YesNo, MsgIcon::Question,
                   QStringLiteral("Delete Logo"))
            != MsgAnswer::Yes)
            return;
        live.Logo = QImage();
        live.AdjustedLogo = QImage();
        live.LogoPath.clear();
        if (!DeleteWithBackup(CompanyLogoPath))
            MsgBox(QStringLiteral("The Logo file could not be deleted.\nThe Logo will be back at the next start."),
                   MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Delete Logo"));
        ChosenLogoFile.clear();
        cmdLogo[1]->setEnabled(false);
        break;
    case 3:
        live.LogoWidth = live.LogoHeight;
        break;
    case 4:
        live.LogoHeight = live.LogoWidth;
        break;
    case 5:
        RunPrintJob(QStringLiteral("The Logo Sample will not be Printed"), [] {
            SetupPrinter(QStringLiteral("Portrait"), ColorPrintingFlag());
            PrintLogo();
        });
        break;
    case 6:
        live.LogoWidth = DefaultSide;
        live.LogoHeight = DefaultSide;
        break;
    default:
        return;
    }
    ShowLogo();
}

void frmSetup::UpDown3_DownClick()
{
    double& width = Live().LogoWidth;
    width = width <= SmallestSide ? LargestSide : width - Step;
    if (width < SmallestSide)
        width = SmallestSide;
    ShowLogo();
}

void frmSetup::UpDown3_UpClick()
{
    double& width = Live().LogoWidth;
    width = width >= LargestSide ? SmallestSide : width + Step;
    if (width > LargestSide)
        width = LargestSide;
    ShowLogo();
}

void frmSetup::UpDown2_DownClick()
{
    // The height arrows run the other way round, and this one has no upper bound.
    double& height = Live().LogoHeight;
    height = height < LargestSide ? height + Step : SmallestSide;
    ShowLogo();
}

void frmSetup::UpDown2_UpClick()
{
    double& height = Live().LogoHeight;
    height = height <= SmallestSide ? LargestSide : height - Step;
    ShowLogo();
}
