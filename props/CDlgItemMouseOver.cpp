#include "CDlgItemMouseOver.h"

CDlgItemMouseOver::CDlgItemMouseOver(QWidget* parent)
    : CDlgItemState(QStringLiteral("Item Mouse Over"), kDialogId, 1, parent)
{
}
