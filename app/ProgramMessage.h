#pragma once
#include <windows.h>

// The program's own message boxes: no owner window, the caption "Corvella".
inline int ProgramMessageBox(LPCSTR text, UINT type)
{
    return ::MessageBoxA(nullptr, text, "Corvella", type);
}

// A question with Yes and No: TRUE only for Yes.
inline BOOL AskYesNo(LPCSTR question)
{
    return ProgramMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
