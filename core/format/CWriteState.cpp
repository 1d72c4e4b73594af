#include "CWriteState.h"

void CWriteState::ClearWalk()
{
    m_arrMenus.clear();
    m_arrWritten.clear();
    m_strRelation.clear();
}
