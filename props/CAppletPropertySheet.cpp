#include "CAppletPropertySheet.h"

#include "CDlgAppletParam.h"
#include "CDlgAppletStyle.h"

CAppletPropertySheet::CAppletPropertySheet(QWidget* parent)
    : CPropertySheet(parent), m_pParamPage(new CDlgAppletParam), m_pStylePage(new CDlgAppletStyle)
{
    AddPage(m_pParamPage);
    AddPage(m_pStylePage);
}
