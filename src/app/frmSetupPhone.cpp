// The settings screen's Phone Connection page: the chained telephone, caller ID and the
// modem's port, as the modem probe and the phone settings files left them.
#include "app/frmSetup.h"

#include "platform/Controls.h"
#include "platform/TextBox.h"
#include "telephony/PhoneSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>

QWidget* frmSetup::BuildPhoneTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    auto* picture = new QLabel(page);
    picture->setPixmap(PhonePicture(48));
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    ckPhone = new QCheckBox(QStringLiteral("A Phone is Daisy-Chained  downstream from the Computer"), page);
    grid->addWidget(ckPhone, 0, 1, 1, 2);
    ckCallerID = new QCheckBox(QStringLiteral("Using Caller ID"), page);
    grid->addWidget(ckCallerID, 1, 1, 1, 2);
    lblCallid = new QLabel(QStringLiteral("Modem Supports Caller ID  Check with your Phone Co for support for this feature"), page);
    lblCallid->setWordWrap(true);
    lblCallid->hide();
    grid->addWidget(lblCallid, 2, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Modem Port (COM)"), page), 3, 1);
    txtModemPort = new TextBox(page);
    txtModemPort->SetMaxLength(2);
    txtModemPort->setMaximumWidth(60);
    txtModemPort->setText(QStringLiteral("0"));
    grid->addWidget(txtModemPort, 3, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);

    // The dialer and the contact screen read these boxes while this screen is hidden.
    connect(ckPhone, &QCheckBox::toggled, this, [](bool ticked) { ModemState().PhoneTicked = ticked; });
    connect(ckCallerID, &QCheckBox::toggled, this, [this](bool ticked) {
        ModemState().CallerIdTicked = ticked;
        ckCallerID_Click();
    });
    connect(txtModemPort, &QLineEdit::textChanged, this,
            [](const QString& text) { ModemState().ModemPortText = text; });
    return page;
}

void frmSetup::ckCallerID_Click()
{
    lblCallid->setVisible(ckCallerID->isChecked());
}

void frmSetup::ShowPhoneSettings()
{
    const ModemStateValues state = ModemState();
    if (state.ModemAnswered)
        txtModemPort->setText(state.ModemPortText);
    if (state.FeaturesDisabled)
        SSTab1->setTabEnabled(PhoneTab, false);
    ckPhone->setChecked(state.PhoneTicked);
    ckCallerID->setChecked(state.CallerIdTicked);
    lblCallid->setVisible(state.CallerIdTicked);
}

bool frmSetup::SavePhoneChoices()
{
    PhoneSettings().PhoneOn = ckPhone->isChecked();
    return SavePhoneSettings();
}
