#include "CDlgItemMouseOver.h"

CDlgItemMouseOver::CDlgItemMouseOver(const CEditorContext& context, QWidget* parent)
    : CDlgItemState(context, QStringLiteral("Item Mouse Over"), kDialogId, 1, parent)
{
}
