#pragma once
// Driving real windows from a test: pumping the queue the way the dialog's loop does, clicks and keys
// as the system delivers them, answering modal boxes, and recording what a window is sent.
#include "winlib/Geometry.h"
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace ui {

// Dispatches everything queued for this thread, offering each message to its windows first.
void PumpMessages();

// A key press on a window: WM_KEYDOWN, WM_CHAR where the key has one, WM_KEYUP; then pumps.
void PressKey(HWND hWnd, UINT vk);
// Replaces a field's text the way a user does: selects it all, then types, character by character.
void TypeText(HWND hWnd, const std::string& text);
// A left click at a point in the window's client coordinates, with the cursor moved there first.
void Click(HWND hWnd, CPoint client);
// A right click: button down and up; the control then asks for its context menu itself.
void RightClick(HWND hWnd, CPoint client);

CPoint ClientToScreen(HWND hWnd, CPoint client);
std::string WindowText(HWND hWnd);

// What a message box showed.
struct MessageBoxSeen {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    bool hasYesNo = false;
    bool hasOk = false;
    bool questionIcon = false;
    bool warningIcon = false;
};

// Answers every modal box of a kind that appears while it exists (message boxes, file dialogs,
// popup menus) with a handler run inside that box's own message loop. Boxes are looked for every 30 ms.
class ModalAnswerer {
public:
    using Handler = std::function<void(HWND box)>;
    enum Kind { MessageBox, FileDialog, PopupMenu };
    ModalAnswerer(Kind kind, Handler handler);
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK OfferWindow(HWND hWnd, LPARAM lParam);
    bool Accepts(HWND hWnd) const;
    Kind kind_;
    Handler handler_;
    UINT_PTR timer_;
    std::vector<HWND> answered_;
};

// Answers every message box with the given button and records what each one showed.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(int button = IDOK);
    const std::vector<MessageBoxSeen>& Seen() const { return seen_; }

private:
    std::vector<MessageBoxSeen> seen_;
    ModalAnswerer answerer_;
};

MessageBoxSeen ReadMessageBox(HWND box);

// Chooses the item at a position of every popup menu that appears while it exists; -1 cancels.
class MenuAnswerer {
public:
    explicit MenuAnswerer(int position);
    int MenusSeen() const { return menus_; }

private:
    int menus_ = 0;
    ModalAnswerer answerer_;
};

// Records the messages sent to one window (SendMessage, from any code on this thread).
class SentMessageRecorder {
public:
    explicit SentMessageRecorder(HWND hWnd);
    ~SentMessageRecorder();
    SentMessageRecorder(const SentMessageRecorder&) = delete;
    SentMessageRecorder& operator=(const SentMessageRecorder&) = delete;

    // The ids of the WM_COMMAND messages from menus (no control) this window was sent, in order.
    std::vector<UINT> MenuCommands() const;

private:
    static LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam);
    HWND hWnd_;
    HHOOK hook_;
    std::vector<CWPSTRUCT> messages_;
};

} // namespace ui
