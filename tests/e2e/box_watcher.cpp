// box-watcher: runs beside the program under Wine and records every message
// box or dialog it shows (caption, text, buttons, icon), one line each,
// answering Yes where the box has it, else OK. Meanwhile it plays a script of
// user actions on the program's window; it ends when that window is gone.
//
// Usage: box-watcher LOG [--script "STEP;STEP;..."] [--timeout MS]
// Each line of LOG: caption TAB text TAB buttons TAB icon, with CR and LF of
// the text written as \r and \n. Buttons are "ok", "yesno" or "other"; the
// icon "hand", "question", "other" or "none".
// Script steps, in turn, boxes being answered all the while:
//   quiet MS    wait until no box has been open, nor a command sent, for MS ms
//   sleep MS    wait MS ms
//   boxes N     wait until N boxes have been answered
//   file PATH   wait until the file PATH exists
//   command ID  send the window the command ID, as a click of that control would
//   mark NAME   write "#mark NAME" to the log (the moment for a screenshot),
//               followed by " maximised" while the program's window is
//   shot PATH   once no box is open and the window is painted and still, write
//               its picture on the screen to PATH (a BMP)
//   close       ask the window to close
// The default script is "quiet 1500;close".
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "screen_shot.h"

namespace {

const int MAX_SEEN = 64;

struct Watch {
    FILE *log;
    int boxes_seen;
    HWND seen[MAX_SEEN];
    int seen_count;
    screen_shot::State shot;
};

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
    // The picture is on the screen once the box has painted it: wait for one
    // that is known, long enough for a machine busy with other tests.
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 30000; Sleep(20)) {
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
    }
    return "other";
}

void record_and_answer(Watch *w, HWND box)
{
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

    const int answer = has_yes ? IDYES : IDOK;
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


const int MAX_STEPS = 32;

struct Step {
    char action[16];
    char argument[MAX_PATH];
};

int parse_script(char *script, Step *steps)
{
    int n = 0;
    for (char *step = strtok(script, ";"); step && n < MAX_STEPS; step = strtok(0, ";")) {
        steps[n].action[0] = steps[n].argument[0] = 0;
        if (sscanf(step, " %15s %259s", steps[n].action, steps[n].argument) >= 1)
            n++;
    }
    return n;
}

// Returns 1 when the step is done; waits return 0 until their time has come.
int play_step(Watch *w, const Step *step, HWND program, DWORD since_step, DWORD since_box,
              int box_open)
{
    const DWORD ms = strtoul(step->argument, 0, 10);
    if (strcmp(step->action, "quiet") == 0)
        return since_box > ms;
    if (strcmp(step->action, "sleep") == 0)
        return since_step >= ms;
    if (strcmp(step->action, "boxes") == 0)
        return w->boxes_seen >= static_cast<int>(ms);
    if (strcmp(step->action, "file") == 0)
        return GetFileAttributesA(step->argument) != INVALID_FILE_ATTRIBUTES;
    if (strcmp(step->action, "shot") == 0 &&
        (box_open || screen_shot::capture_when_still(&w->shot, program, step->argument) == 0))
        return 0;
    if (strcmp(step->action, "command") == 0) {
        const int id = static_cast<int>(ms);
        PostMessageA(program, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(program, id)));
    } else if (strcmp(step->action, "close") == 0) {
        PostMessageA(program, WM_CLOSE, 0, 0);
    }
    fprintf(w->log, "#%s %s%s\n", step->action, step->argument,
            strcmp(step->action, "mark") == 0 && IsZoomed(program) ? " maximised" : "");
    fflush(w->log);
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: box-watcher LOG [--script STEPS] [--timeout MS]\n");
        return 2;
    }
    static Watch watch;
    g_watch = &watch;
    watch.log = fopen(argv[1], "wb");
    if (!watch.log)
        return 2;
    char default_script[] = "quiet 1500;close";
    char *script = default_script;
    DWORD timeout = 120000;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--script") == 0)
            script = argv[i + 1];
        else if (strcmp(argv[i], "--timeout") == 0)
            timeout = strtoul(argv[i + 1], 0, 10);
    }
    static Step steps[MAX_STEPS];
    const int step_count = parse_script(script, steps);

    const DWORD start = GetTickCount();
    DWORD last_box = start;
    DWORD step_start = start;
    int step = 0;
    int program_seen = 0;
    for (;;) {
        const DWORD now = GetTickCount();
        if (now - start > timeout) {
            fputs("#timeout\n", watch.log);
            break;
        }
        int box_open = 0;
        EnumWindows(look_at_window, reinterpret_cast<LPARAM>(&box_open));
        if (box_open)
            last_box = now;
        HWND program = FindWindowA("classeF", 0);
        if (program)
            program_seen = 1;
        else if (program_seen)
            break;
        if (program && step < step_count &&
            play_step(&watch, &steps[step], program, now - step_start, now - last_box, box_open)) {
            // What a command opens takes a moment to show: quiet counts from it.
            if (strcmp(steps[step].action, "command") == 0)
                last_box = now;
            step++;
            step_start = now;
        }
        Sleep(20);
    }
    fputs("#end\n", watch.log);
    fclose(watch.log);
    return 0;
}
