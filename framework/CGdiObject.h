// Owns a GDI object: deleted with the wrapper unless detached.
#pragma once
#include "AfxTypes.h"

class CGdiObject
{
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, void* pObject) const;

    HGDIOBJ m_hObject = nullptr;
};
