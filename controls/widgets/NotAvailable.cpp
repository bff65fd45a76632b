#include "NotAvailable.h"

#include "Messages.h"

namespace quarlo {

void ShowNotAvailableYet(QWidget* parent, const QString& command)
{
    ShowInformation(parent, QStringLiteral("%1 is not available yet.").arg(command));
}

}  // namespace quarlo
