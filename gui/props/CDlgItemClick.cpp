#include "CDlgItemClick.h"

CDlgItemClick::CDlgItemClick(const CEditorContext& context, QWidget* parent)
    : CDlgItemState(context, QStringLiteral("Item Clicked"), kDialogId, 2, parent)
{
}
