#include "app/frmAbout.h"

#include "app/Startup.h"
#include "app/frmStartup.h"
#include "core/Links.h"
#include "core/Utilities.h"
#include "platform/Controls.h"
#include "platform/ProgramNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout()
{
    auto* layout = new QHBoxLayout(this);
    picIcon = new PictureBox(this);
    picIcon->setPixmap(ProductLogo(96));
    picIcon->setCursor(Qt::ArrowCursor);
    layout->addWidget(picIcon, 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    lblTitle = new QLabel(this);
    lblTitle->setToolTip(QStringLiteral("Current Program Running"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    text->addWidget(lblTitle);

    const QString descriptions[4] = {
        QStringLiteral("Scheduling, projects and work orders for the contractor."),
        QStringLiteral("Written and supported by %1.").arg(Links::MakerName),
        QStringLiteral("Companion programs, updates and help are on our web site."),
        QStringLiteral("Click Visit Now to open it in your browser."),
    };
    for (size_t i = 0; i < lblDescription.size(); ++i) {
        lblDescription[i] = new QLabel(descriptions[i], this);
        lblDescription[i]->setWordWrap(true);
        text->addWidget(lblDescription[i]);
    }
    text->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdVisit = new QPushButton(QStringLiteral("&Visit Now"), this);
    cmdVisit->setToolTip(Links::MakerWebSite);
    buttons->addWidget(cmdVisit);
    cmdOK = new QPushButton(QStringLiteral("&Menu"), this);
    cmdOK->setToolTip(QStringLiteral("Return to Main Menu"));
    cmdOK->setDefault(true);
    buttons->addWidget(cmdOK);
    text->addLayout(buttons);
    layout->addLayout(text, 1);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdVisit, &QPushButton::clicked, this, [this] { cmdVisit_Click(); });
    resize(520, 240);
}

void frmAbout::Form_Load()
{
    setWindowTitle(ProgramTitle + QStringLiteral(" - by ") + Links::MakerName);
    lblTitle->setText(ProgramTitle);
}

void frmAbout::cmdOK_Click()
{
    Unload();
    ScreenInstance<frmStartup>().Show();
}

void frmAbout::cmdVisit_Click()
{
    OpenWebPage(Links::MakerWebSite);
}

void frmAbout::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    if (unloadMode == UserClosed)
        EndProgram();
}
