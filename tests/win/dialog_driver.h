// Drives a modal dialog of the program from inside its own message loop: a
// thread CBT hook sees the dialog of the given procedure as it is activated
// and a thread timer starts the test's script on it once it is shown. Its own hook comes
// first in the chain and keeps the dialog from the message box hook, which
// answers the boxes that the dialog shows. A watchdog ends a dialog that the
// script left open, so a failing test cannot hang.
#ifndef DIALOG_DRIVER_H
#define DIALOG_DRIVER_H

#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "main_window.h"
#include "message_box_hook.h"
#include "temp_dir.h"

class DialogDriver {
public:
    using Script = std::function<void(HWND dialog)>;

    DialogDriver(DLGPROC procedure, Script script)
        : procedure_(procedure), script_(std::move(script))
    {
        s_current = this;
        hook_ = SetWindowsHookExA(WH_CBT, on_cbt, 0, GetCurrentThreadId());
    }
    ~DialogDriver()
    {
        KillTimer(0, script_timer_);
        KillTimer(0, watchdog_timer_);
        UnhookWindowsHookEx(hook_);
        s_current = 0;
    }
    DialogDriver(const DialogDriver &) = delete;
    DialogDriver &operator=(const DialogDriver &) = delete;

    bool shown() const { return dialog_ != 0; }
    bool left_open() const { return left_open_; }

    // The tests' view of a dialog's controls.
    static std::string text(HWND dialog, int id)
    {
        char buffer[256] = "";
        GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
        return buffer;
    }
    static void click(HWND dialog, int id)
    {
        SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    }
    static bool checked(HWND dialog, int id)
    {
        return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    }
    static bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }
    // Characters typed one by one, each through the edit's own handling.
    static void type(HWND dialog, int id, const char *characters)
    {
        for (const char *c = characters; *c; c++)
            SendDlgItemMessageA(dialog, id, WM_CHAR, static_cast<unsigned char>(*c), 1);
    }
    // Whether a one-line edit shows the whole of its text within its text
    // area, no digit scrolled out of sight nor cut at either side.
    static bool shows_whole(HWND dialog, int id)
    {
        const std::string shown = text(dialog, id);
        if (shown.empty())
            return true;
        HWND edit = GetDlgItem(dialog, id);
        RECT area;
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        const LONG left = static_cast<short>(LOWORD(SendMessageA(edit, EM_POSFROMCHAR, 0, 0)));
        HDC dc = GetDC(edit);
        HGDIOBJ old = SelectObject(dc, font_handle(dialog, id));
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(edit, dc);
        return left >= area.left && left + size.cx <= area.right;
    }
    // Ctrl+A then Ctrl+V: the text put on the clipboard replaces the edit's
    // whole text, skipping the checks that typing meets.
    static void paste(HWND dialog, int id, const std::string &text)
    {
        ASSERT_TRUE(OpenClipboard(dialog));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
        SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        SendDlgItemMessageA(dialog, id, WM_PASTE, 0, 0);
    }
    static void set_text(HWND dialog, int id, const char *text)
    {
        SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    static void command(HWND dialog, int id)
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    static HFONT font_handle(HWND dialog, int id)
    {
        return reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0));
    }
    // A control's font as "face height weight", then " underlined" if it is.
    static std::string font(HWND dialog, int id)
    {
        LOGFONTA f = {};
        GetObjectA(font_handle(dialog, id), sizeof f, &f);
        return std::string(f.lfFaceName) + " " + std::to_string(f.lfHeight) + " " +
               std::to_string(f.lfWeight) + (f.lfUnderline ? " underlined" : "");
    }
    // The colour at x, y of the dialog once its pending painting is done.
    static COLORREF pixel(HWND dialog, int x, int y)
    {
        UpdateWindow(dialog);
        HDC dc = GetDC(dialog);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(dialog, dc);
        return colour;
    }
    // Runs the thread's messages, the dialog's own timers among them, until
    // done() holds or a deadline well inside the watchdog's has passed.
    static bool pump_until(const std::function<bool()> &done)
    {
        const DWORD give_up = GetTickCount() + WATCHDOG_MS / 2;
        for (MSG message; !done() && GetTickCount() < give_up; Sleep(1))
            while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        return done();
    }

    // The ways out other than Ok: Echap, the close box and the Escape key
    // (posted, for the dialog's own loop to turn into Echap).
    static const std::vector<std::function<void(HWND)>> &ways_out_without_ok()
    {
        static const std::vector<std::function<void(HWND)>> ways = {
            [](HWND dialog) { command(dialog, IDCANCEL); },
            [](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); },
            [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); },
        };
        return ways;
    }

