#include "CGdiObject.h"

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    DeleteObject();
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    BOOL bDeleted = ::DeleteObject(Detach());
    return bDeleted;
}

int CGdiObject::GetObject(int nCount, void* pObject) const
{
    return m_hObject != nullptr ? ::GetObjectA(m_hObject, nCount, pObject) : 0;
}
