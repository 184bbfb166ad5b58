#include "support/Ui.h"
#include "winlib/Wnd.h"
#include <algorithm>
#include <dlgs.h>

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

void TypeText(HWND hWnd, const std::string& text)
{
    ::SetFocus(hWnd);
    ::SendMessageA(hWnd, EM_SETSEL, 0, -1);
    for (char c : text)
        ::PostMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(c), 1);
    PumpMessages();
}

CPoint ClientToScreen(HWND hWnd, CPoint client)
{
    ::ClientToScreen(hWnd, &client);
    return client;
}

namespace {
void ClickWith(HWND hWnd, CPoint client, UINT down, UINT up, WPARAM buttonFlag)
{
    CPoint screen = ClientToScreen(hWnd, client);
    ::SetCursorPos(screen.x, screen.y);
    ::PostMessageA(hWnd, down, buttonFlag, MAKELPARAM(client.x, client.y));
    ::PostMessageA(hWnd, up, 0, MAKELPARAM(client.x, client.y));
    PumpMessages();
}
}

void Click(HWND hWnd, CPoint client)
{
    ClickWith(hWnd, client, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
}

void RightClick(HWND hWnd, CPoint client)
{
    ClickWith(hWnd, client, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
}

std::string WindowText(HWND hWnd)
{
    char text[4096] = "";
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

namespace {
std::vector<ModalAnswerer*> g_answerers;

bool IconIs(HWND box, LPCSTR systemIcon)
{
    HWND icon = ::GetDlgItem(box, 1088);
    HICON shown = reinterpret_cast<HICON>(::SendMessageA(icon, STM_GETICON, 0, 0));
    return icon && shown == ::LoadIconA(nullptr, systemIcon);
}

std::string ClassName(HWND hWnd)
{
    char cls[64] = "";
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    return cls;
}
}

ModalAnswerer::ModalAnswerer(Kind kind, Handler handler) : kind_(kind), handler_(std::move(handler))
{
    g_answerers.push_back(this);
    timer_ = ::SetTimer(nullptr, 0, 30, &ModalAnswerer::OnTimer);
}

ModalAnswerer::~ModalAnswerer()
{
    ::KillTimer(nullptr, timer_);
    g_answerers.erase(std::find(g_answerers.begin(), g_answerers.end(), this));
}

// A box is a visible top-level window of this thread that no object of ours owns.
bool ModalAnswerer::Accepts(HWND hWnd) const
{
    if (!::IsWindowVisible(hWnd) || CWnd::FromHandlePermanent(hWnd))
        return false;
    if (std::find(answered_.begin(), answered_.end(), hWnd) != answered_.end())
        return false;
    std::string cls = ClassName(hWnd);
    switch (kind_) {
    case PopupMenu: return cls == "#32768";
    case MessageBox: return cls == "#32770" && ::GetDlgItem(hWnd, 0xFFFF);
    case FileDialog: return cls == "#32770" && ::GetDlgItem(hWnd, cmb1);
    }
    return false;
}

BOOL CALLBACK ModalAnswerer::OfferWindow(HWND hWnd, LPARAM lParam)
{
    ModalAnswerer* answerer = reinterpret_cast<ModalAnswerer*>(lParam);
    if (!answerer->Accepts(hWnd))
        return TRUE;
    answerer->answered_.push_back(hWnd);
    answerer->handler_(hWnd);
    return FALSE;
}

void CALLBACK ModalAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    std::vector<ModalAnswerer*> answerers = g_answerers;
    for (ModalAnswerer* answerer : answerers)
        ::EnumThreadWindows(::GetCurrentThreadId(), &ModalAnswerer::OfferWindow, reinterpret_cast<LPARAM>(answerer));
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
    : answerer_(ModalAnswerer::MessageBox, [this, button](HWND box) {
          seen_.push_back(ReadMessageBox(box));
          ::PostMessageA(box, WM_COMMAND, button, 0);
      })
{
}

// The menu loop reads keys from the thread's queue, whichever window they are posted to.
MenuAnswerer::MenuAnswerer(int position)
    : answerer_(ModalAnswerer::PopupMenu,
          [this, position](HWND menu) {
              ++menus_;
              if (position < 0) {
                  ::EndMenu();
                  return;
              }
              for (int i = 0; i <= position; ++i)
                  ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
              ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
          })
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
