#include "CDlgItemNormal.h"

CDlgItemNormal::CDlgItemNormal(QWidget* parent)
    : CDlgItemState(QStringLiteral("Item Normal"), kDialogId, 0, parent)
{
}
