#include "winlib/WinApp.h"

// The program takes no command-line arguments; any given are ignored.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app)
        app->InitInstance();
    return 0;
}
