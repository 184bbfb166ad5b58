#pragma once
#include "winlib/WinApp.h"

// The application: runs the main dialog once and ends with it.
class CMainApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
