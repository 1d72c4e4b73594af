#include "CDlgItemClick.h"

CDlgItemClick::CDlgItemClick(QWidget* parent)
    : CDlgItemState(QStringLiteral("Item Clicked"), kDialogId, 2, parent)
{
}
