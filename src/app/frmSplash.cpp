#include "app/frmSplash.h"

#include "app/Startup.h"
#include "app/frmSetup.h"
#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "platform/Controls.h"
#include "platform/ProgramNames.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* WrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}
} // namespace

frmSplash::frmSplash()
{
    setWindowTitle(ProgramTitle);
    auto* layout = new QVBoxLayout(this);

    // The usual face: the product's name and picture, and Continue.
    fraMain = new QWidget(this);
    auto* mainLayout = new QVBoxLayout(fraMain);
    auto* title = new QLabel(ProgramTitle, fraMain);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    mainLayout->addWidget(title);

    Image1[0] = new PictureBox(fraMain);
    Image1[0]->setPixmap(ProductLogo(160));
    Image1[0]->setAlignment(Qt::AlignCenter);
    mainLayout->addWidget(Image1[0]);

    cmdContinue = new QPushButton(QStringLiteral("Continue"), fraMain);
    cmdContinue->setDefault(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdContinue);
    buttonRow->addStretch();
    mainLayout->addLayout(buttonRow);
    layout->addWidget(fraMain);

    // The welcome panel for a first run, or for a start with a settings file missing.
    fraWelcome = new QWidget(this);
    auto* welcome = new QGridLayout(fraWelcome);
    auto* caption = new QLabel(QStringLiteral("Welcome to ") + ProgramTitle, fraWelcome);
    QFont captionFont = caption->font();
    captionFont.setPointSize(captionFont.pointSize() + 4);
    captionFont.setBold(true);
    caption->setFont(captionFont);
    welcome->addWidget(caption, 0, 0, 1, 3);
    const QStringList texts = {
        QStringLiteral("It has a series of File Folders where information the program requires is stored."),
        QStringLiteral("The Setup Screen will be displayed when you click our LOGO."),
        QStringLiteral("Enter the information for each Folder."),
        QStringLiteral("When you're completed, click on the Menu Button. That's it!"),
        QStringLiteral("The program will start.(Unless you forgot something)"),
        QStringLiteral("If you see this screen after initial Setup, one of your files is missing."),
        QStringLiteral("An unsuccessful attempt was made to restore it from the Backup Folder. You need to recreate it."),
        QStringLiteral("You may return to the Setup Screen at any time and make changes by Selecting Files | Create/Modify from the Main Menu Screen."),
    };
    int row = 1;
    for (const QString& text : texts)
        welcome->addWidget(WrappedLabel(text, fraWelcome), row++, 0, 1, 3);
    auto* pointer = new QLabel(QStringLiteral("LOGO >"), fraWelcome);
    pointer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    welcome->addWidget(pointer, row, 1);
    Image1[1] = new PictureBox(fraWelcome);
    Image1[1]->setPixmap(ProductLogo(96));
    // The only way on from this panel, so the keyboard reaches it too.
    Image1[1]->setFocusPolicy(Qt::StrongFocus);
    Image1[1]->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px dotted palette(highlight); }"));
    welcome->addWidget(Image1[1], row, 2);
    welcome->setColumnStretch(0, 1);
    fraWelcome->hide();
    layout->addWidget(fraWelcome);

    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    for (int i = 0; i < int(Image1.size()); ++i)
        connect(Image1[size_t(i)], &PictureBox::clicked, this, [this, i] { Image1_Click(i); });

    resize(620, 420);
}

void frmSplash::cmdContinue_Click()
{
    if (CheckSettingsFiles()) {
        ScreenInstance<frmStartup>().Show();
        Unload();
        return;
    }
    fraMain->hide();
    fraWelcome->show();
    Image1[1]->setFocus();
}

void frmSplash::Image1_Click(int Index)
{
    if (Index == 1)
        fraWelcome->hide();
    ScreenInstance<frmSetup>().Show();
    Unload();
}

void frmSplash::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    if (unloadMode == UserClosed)
        EndProgram();
}
