#pragma once
// Resource, control and command identifiers of the program.

#define IDD_ABOUTBOX            100
#define IDD_CORVELLA_DIALOG     102
#define IDR_MAINFRAME           128
#define IDR_MAINMENU            131
#define IDR_FILELIST_POPUP      136

#define IDC_FILELIST            1000
#define IDC_WEBLINK             1001
#define IDC_TITLE               1004
#define IDC_ARTIST              1005
#define IDC_GENRE               1006
#define IDC_COMMENT             1007
#define IDC_ALBUM               1008
#define IDC_YEAR                1009

#define ID_FILE_NEWLIST         32771
#define ID_FILE_ADD             32772
#define ID_FILE_REMOVE          32773
#define ID_FILE_EXIT            32774
#define ID_TOOLBAR_SAVE         32775
#define ID_HELP_ABOUT           32777
#define ID_HELP_CONTENTS        32779
#define ID_FILE_SAVE            32781
#define ID_ACTION_UNDO          32782
#define ID_PLAY                 32783
#define ID_STOP                 32784
#define ID_PAUSE                32785
