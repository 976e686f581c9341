// A menu the window owns; the wrapper never destroys it.
#pragma once
#include "AfxTypes.h"

class CMenu
{
public:
    static CMenu* FromHandle(HMENU hMenu); // a temporary wrapper
    static void DeleteTempMap();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    HMENU m_hMenu = nullptr;
};
