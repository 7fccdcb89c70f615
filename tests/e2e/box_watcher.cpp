// box-watcher: runs beside the program under Wine and records every message
// box it shows (caption, text, buttons, icon), one line each, answering the
// boxes from a list given on the command line. Once no box has come for a
// while it writes "#quiet" (the moment for a screenshot), waits, and asks the
// program to close; it ends when the program's window is gone.
//
// Usage: box-watcher LOG [--answers yes,no,...] [--close-after-quiet MS]
//                        [--hold MS] [--timeout MS]
// Each line of LOG: caption TAB text TAB buttons TAB icon, with CR and LF of
// the text written as \r and \n. Buttons are "ok", "yesno" or "other"; the
// icon "hand", "question", "other" or "none". An answer is "ok", "yes" or "no"; boxes
// past the list get the default (yes when the box has it, else ok).
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

const int MAX_ANSWERS = 32;
const int MAX_SEEN = 64;

struct Watch {
    FILE *log;
    int answers[MAX_ANSWERS];
    int answer_count;
    int boxes_seen;
    HWND seen[MAX_SEEN];
    int seen_count;
};

int parse_answer(const char *word)
{
    if (strcmp(word, "yes") == 0)
        return IDYES;
    if (strcmp(word, "no") == 0)
        return IDNO;
    return IDOK;
}

void parse_answers(Watch *w, char *list)
{
    for (char *word = strtok(list, ","); word && w->answer_count < MAX_ANSWERS;
         word = strtok(0, ","))
        w->answers[w->answer_count++] = parse_answer(word);
}

int already_seen(Watch *w, HWND box)
{
    for (int i = 0; i < w->seen_count; i++)
        if (w->seen[i] == box)
            return 1;
    if (w->seen_count < MAX_SEEN)
        w->seen[w->seen_count++] = box;
    return 0;
}

void write_escaped(FILE *log, const char *text)
{
    for (const char *c = text; *c; c++) {
        if (*c == '\r')
            fputs("\\r", log);
        else if (*c == '\n')
            fputs("\\n", log);
        else
            fputc(*c, log);
    }
}

// Icon handles of another process are no use here: the icon is told by its
// picture on the screen, compared with the system icons drawn on the same
// background.
int pixels_matching(HDC screen, POINT at, HICON icon)
{
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ previous = SelectObject(dc, picture);
    HBRUSH background = CreateSolidBrush(GetPixel(screen, at.x, at.y));
    RECT all = {0, 0, 32, 32};
    FillRect(dc, &all, background);
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, 0, DI_NORMAL);
    int same = 0;
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++)
            same += GetPixel(dc, x, y) == GetPixel(screen, at.x + x, at.y + y);
    SelectObject(dc, previous);
    DeleteObject(background);
    DeleteObject(picture);
    DeleteDC(dc);
    return same;
}

const char *icon_of(HWND box)
{
    HWND control = GetDlgItem(box, 0x0440);
    if (!control || !SendMessageA(control, STM_GETICON, 0, 0))
        return "none";
    RECT r;
    GetWindowRect(control, &r);
    POINT at = {r.left, r.top};
    HDC screen = GetDC(0);
    const int hand = pixels_matching(screen, at, LoadIconA(0, IDI_HAND));
    const int question = pixels_matching(screen, at, LoadIconA(0, IDI_QUESTION));
    ReleaseDC(0, screen);
    const int enough = 32 * 32 * 9 / 10;
    if (hand >= enough && hand >= question)
        return "hand";
    if (question >= enough)
        return "question";
    return "other";
}

void record_and_answer(Watch *w, HWND box)
{
    Sleep(300);  // the box paints itself first
    char caption[256] = "";
    char text[1024] = "";
    GetWindowTextA(box, caption, sizeof caption);
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    const int has_yes = GetDlgItem(box, IDYES) != 0;
    const int has_no = GetDlgItem(box, IDNO) != 0;
    const int has_ok = GetDlgItem(box, IDOK) != 0;
    const char *buttons = has_yes && has_no ? "yesno" : has_ok ? "ok" : "other";

    fputs(caption, w->log);
    fputc('\t', w->log);
    write_escaped(w->log, text);
    fprintf(w->log, "\t%s\t%s\n", buttons, icon_of(box));
    fflush(w->log);

    int answer = has_yes ? IDYES : IDOK;
    if (w->boxes_seen < w->answer_count)
        answer = w->answers[w->boxes_seen];
    w->boxes_seen++;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

Watch *g_watch;

BOOL CALLBACK look_at_window(HWND window, LPARAM found)
{
    char cls[64] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<int *>(found) = 1;
        if (!already_seen(g_watch, window))
            record_and_answer(g_watch, window);
    }
    return TRUE;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: box-watcher LOG [--answers a,b] [--close-after-quiet MS] "
                        "[--hold MS] [--timeout MS]\n");
        return 2;
    }
    static Watch watch;
    g_watch = &watch;
    watch.log = fopen(argv[1], "wb");
    if (!watch.log)
        return 2;
    DWORD close_after_quiet = 0;
    DWORD hold = 0;
    DWORD timeout = 120000;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--answers") == 0)
            parse_answers(&watch, argv[i + 1]);
        else if (strcmp(argv[i], "--close-after-quiet") == 0)
            close_after_quiet = strtoul(argv[i + 1], 0, 10);
        else if (strcmp(argv[i], "--hold") == 0)
            hold = strtoul(argv[i + 1], 0, 10);
        else if (strcmp(argv[i], "--timeout") == 0)
            timeout = strtoul(argv[i + 1], 0, 10);
    }

    const DWORD start = GetTickCount();
    DWORD last_activity = start;
    int program_seen = 0;
    int close_sent = 0;
    for (;;) {
        const DWORD now = GetTickCount();
        if (now - start > timeout) {
            fputs("#timeout\n", watch.log);
            break;
        }
        int box_open = 0;
        const int before = watch.boxes_seen;
        EnumWindows(look_at_window, reinterpret_cast<LPARAM>(&box_open));
        if (watch.boxes_seen != before || box_open)
            last_activity = now;
        HWND program = FindWindowA("classeF", 0);
        if (program)
            program_seen = 1;
        else if (program_seen)
            break;
        if (program && close_after_quiet && !close_sent && now - last_activity > close_after_quiet) {
            fputs("#quiet\n", watch.log);
            fflush(watch.log);
            Sleep(hold);
            fputs("#close\n", watch.log);
            fflush(watch.log);
            PostMessageA(program, WM_CLOSE, 0, 0);
            close_sent = 1;
        }
        Sleep(20);
    }
    fputs("#end\n", watch.log);
    fclose(watch.log);
    return 0;
}
