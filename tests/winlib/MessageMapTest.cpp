// How a message travels: the message map of the window's object, reflection of notifications to
// the control that sent them, default processing, and exceptions stopped at the window procedure.
#include "support/Ui.h"
#include "winlib/Wnd.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

const UINT kCommand = 100;
const UINT kChildId = 5;
const UINT kThrow = WM_APP + 1;

// A control that handles NM_CLICK itself when its parent reflects it back.
class CClickableChild : public CWnd {
public:
    int reflectedClicks = 0;

protected:
    void OnReflectedClick(NMHDR*, LRESULT* pResult)
    {
        ++reflectedClicks;
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickableChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
END_MESSAGE_MAP()

class CRecordingParent : public CWnd {
public:
    std::vector<std::string> calls;
    bool destroyed = false;

protected:
    void OnHundred() { calls.push_back("command"); }
    void OnChildClick(NMHDR*, LRESULT*) { calls.push_back("click"); }
    void OnChildDoubleClick(NMHDR*, LRESULT*) { calls.push_back("dblclk"); }
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    void PostNcDestroy() override { destroyed = true; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingParent, CWnd)
    ON_COMMAND(kCommand, OnHundred)
    ON_NOTIFY(NM_CLICK, kChildId, OnChildClick)
    ON_NOTIFY(NM_DBLCLK, kChildId, OnChildDoubleClick)
    ON_MESSAGE(kThrow, OnThrow)
END_MESSAGE_MAP()

class MessageMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND parent = ::CreateWindowExA(0, "STATIC", "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        HWND child = ::CreateWindowExA(0, "STATIC", "child", WS_CHILD, 0, 0, 50, 20, parent,
                                       reinterpret_cast<HMENU>(kChildId), nullptr, nullptr);
        ASSERT_TRUE(parent_.SubclassWindow(parent));
        ASSERT_TRUE(child_.SubclassWindow(child));
    }
    void TearDown() override { parent_.DestroyWindow(); }

    LRESULT Notify(UINT code)
    {
        NMHDR hdr{child_.m_hWnd, kChildId, code};
        return parent_.SendMessage(WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&hdr));
    }

    CRecordingParent parent_;
    CClickableChild child_;
};

TEST_F(MessageMap, CommandsFromMenusAndButtonsReachTheHandlerButOtherControlCodesDoNot)
{
    parent_.SendMessage(WM_COMMAND, MAKEWPARAM(kCommand, 0), 0);                                        // menu
    parent_.SendMessage(WM_COMMAND, MAKEWPARAM(kCommand, 1), 0);                                        // accelerator
    parent_.SendMessage(WM_COMMAND, MAKEWPARAM(kCommand, BN_CLICKED), reinterpret_cast<LPARAM>(child_.m_hWnd));
    parent_.SendMessage(WM_COMMAND, MAKEWPARAM(kCommand, EN_CHANGE), reinterpret_cast<LPARAM>(child_.m_hWnd));
    parent_.SendMessage(WM_COMMAND, MAKEWPARAM(kCommand + 1, 0), 0);
    EXPECT_EQ(parent_.calls, (std::vector<std::string>{"command", "command", "command"}));
}

TEST_F(MessageMap, TheControlThatSentANotificationHandlesItFirst)
{
    EXPECT_EQ(Notify(NM_CLICK), 7);
    EXPECT_EQ(child_.reflectedClicks, 1);
    EXPECT_TRUE(parent_.calls.empty());

    // A code the child does not take goes on to the parent's own map.
    EXPECT_EQ(Notify(NM_DBLCLK), 0);
    EXPECT_EQ(parent_.calls, (std::vector<std::string>{"dblclk"}));
}

TEST_F(MessageMap, UnmappedMessagesGetTheControlsOwnProcessing)
{
    ::SetWindowTextA(parent_, "changed");
    EXPECT_EQ(ui::WindowText(parent_), "changed");
}

TEST_F(MessageMap, AnExceptionStopsAtTheWindowProcedure)
{
    EXPECT_EQ(parent_.SendMessage(kThrow), 0);
    ::SetWindowTextA(parent_, "still working");
    EXPECT_EQ(ui::WindowText(parent_), "still working");
}

TEST_F(MessageMap, DestroyingTheWindowReleasesTheObjects)
{
    HWND parent = parent_.m_hWnd;
    HWND child = child_.m_hWnd;
    parent_.DestroyWindow();
    EXPECT_TRUE(parent_.destroyed);
    EXPECT_EQ(parent_.m_hWnd, nullptr);
    EXPECT_EQ(child_.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(parent), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
}

} // namespace
