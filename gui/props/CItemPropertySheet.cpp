#include "CItemPropertySheet.h"

#include "CDlgItem.h"

CItemPropertySheet::CItemPropertySheet(const CEditorContext& context, QWidget* parent)
    : CPropertySheet(context, parent), m_pItemPage(new CDlgItem(context))
{
    setProperty("helpContext", kHelpContext);
    AddPage(m_pItemPage);
    AddModeButtons(true);
}
