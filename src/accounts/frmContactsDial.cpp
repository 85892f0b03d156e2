// Dialling a contact through the dialer.
#include "accounts/frmContacts.h"

#include "core/DialService.h"
#include "core/Navigation.h"
#include "platform/Controls.h"
#include "platform/TextBox.h"

PictureBox* frmContacts::BuildPhonePicture(QWidget* parent)
{
    imgPhone = new PictureBox(parent);
    imgPhone->setPixmap(PhonePicture(32));
    imgPhone->setToolTip(QStringLiteral("Call Account Phone or Cell"));
    // Offered once the settings say a telephone is chained behind the modem.
    imgPhone->setEnabled(false);
    connect(imgPhone, &PictureBox::clicked, this, [this] { imgPhone_Click(); });
    return imgPhone;
}

void frmContacts::SetPhonePicture()
{
    imgPhone->setEnabled(ModemState().PhoneTicked);
}

void frmContacts::imgPhone_Click()
{
    SaveContact();
    DialRequest() = {txtContact[1]->text(), txtContact[6]->text().trimmed()};
    ShowScreenModal(QStringLiteral("frmDialer"));
}
