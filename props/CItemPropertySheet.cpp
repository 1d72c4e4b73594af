#include "CItemPropertySheet.h"

#include "CDlgItem.h"

CItemPropertySheet::CItemPropertySheet(QWidget* parent) : CPropertySheet(parent), m_pItemPage(new CDlgItem)
{
    setProperty("helpContext", kHelpContext);
    AddPage(m_pItemPage);
    AddModeButtons(true);
}
