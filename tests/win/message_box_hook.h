// Answers the message boxes that the code under test shows on this thread and
// records each: caption, text, buttons and icon. A thread CBT hook sees the
// box as it is activated and posts it the click of one of its buttons.
#ifndef MESSAGE_BOX_HOOK_H
#define MESSAGE_BOX_HOOK_H

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

struct RecordedBox {
    std::string caption;
    std::string text;
    bool yes_no;             // Yes and No buttons, else OK alone
    bool hand_icon;          // MB_ICONHAND
    bool question_icon;      // MB_ICONQUESTION
    HWND owner;
};

class MessageBoxHook {
public:
    MessageBoxHook()
    {
        s_current = this;
        hook_ = SetWindowsHookExA(WH_CBT, on_cbt, 0, GetCurrentThreadId());
    }
    ~MessageBoxHook()
    {
        UnhookWindowsHookEx(hook_);
        s_current = 0;
    }
    MessageBoxHook(const MessageBoxHook &) = delete;
    MessageBoxHook &operator=(const MessageBoxHook &) = delete;

    // The next boxes get these answers (IDOK, IDYES, IDNO) in turn; past the
    // list a box gets Yes when it has it, else OK.
    void answer(int id) { answers_.push_back(id); }
    const std::vector<RecordedBox> &boxes() const { return boxes_; }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const RecordedBox &b : boxes_)
            t.push_back(b.text);
        return t;
    }
    void clear() { boxes_.clear(); }

private:
    static LRESULT CALLBACK on_cbt(int code, WPARAM wparam, LPARAM lparam)
    {
        HWND window = reinterpret_cast<HWND>(wparam);
        char cls[16] = "";
        // Under Wine the hook also sees other processes' windows being
        // activated (tests running side by side): never answer those.
        if (code == HCBT_ACTIVATE && s_current &&
            GetWindowThreadProcessId(window, 0) == GetCurrentThreadId() &&
            GetClassNameA(window, cls, sizeof cls) && lstrcmpA(cls, "#32770") == 0 &&
            !s_current->seen(window))
            s_current->take(window);
        return CallNextHookEx(0, code, wparam, lparam);
    }

    bool seen(HWND box)
    {
        for (HWND b : seen_)
            if (b == box)
                return true;
        seen_.push_back(box);
        return false;
    }

    void take(HWND box)
    {
        RecordedBox b;
        char text[1024] = "";
        GetWindowTextA(box, text, sizeof text);
        b.caption = text;
        text[0] = 0;
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        b.text = text;
        b.yes_no = GetDlgItem(box, IDYES) != 0 && GetDlgItem(box, IDNO) != 0;
        HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x0440, STM_GETICON, 0, 0));
        b.hand_icon = icon && icon == LoadIconA(0, IDI_HAND);
        b.question_icon = icon && icon == LoadIconA(0, IDI_QUESTION);
        b.owner = GetWindow(box, GW_OWNER);
        boxes_.push_back(b);

        int id = GetDlgItem(box, IDYES) ? IDYES : IDOK;
        if (!answers_.empty()) {
            id = answers_.front();
            answers_.pop_front();
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    }

    static inline MessageBoxHook *s_current;
    HHOOK hook_;
    std::deque<int> answers_;
    std::vector<RecordedBox> boxes_;
    std::vector<HWND> seen_;
};

#endif
