#pragma once
// The five text fields of a tag: their id3lib frame, edit control, dialog member and the longest
// text that can be typed, which is the field's width in an ID3v1.1 tag.
#include "app/MainDlg.h"

struct TagField {
    ID3_FrameID frame;
    int control;
    CString CMainDlg::*text;
    int longestTyped;
};

// In the order of the dialog's field exchange: Title, Artist, Album, Year, Comments.
const int kTagFieldCount = 5;
extern const TagField kTagFields[kTagFieldCount];
