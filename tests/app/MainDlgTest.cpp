// The main dialog as the user first sees it, and the ways it ends.
#include "res/resource.h"
#include "support/MainDialogFixture.h"
#include "support/Ui.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

using MainDialog = MainDialogTest;

std::string GenreShown(HWND combo)
{
    return ui::WindowText(combo);
}

TEST_F(MainDialog, StartsWithOneColumnEmptyLimitedFieldsBluesAndTheFocusOnTheList)
{
    HWND header = dlg_.m_fileList.GetHeaderCtrl();
    ASSERT_EQ(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 1);
    char heading[64] = "";
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = heading;
    item.cchTextMax = sizeof(heading);
    ::SendMessageA(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(heading, "Files to edit");
    EXPECT_EQ(dlg_.m_fileList.GetColumnWidth(0), 193);
    EXPECT_EQ(dlg_.m_fileList.GetItemCount(), 0);
    DWORD styles = dlg_.m_fileList.GetExtendedStyle();
    EXPECT_EQ(styles & (LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_GRIDLINES),
              DWORD(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_GRIDLINES));

    const struct {
        int id;
        int limit;
    } fields[] = {{IDC_TITLE, 30}, {IDC_ARTIST, 30}, {IDC_ALBUM, 30}, {IDC_YEAR, 4}, {IDC_COMMENT, 28}};
    for (const auto& field : fields) {
        EXPECT_EQ(FieldText(field.id), "") << field.id;
        EXPECT_EQ(::SendMessageA(Item(field.id), EM_GETLIMITTEXT, 0, 0), field.limit) << field.id;
    }
    EXPECT_EQ(GenreShown(Item(IDC_GENRE)), "Blues");
    EXPECT_EQ(::GetFocus(), list_);
}

TEST_F(MainDialog, MenuBarHoldsTheFileActionAndHelpCommands)
{
    const struct {
        int menu;
        const char* title;
        std::vector<std::pair<std::string, UINT>> items;  // a separator is {"", 0}
    } menus[] = {
        {0, "&File", {{"&New File List", ID_FILE_NEWLIST}, {"", 0}, {"&Add File", ID_FILE_ADD},
                      {"&Save File", ID_FILE_SAVE}, {"&Remove File", ID_FILE_REMOVE}, {"", 0}, {"Exit", ID_FILE_EXIT}}},
        {1, "&Action", {{"&Undo", ID_ACTION_UNDO}}},
        {2, "&Help", {{"&Contents", ID_HELP_CONTENTS}, {"&About...", ID_HELP_ABOUT}}},
    };
    HMENU bar = ::GetMenu(dlg_.m_hWnd);
    ASSERT_EQ(::GetMenuItemCount(bar), 3);
    for (const auto& m : menus) {
        char text[64] = "";
        ::GetMenuStringA(bar, m.menu, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ(text, m.title);
        HMENU popup = ::GetSubMenu(bar, m.menu);
        ASSERT_EQ(::GetMenuItemCount(popup), static_cast<int>(m.items.size())) << m.title;
        for (size_t i = 0; i < m.items.size(); ++i) {
            ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
            EXPECT_EQ(text, m.items[i].first) << m.title << " item " << i;
            EXPECT_EQ(::GetMenuItemID(popup, static_cast<int>(i)), m.items[i].second ? m.items[i].second : 0u)
                << m.title << " item " << i;
        }
    }
}

TEST_F(MainDialog, ShowsTheApplicationIconInBothSizesAndWhenDragged)
{
    EXPECT_EQ(reinterpret_cast<HICON>(dlg_.SendMessage(WM_GETICON, ICON_BIG)), dlg_.m_hIcon);
    EXPECT_NE(dlg_.m_hIcon, nullptr);
    EXPECT_NE(dlg_.SendMessage(WM_GETICON, ICON_SMALL), 0);
    EXPECT_EQ(reinterpret_cast<HICON>(dlg_.SendMessage(WM_QUERYDRAGICON)), dlg_.m_hIcon);
}

// Runs a dialog modally and carries out the steps inside its loop, one per tick, each only while
// no message box blocks the dialog.
class ModalRun {
public:
    using Step = std::function<void(CMainDlg&)>;
    ModalRun(CMainDlg& dlg, std::vector<Step> steps) : dlg_(dlg), steps_(std::move(steps))
    {
        s_run = this;
        timer_ = ::SetTimer(nullptr, 0, 40, &ModalRun::OnTick);
    }
    ~ModalRun()
    {
        ::KillTimer(nullptr, timer_);
        s_run = nullptr;
    }
    INT_PTR Run()
    {
        AfxGetApp()->m_pMainWnd = &dlg_;
        INT_PTR result = dlg_.DoModal();
        AfxGetApp()->m_pMainWnd = nullptr;
        return result;
    }
    size_t StepsDone() const { return next_; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        ModalRun* run = s_run;
        if (!run || !run->dlg_.m_hWnd || !::IsWindowEnabled(run->dlg_.m_hWnd) || run->next_ >= run->steps_.size())
            return;
        run->steps_[run->next_++](run->dlg_);
    }
    static ModalRun* s_run;
    CMainDlg& dlg_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    UINT_PTR timer_;
};
ModalRun* ModalRun::s_run = nullptr;

void PostKey(HWND hWnd, UINT vk)
{
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageA(hWnd, WM_KEYUP, vk, 1 | (3u << 30));
}

TEST(MainDialogEnd, EnterEscapeTheCloseBoxAndExitEndTheDialogWithoutAQuestion)
{
    const struct {
        const char* action;
        ModalRun::Step step;
        INT_PTR result;
    } cases[] = {
        {"Enter in Title", [](CMainDlg& d) { PostKey(d.GetDlgItem(IDC_TITLE), VK_RETURN); }, IDOK},
        {"Esc in Title", [](CMainDlg& d) { PostKey(d.GetDlgItem(IDC_TITLE), VK_ESCAPE); }, IDCANCEL},
        {"close box", [](CMainDlg& d) { ::PostMessageA(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"Exit", [](CMainDlg& d) { ::PostMessageA(d.m_hWnd, WM_COMMAND, ID_FILE_EXIT, 0); }, -1},
    };
    for (const auto& c : cases) {
        CMainDlg dlg;
        ui::MessageBoxAnswerer boxes;
        ModalRun run(dlg, {[](CMainDlg& d) { ::SetWindowTextA(d.GetDlgItem(IDC_TITLE), "Edited, not saved"); },
                           [](CMainDlg& d) { ::SetFocus(d.GetDlgItem(IDC_TITLE)); }, c.step});
        EXPECT_EQ(run.Run(), c.result) << c.action;
        EXPECT_EQ(dlg.m_hWnd, nullptr) << c.action;
        EXPECT_TRUE(boxes.Seen().empty()) << c.action;
    }
}

TEST(MainDialogEnd, EnterWithATitleOverItsLimitShowsTheLimitAndKeepsTheDialogOpen)
{
    CMainDlg dlg;
    ui::MessageBoxAnswerer boxes;
    ModalRun run(dlg, {[](CMainDlg& d) { ::SetWindowTextA(d.GetDlgItem(IDC_TITLE), std::string(40, 'x').c_str()); },
                       [](CMainDlg& d) { ::SetFocus(d.GetDlgItem(IDC_TITLE)); },
                       [](CMainDlg& d) { PostKey(d.GetDlgItem(IDC_TITLE), VK_RETURN); },
                       [](CMainDlg& d) { PostKey(d.GetDlgItem(IDC_TITLE), VK_ESCAPE); }});
    EXPECT_EQ(run.Run(), IDCANCEL);
    EXPECT_EQ(run.StepsDone(), 4u);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Please enter no more than 30 characters.");
    EXPECT_EQ(boxes.Seen()[0].caption, "app_tests");
}

TEST_F(MainDialog, TheSystemMenuHasOnlyTheStandardItems)
{
    HMENU system = ::GetSystemMenu(dlg_.m_hWnd, FALSE);
    ASSERT_GT(::GetMenuItemCount(system), 0);
    for (int i = 0; i < ::GetMenuItemCount(system); ++i) {
        UINT id = ::GetMenuItemID(system, i);
        EXPECT_TRUE(id == 0 || (id >= SC_SIZE && id <= SC_CONTEXTHELP)) << "item " << i << " id " << id;
    }
}

} // namespace
