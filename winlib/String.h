#pragma once
// CString: an 8-bit string in the system's ANSI code page.
#include <windows.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const std::string& str) : m_str(str) {}

    operator LPCSTR() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    CString& operator=(const char* psz) { m_str = psz ? psz : ""; return *this; }
    CString& operator+=(const CString& other) { m_str += other.m_str; return *this; }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

    // Loads a string resource of the program module; FALSE when there is none.
    BOOL LoadString(UINT nID);
    // Replaces each "%1" with the given text, as the framework's prompt formatting does.
    void FormatMessage1(LPCSTR pszFormat, LPCSTR pszArg1);

    const std::string& Str() const { return m_str; }

private:
    std::string m_str;
};

CString GetWindowTextString(HWND hWnd);
