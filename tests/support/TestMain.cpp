// Every test program runs as a Windows program with an application object, like Corvella itself.
#include "winlib/WinApp.h"
#include <commctrl.h>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
};
CTestApp theTestApp;

// Under Wine a crash would otherwise end in the debugger with exit code 0, which reads as a pass.
LONG WINAPI FailOnCrash(EXCEPTION_POINTERS* crash)
{
    std::fprintf(stderr, "\nCRASH: exception 0x%08lx at %p\n", crash->ExceptionRecord->ExceptionCode,
                 crash->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    ::ExitProcess(3);
}
}

int main(int argc, char** argv)
{
    ::SetUnhandledExceptionFilter(&FailOnCrash);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
