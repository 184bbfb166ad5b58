// Field exchange: text limits on the way to the controls, the length check on the way back.
#include "res/resource.h"
#include "support/Ui.h"
#include "winlib/Dialog.h"
#include "winlib/WinApp.h"
#include <gtest/gtest.h>

namespace {

// The main window's template with two of its fields bound.
class CTwoFieldDlg : public CDialog {
public:
    CTwoFieldDlg() : CDialog(IDD_CORVELLA_DIALOG) {}
    CString m_strTitle;
    CString m_strYear;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TITLE, m_strTitle);
        DDV_MaxChars(pDX, m_strTitle, 30);
        DDX_Text(pDX, IDC_YEAR, m_strYear);
        DDV_MaxChars(pDX, m_strYear, 4);
    }
};

class DataExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dlg_.Create());
        AfxGetApp()->m_pMainWnd = &dlg_;
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        dlg_.DestroyWindow();
    }
    HWND Field(int id) { return dlg_.GetDlgItem(id); }
    int Limit(int id) { return static_cast<int>(::SendMessageA(Field(id), EM_GETLIMITTEXT, 0, 0)); }

    CTwoFieldDlg dlg_;
};

TEST_F(DataExchange, ShowingFieldsSetsTheirTextsAndLimits)
{
    dlg_.m_strTitle = "A title";
    dlg_.m_strYear = "1999";
    ASSERT_TRUE(dlg_.UpdateData(FALSE));
    EXPECT_EQ(ui::WindowText(Field(IDC_TITLE)), "A title");
    EXPECT_EQ(ui::WindowText(Field(IDC_YEAR)), "1999");
    EXPECT_EQ(Limit(IDC_TITLE), 30);
    EXPECT_EQ(Limit(IDC_YEAR), 4);
}

TEST_F(DataExchange, TakingFieldsWithinTheirLimitsSucceeds)
{
    ::SetWindowTextA(Field(IDC_TITLE), std::string(30, 't').c_str());
    ::SetWindowTextA(Field(IDC_YEAR), "2001");
    ui::MessageBoxAnswerer boxes;
    EXPECT_TRUE(dlg_.UpdateData(TRUE));
    EXPECT_EQ(dlg_.m_strTitle, std::string(30, 't').c_str());
    EXPECT_EQ(dlg_.m_strYear, "2001");
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(DataExchange, ATextOverItsLimitFailsAndStopsTheExchangeAtThatField)
{
    // The program may put a longer text into a field; the limit only stops typing.
    const std::string longTitle(40, 'x');
    ::SetWindowTextA(Field(IDC_TITLE), longTitle.c_str());
    ::SetWindowTextA(Field(IDC_YEAR), "2001");
    ASSERT_EQ(ui::WindowText(Field(IDC_TITLE)), longTitle);

    ui::MessageBoxAnswerer boxes;
    EXPECT_FALSE(dlg_.UpdateData(TRUE));

    ASSERT_EQ(boxes.Seen().size(), 1u);
    const ui::MessageBoxSeen& box = boxes.Seen()[0];
    EXPECT_EQ(box.text, "Please enter no more than 30 characters.");
    EXPECT_EQ(box.caption, "winlib_tests");
    EXPECT_EQ(box.owner, dlg_.m_hWnd);
    EXPECT_TRUE(box.warningIcon);
    EXPECT_EQ(dlg_.m_strTitle, longTitle.c_str());
    EXPECT_EQ(dlg_.m_strYear, "");
    EXPECT_EQ(::GetFocus(), Field(IDC_TITLE));
}

TEST_F(DataExchange, TypingStopsAtTheLimit)
{
    ASSERT_TRUE(dlg_.UpdateData(FALSE));
    ::SetFocus(Field(IDC_YEAR));
    for (char c : std::string("199901"))
        ::SendMessageA(Field(IDC_YEAR), WM_CHAR, c, 1);
    EXPECT_EQ(ui::WindowText(Field(IDC_YEAR)), "1999");
}

} // namespace
