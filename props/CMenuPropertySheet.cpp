#include "CMenuPropertySheet.h"

#include "CDlgItemClick.h"
#include "CDlgItemMouseOver.h"
#include "CDlgItemNormal.h"
#include "CDlgMenuStyle.h"

CMenuPropertySheet::CMenuPropertySheet(QWidget* parent)
    : CPropertySheet(parent),
      m_pMenuStylePage(new CDlgMenuStyle),
      m_pNormalPage(new CDlgItemNormal),
      m_pOverPage(new CDlgItemMouseOver),
      m_pClickPage(new CDlgItemClick)
{
    setProperty("helpContext", kHelpContext);
    AddPage(m_pMenuStylePage);
    AddPage(m_pNormalPage);
    AddPage(m_pOverPage);
    AddPage(m_pClickPage);
    AddModeButtons(false);
}
