// The settings screen's Business Info tab: the nine business boxes and the address style.
#include "app/frmSetup.h"

#include "core/Settings.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "platform/Units.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {
// Widths of the two address boxes that change with the style, in twips.
constexpr int NarrowStateWidth = 930;
constexpr int WideAddressWidth = 5385;
constexpr int CityWidth = 3150;
} // namespace

QWidget* frmSetup::BuildBusinessTab()
{
    auto* page = new QWidget(this);
    auto* columns = new QHBoxLayout(page);
    auto* grid = new QGridLayout;
    columns->addLayout(grid, 1);
    auto* pictures = new QVBoxLayout;
    columns->addLayout(pictures);
    const QString captions[9] = {
        QStringLiteral("Company Name"), QStringLiteral("Address 1"), QStringLiteral("Address 2"),
        QStringLiteral("City"),         QStringLiteral("State"),     QStringLiteral("Postal Code"),
        QStringLiteral("Telephone"),    QStringLiteral("Aux Field #1"), QStringLiteral("Aux Field #2"),
    };
    for (int i = 0; i < 9; ++i) {
        auto* caption = new QLabel(captions[i], page);
        if (i < 7)
            lblAddress[size_t(i)] = caption;
        grid->addWidget(caption, i, 0);
        txtBusiness[size_t(i)] = new TextBox(page);
        txtBusiness[size_t(i)]->setFixedWidth(PixelsFromTwips(WideAddressWidth));
        grid->addWidget(txtBusiness[size_t(i)], i, 1, Qt::AlignLeft);
    }
    txtBusiness[7]->setToolTip(QStringLiteral("Your Company FAX No Here"));
    lblPostal = new QLabel(QStringLiteral("Postal Code is Mandatory"), page);
    grid->addWidget(lblPostal, 5, 2);

    cmdAddress = new QPushButton(InternationalStyleAddress, page);
    grid->addWidget(cmdAddress, 9, 1, Qt::AlignLeft);

    const QStyle* style = QApplication::style();
    Image5 = new PictureBox(page);
    Image5->setPixmap(style->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32));
    Image5->setToolTip(QStringLiteral("Reload Business Data"));
    pictures->addWidget(Image5);
    Image4 = new PictureBox(page);
    Image4->setPixmap(style->standardIcon(QStyle::SP_DialogResetButton).pixmap(32, 32));
    Image4->setToolTip(QStringLiteral("Clear All business Data"));
    pictures->addWidget(Image4);
    pictures->addStretch();

    grid->setColumnStretch(2, 1);
    grid->setRowStretch(10, 1);
    return page;
}

void frmSetup::ConnectBusiness()
{
    connect(cmdAddress, &QPushButton::clicked, this, [this] { cmdAddress_Click(); });
    connect(Image5, &PictureBox::clicked, this, [this] { Image5_Click(); });
    connect(Image4, &PictureBox::clicked, this, [this] { Image4_Click(); });
}

void frmSetup::ShowBusinessData()
{
    const SettingsValues& s = Settings();
    const QString values[9] = {s.BusinessName, s.BusinessStreet, s.BusinessAddress2,
                               s.BusinessCity, s.BusinessState, s.BusinessZip,
                               s.BusinessPhone, s.BusinessFax, s.BusinessExtra};
    for (size_t i = 0; i < txtBusiness.size(); ++i)
        txtBusiness[i]->setText(values[i]);
}

void frmSetup::ApplyAddressStyle(const QString& style)
{
    const bool usa = style == UsaStyleAddress;
    Live().AddressStyle = usa ? UsaStyleAddress : InternationalStyleAddress;
    cmdAddress->setText(Live().AddressStyle);
    lblPostal->setVisible(usa);
    lblAddress[3]->setText(usa ? QStringLiteral("City") : QStringLiteral("Address 3"));
    lblAddress[4]->setText(usa ? QStringLiteral("State") : QStringLiteral("Address 4"));
    lblAddress[5]->setVisible(usa);
    txtBusiness[5]->setVisible(usa);
    txtBusiness[5]->setText(usa ? Settings().BusinessZip : QString());
    // The limits hold for typing only: text already in a box is never cut.
    txtBusiness[4]->setFixedWidth(PixelsFromTwips(usa ? NarrowStateWidth : WideAddressWidth));
    txtBusiness[4]->SetMaxLength(usa ? 2 : 55);
    txtBusiness[3]->setFixedWidth(PixelsFromTwips(usa ? CityWidth : WideAddressWidth));
}

void frmSetup::cmdAddress_Click()
{
    ApplyAddressStyle(Live().IsUsaStyle() ? InternationalStyleAddress : UsaStyleAddress);
}

void frmSetup::Image5_Click()
{
    LoadBusinessData();
    ShowBusinessData();
    ApplyAddressStyle(Live().AddressStyle);
}

void frmSetup::Image4_Click()
{
    if (MsgBox(QStringLiteral("Do you want to reset (clear)all Business Data?"), MsgButtons::YesNo,
               MsgIcon::Question, QStringLiteral("Reset Business Data")) != MsgAnswer::Yes)
        return;
    for (TextBox* box : txtBusiness)
        box->clear();
    txtBusiness[0]->setFocus();
}
