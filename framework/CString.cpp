#include "CString.h"
#include "AfxModule.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

CString::CString(const char* psz) : m_str(psz != nullptr ? psz : "") {}

CString::CString(const char* pch, int nLength) : m_str(pch, static_cast<size_t>(nLength)) {}

#ifdef _WIN32
BOOL CString::LoadString(UINT nID)
{
    // LoadStringA cuts a string that does not fit; grow until it does.
    for (int nSize = 256; nSize <= 65536; nSize *= 4)
    {
        std::vector<char> buf(static_cast<size_t>(nSize));
        int nLen = ::LoadStringA(AfxGetResourceHandle(), nID, buf.data(), nSize);
        // A cut string fills the buffer to nSize - 1 bytes, or to nSize - 2
        // where the cut fell inside a double-byte character.
        if (nLen < nSize - 2)
        {
            m_str.assign(buf.data(), static_cast<size_t>(nLen));
            return nLen > 0;
        }
    }
    m_str.clear();
    return FALSE;
}
#else
BOOL CString::LoadString(UINT nID)
{
    m_str.clear();
    HINSTANCE hResource = AfxGetResourceHandle();
    if (hResource == nullptr)
        return FALSE;
    for (size_t i = 0; i < hResource->nStrings; ++i)
    {
        if (hResource->pStrings[i].nID == nID)
        {
            m_str = hResource->pStrings[i].pszText;
            return !m_str.empty();
        }
    }
    return FALSE;
}
#endif

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int nLen = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (nLen < 0)
    {
        m_str.clear();
    }
    else
    {
        std::vector<char> buf(static_cast<size_t>(nLen) + 1);
        std::vsnprintf(buf.data(), buf.size(), pszFormat, args);
        m_str.assign(buf.data(), static_cast<size_t>(nLen));
    }
    va_end(args);
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}
