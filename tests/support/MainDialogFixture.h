#pragma once
// The real main dialog, created modeless for a test, with MP3 files of its own to list.
#include "app/MainDlg.h"
#include "support/Mp3Fixture.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes small MP3 files named track<N>.mp3 and appends a row for each, as adding files does.
    std::vector<std::string> AddFiles(int count);
    // Adds files through the real open-file dialog, typing their names into it in its starting folder,
    // and tells what the dialog showed.
    struct FileDialogSeen {
        std::string title;
        std::string filter;
        bool readOnlyBoxShown = true;
    };
    FileDialogSeen AddThroughFileDialog(const std::string& typedNames, bool cancel = false);
    // Selects a row as the keyboard or a click would: the list view notifies the dialog itself.
    void SelectRow(int row);
    CRect RowRect(int row) const;
    HWND Item(int id) const { return dlg_.GetDlgItem(id); }
    std::string FieldText(int id) const;

    CMainDlg dlg_;
    HWND list_ = nullptr;
    fixture::TempDir dir_;
    int filesWritten_ = 0;
};