private:
    static const UINT WATCHDOG_MS = 5000;

    static LRESULT CALLBACK on_cbt(int code, WPARAM wparam, LPARAM lparam)
    {
        HWND window = reinterpret_cast<HWND>(wparam);
        DialogDriver *d = s_current;
        // The dialog is activated again each time a box it showed closes.
        if (code == HCBT_ACTIVATE && d &&
            GetWindowThreadProcessId(window, 0) == GetCurrentThreadId() &&
            reinterpret_cast<DLGPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC)) == d->procedure_) {
            if (!d->dialog_) {
                d->dialog_ = window;
                d->script_timer_ = SetTimer(0, 0, 0, run_script);
                d->watchdog_timer_ = SetTimer(0, 0, WATCHDOG_MS, watchdog);
            }
            return 0;
        }
        return CallNextHookEx(0, code, wparam, lparam);
    }

    static void CALLBACK run_script(HWND, UINT, UINT_PTR, DWORD)
    {
        // The dialog is shown once its initialisation, boxes included, is over.
        DialogDriver *d = s_current;
        if (!IsWindowVisible(d->dialog_))
            return;
        KillTimer(0, d->script_timer_);
        d->script_(d->dialog_);
    }

    static void CALLBACK watchdog(HWND, UINT, UINT_PTR, DWORD)
    {
        DialogDriver *d = s_current;
        KillTimer(0, d->watchdog_timer_);
        if (IsWindow(d->dialog_)) {
            d->left_open_ = true;
            EndDialog(d->dialog_, 0);
        }
    }

    static inline DialogDriver *s_current;
    DLGPROC procedure_;
    Script script_;
    HHOOK hook_;
    HWND dialog_ = 0;
    UINT_PTR script_timer_ = 0;
    UINT_PTR watchdog_timer_ = 0;
    bool left_open_ = false;
};

// A lamp image file of one colour, 4 by 4 pixels, under images/.
inline void write_lamp(const char *path, COLORREF colour)
{
    CreateDirectoryA("images", 0);
    const BITMAPFILEHEADER file = {0x4D42, 14 + 40 + 48, 0, 0, 14 + 40};
    const BITMAPINFOHEADER info = {40, 4, 4, 1, 24, BI_RGB, 48, 0, 0, 0, 0};
    std::string bytes(reinterpret_cast<const char *>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char *>(&info), sizeof info);
    for (int i = 0; i < 16; i++)
        bytes += {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
                  static_cast<char>(GetRValue(colour))};
    write_file(path, bytes);
}

// Runs open, which shows the dialog of the procedure modally, with the script
// driving it; the dialog must have come and the script must have closed it.
inline void drive_dialog(DLGPROC procedure, const std::function<void()> &open,
                         DialogDriver::Script script)
{
    DialogDriver driver(procedure, std::move(script));
    open();
    EXPECT_TRUE(driver.shown());
    EXPECT_FALSE(driver.left_open());
}

// A dialog opened on its own, as its menu command opens it: a current folder
// of the test's own, boxes answered and recorded.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() { g_hinstance = GetModuleHandleA(0); }

    void open(DLGPROC procedure, void (*open_dialog)(HWND owner), DialogDriver::Script script)
    {
        drive_dialog(procedure, [open_dialog] { open_dialog(0); }, std::move(script));
    }

    TempDir dir_;
    MessageBoxHook boxes_;
};

#endif
