// Dialling the customer shown through the dialer.
#include "accounts/frmCustomer.h"

#include "core/DialService.h"
#include "core/Navigation.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

PictureBox* frmCustomer::BuildDialPicture()
{
    imgDialer = new PictureBox(this);
    imgDialer->setPixmap(PhonePicture(28));
    imgDialer->setToolTip(QStringLiteral("Call Account Phone or Cell"));
    imgDialer->hide();
    connect(imgDialer, &PictureBox::clicked, this, [this] { imgDialer_Click(); });
    return imgDialer;
}

void frmCustomer::SetDialerPicture()
{
    // Off for the run when no modem answered at start-up.
    imgDialer->setVisible(PhoneSettings().PhoneOn && ModemState().ModemAnswered);
}

namespace {

// The telephone or the cell, asking when the customer has both.
QString DialChoice(const QString& telephone, const QString& cell)
{
    if (telephone.isEmpty())
        return cell;
    if (cell.isEmpty())
        return telephone;
    const MsgAnswer answer = MsgBox(QStringLiteral("Click YES to dial Phone,\r\nClick NO to dial Cell"), MsgButtons::YesNo,
                                    MsgIcon::Question, QStringLiteral("Select Phone or Cell"));
    return answer == MsgAnswer::Yes ? telephone : cell;
}

} // namespace

void frmCustomer::imgDialer_Click()
{
    DialRequest() = {DisplayName, DialChoice(txtCustomer[6]->text().trimmed(), txtCustomer[11]->text().trimmed())};
    dialling_ = true;
    ShowScreenModal(QStringLiteral("frmDialer"));
    dialling_ = false;
}
