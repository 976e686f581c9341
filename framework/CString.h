// A narrow string of code page 932 bytes.
#pragma once
#include "AfxTypes.h"
#include <string>

class CString
{
public:
    CString() = default;
    CString(const char* psz);
    CString(const char* pch, int nLength);

    // Replaces the text with string nID of the current resource module;
    // FALSE (and an empty string) when it has none.
    BOOL LoadString(UINT nID);

    // printf-style formatting into this string.
    void Format(const char* pszFormat, ...)
#ifdef __GNUC__
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }

    operator const char*() const { return m_str.c_str(); }

    CString& operator+=(const CString& str);
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }

private:
    std::string m_str;
};
