#include "CMenu.h"
#include "AfxTempMap.h"

namespace {
CAfxTempMap<CMenu, HMENU>& TempMap()
{
    static CAfxTempMap<CMenu, HMENU> map;
    return map;
}
} // namespace

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return TempMap().FromHandle(hMenu, [](CMenu& menu, HMENU h) { menu.m_hMenu = h; });
}

void CMenu::DeleteTempMap()
{
    TempMap().RemoveIf([](HMENU) { return true; });
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}
