#include "support/Ui.h"
#include "winlib/Wnd.h"
#include <algorithm>

namespace ui {

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (CWnd::WalkPreTranslateTree(::GetAncestor(msg.hwnd, GA_ROOT), &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PressKey(HWND hWnd, UINT vk)
{
    UINT scan = ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1 | (scan << 16));
    ::PostMessageA(hWnd, WM_KEYUP, vk, 1 | (scan << 16) | (3u << 30));
    PumpMessages();
}

CPoint ClientToScreen(HWND hWnd, CPoint client)
{
    ::ClientToScreen(hWnd, &client);
    return client;
}

void Click(HWND hWnd, CPoint client)
{
    CPoint screen = ClientToScreen(hWnd, client);
    ::SetCursorPos(screen.x, screen.y);
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    PumpMessages();
}

void RightClick(HWND hWnd, CPoint client)
{
    CPoint screen = ClientToScreen(hWnd, client);
    ::SetCursorPos(screen.x, screen.y);
    ::PostMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    ::PostMessageA(hWnd, WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    PumpMessages();
}

std::string WindowText(HWND hWnd)
{
    char text[4096] = "";
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

namespace {
ModalAnswerer* g_answerer = nullptr;

struct FindBox {
    const std::string* windowClass;
    const std::vector<HWND>* skip;
    HWND found = nullptr;
};

// A modal box is a visible top-level window of this thread, of the class looked for, that no object of ours owns.
BOOL CALLBACK FindModalBox(HWND hWnd, LPARAM lParam)
{
    FindBox* find = reinterpret_cast<FindBox*>(lParam);
    char cls[64] = "";
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    if (*find->windowClass != cls || !::IsWindowVisible(hWnd) || CWnd::FromHandlePermanent(hWnd))
        return TRUE;
    if (std::find(find->skip->begin(), find->skip->end(), hWnd) != find->skip->end())
        return TRUE;
    find->found = hWnd;
    return FALSE;
}

bool IconIs(HWND box, LPCSTR systemIcon)
{
    HWND icon = ::GetDlgItem(box, 1088);
    HICON shown = reinterpret_cast<HICON>(::SendMessageA(icon, STM_GETICON, 0, 0));
    return icon && shown == ::LoadIconA(nullptr, systemIcon);
}
}

ModalAnswerer::ModalAnswerer(Handler handler, const char* windowClass)
    : handler_(std::move(handler)), windowClass_(windowClass)
{
    g_answerer = this;
    timer_ = ::SetTimer(nullptr, 0, 30, &ModalAnswerer::OnTimer);
}

ModalAnswerer::~ModalAnswerer()
{
    ::KillTimer(nullptr, timer_);
    g_answerer = nullptr;
}

void CALLBACK ModalAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_answerer)
        return;
    FindBox find{&g_answerer->windowClass_, &g_answerer->answered_};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindModalBox, reinterpret_cast<LPARAM>(&find));
    if (!find.found)
        return;
    g_answerer->answered_.push_back(find.found);
    g_answerer->handler_(find.found);
}

MessageBoxSeen ReadMessageBox(HWND box)
{
    MessageBoxSeen seen;
    seen.caption = WindowText(box);
    seen.text = WindowText(::GetDlgItem(box, 0xFFFF));
    seen.owner = ::GetWindow(box, GW_OWNER);
    seen.hasYesNo = ::GetDlgItem(box, IDYES) && ::GetDlgItem(box, IDNO);
    seen.hasOk = ::GetDlgItem(box, IDOK) != nullptr;
    seen.questionIcon = IconIs(box, IDI_QUESTION);
    seen.warningIcon = IconIs(box, IDI_WARNING);
    return seen;
}

MessageBoxAnswerer::MessageBoxAnswerer(int button)
    : answerer_([this, button](HWND box) {
          seen_.push_back(ReadMessageBox(box));
          ::PostMessageA(box, WM_COMMAND, button, 0);
      })
{
}

// The menu loop reads keys from the thread's queue, whichever window they are posted to.
MenuAnswerer::MenuAnswerer(int position)
    : answerer_(
          [this, position](HWND menu) {
              ++menus_;
              if (position < 0) {
                  ::EndMenu();
                  return;
              }
              for (int i = 0; i <= position; ++i)
                  ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
              ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
          },
          "#32768")
{
}

namespace {
SentMessageRecorder* g_recorder = nullptr;
}

SentMessageRecorder::SentMessageRecorder(HWND hWnd)
    : hWnd_(hWnd), hook_(::SetWindowsHookExA(WH_CALLWNDPROC, &OnCallWndProc, nullptr, ::GetCurrentThreadId()))
{
    g_recorder = this;
}

SentMessageRecorder::~SentMessageRecorder()
{
    ::UnhookWindowsHookEx(hook_);
    g_recorder = nullptr;
}

LRESULT CALLBACK SentMessageRecorder::OnCallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_recorder && sent->hwnd == g_recorder->hWnd_)
        g_recorder->messages_.push_back(*sent);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<UINT> SentMessageRecorder::MenuCommands() const
{
    std::vector<UINT> ids;
    for (const CWPSTRUCT& sent : messages_)
        if (sent.message == WM_COMMAND && sent.lParam == 0)
            ids.push_back(LOWORD(sent.wParam));
    return ids;
}

} // namespace ui
