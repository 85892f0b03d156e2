#include "projects/frmProjectControl.h"

#include "core/DialService.h"
#include "core/Navigation.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"

#include <QLabel>

void frmProjectControl::ConnectDialling()
{
    imgDialer->setPixmap(PhonePicture(32));
    connect(imgDialer, &PictureBox::clicked, this, [this] { imgDialer_Click(); });
    for (QLabel* label : lblCustomer)
        label->installEventFilter(this);
}

void frmProjectControl::SetDialerIcon()
{
    imgDialer->setVisible(PhoneSettings().PhoneOn);
}

void frmProjectControl::Dial(const QString& name, const QString& number)
{
    DialRequest() = {name, number};
    dialling_ = true;
    ShowScreenModal(QStringLiteral("frmDialer"));
    dialling_ = false;
}

void frmProjectControl::imgDialer_Click()
{
    // Only a row that holds a project has a customer to call.
    if (!ProjectRowSelected())
        return;
    const int row = fgProjects->currentRow() + 1;
    Dial(fgProjects->TextMatrix(row, 3), fgProjects->TextMatrix(row, 4));
}

void frmProjectControl::lblCustomer_MouseUp(int Index, Qt::MouseButton button)
{
    Q_UNUSED(Index);
    if (button != Qt::RightButton || lblCustomer[0]->text().isEmpty())
        return;
    Dial(lblCustomer[0]->text(), lblCustomer[3]->text());
}
