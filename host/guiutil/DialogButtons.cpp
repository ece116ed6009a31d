#include "host/guiutil/DialogButtons.h"

#include "platform/qt/ControlId.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace guiutil {

QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    platform::SetControlId(buttons->button(QDialogButtonBox::Ok), kIdOk);
    platform::SetControlId(buttons->button(QDialogButtonBox::Cancel), kIdCancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace guiutil
