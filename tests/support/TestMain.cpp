// Every test program runs as a Windows program with an application object, like Corvella itself.
#include "winlib/WinApp.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
};
CTestApp theTestApp;
}

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
