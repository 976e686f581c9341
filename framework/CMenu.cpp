#include "CMenu.h"
#include "AfxTempMap.h"

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return CAfxTempMap<CMenu, HMENU>::Get().FromHandle(hMenu);
}

void CMenu::DeleteTempMap()
{
    CAfxTempMap<CMenu, HMENU>::Get().RemoveAll();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}
