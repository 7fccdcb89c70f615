// race-driver: plays a user's race on the program from a script, under Wine
// beside it: opens the menu commands, fills the dialogs they show control by
// control, presses the race buttons, waits for the race to end, copies files,
// takes screenshots and closes the program. Message boxes (captions
// "Message", "Erreur", "Error" and the window title) are answered as they
// come, Yes where there is one, and logged; a box that a "dialog" step waits
// for is left to the steps.
//
// Usage: race-driver SCRIPT LOG [--timeout MS]
// SCRIPT has one step a line, its argument the rest of the line (cp1252):
//   boxes N            wait until N message boxes have been answered
//   command ID         the program's window gets the command ID (menu or button)
//   dialog CAPTION     wait for the dialog (or message box) of that caption; the
//                      next steps act in it
//   select ID TEXT     in the dialog: the list ID selects the entry TEXT
//   set ID TEXT        in the dialog (or the program's window when none): text of ID
//   click ID           in the dialog (or the window): a click on the button ID
//   gone               wait until the dialog has closed
//   enabled ID         wait until the window's control ID is enabled
//   disabled ID        wait until the window's control ID is disabled
//   copy FROM|TO       copy a file
//   file PATH          wait until the file PATH exists
//   shot PATH          once the dialog (or the window when none) is painted and
//                      still, write its picture on the screen to PATH (a BMP)
//   mark NAME          log "#mark NAME"
//   close              ask the window to close
// LOG: one line per message box (caption TAB text with \r \n escaped), and
// "#step ..." lines as the steps are played, "#failed ..." when one cannot be.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "screen_shot.h"

namespace {

const int MAX_STEPS = 200;
const int STEP_TEXT = 300;

struct Driver {
    FILE *log;
    char steps[MAX_STEPS][STEP_TEXT];
    int step_count;
    HWND program;
    HWND dialog;
    int boxes;
    const char *step;
    screen_shot::State shot;
};

int is_message_box(HWND window)
{
    char cls[16] = "";
    char caption[64] = "";
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, caption, sizeof caption);
    return strcmp(cls, "#32770") == 0 && IsWindowVisible(window) &&
           (strcmp(caption, "Message") == 0 || strcmp(caption, "Erreur") == 0 ||
            strcmp(caption, "Error") == 0 || strcmp(caption, "Zelquanodrim") == 0);
}

// The box the steps act in, or the one the current step waits for.
int held_for_steps(const Driver *d, HWND window)
{
    if (window == d->dialog)
        return 1;
    char caption[STEP_TEXT] = "";
    GetWindowTextA(window, caption, sizeof caption);
    return d->step && strncmp(d->step, "dialog ", 7) == 0 && strcmp(d->step + 7, caption) == 0;
}

BOOL CALLBACK answer_box(HWND window, LPARAM context)
{
    Driver *d = reinterpret_cast<Driver *>(context);
    if (!is_message_box(window) || held_for_steps(d, window))
        return TRUE;
    char caption[64] = "";
    char text[1024] = "";
    GetWindowTextA(window, caption, sizeof caption);
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    fprintf(d->log, "%s\t", caption);
    for (const char *c = text; *c; c++) {
        if (*c == '\r' || *c == '\n')
            fputs(*c == '\r' ? "\\r" : "\\n", d->log);
        else
            fputc(*c, d->log);
    }
    fputc('\n', d->log);
    fflush(d->log);
    const int answer = GetDlgItem(window, IDYES) ? IDYES : IDOK;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, answer)));
    d->boxes++;
    return TRUE;
}

struct Search {
    const char *caption;
    HWND found;
};

BOOL CALLBACK find_dialog(HWND window, LPARAM context)
{
    Search *s = reinterpret_cast<Search *>(context);
    char cls[16] = "";
    char caption[STEP_TEXT] = "";
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, caption, sizeof caption);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(window) &&
        strcmp(caption, s->caption) == 0) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

// The step's verb and the rest of its line.
void split_step(const char *step, char *verb, const char **argument)
{
    int n = 0;
    while (step[n] && step[n] != ' ' && n < 15) {
        verb[n] = step[n];
        n++;
    }
    verb[n] = 0;
    *argument = step + n + (step[n] == ' ');
}

// The control id at the front of the argument, and the text after it.
int control_and_text(const char *argument, const char **text)
{
    char *end = 0;
    const int id = static_cast<int>(strtol(argument, &end, 10));
    *text = end + (*end == ' ');
    return id;
}

HWND target(const Driver *d)
{
    return d->dialog ? d->dialog : d->program;
}

// Returns 1 when the step is done, 0 to try again at the next round, -1
// when it cannot be done.
int play(Driver *d, const char *step)
{
    char verb[16];
    const char *argument;
    split_step(step, verb, &argument);
    const char *text;
    const int id = control_and_text(argument, &text);
    if (strcmp(verb, "boxes") == 0)
        return d->boxes >= id;
    if (strcmp(verb, "command") == 0) {
        // Posted: a dialog the command opens must not hold this driver.
        PostMessageA(d->program, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(d->program, id)));
        return 1;
    }
    if (strcmp(verb, "dialog") == 0) {
        Search s = {argument, 0};
        EnumWindows(find_dialog, reinterpret_cast<LPARAM>(&s));
        d->dialog = s.found;
        return s.found != 0;
    }
    if (strcmp(verb, "select") == 0) {
        HWND list = GetDlgItem(target(d), id);
        if (!list)
            return -1;
        return SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(text)) == CB_ERR ? -1 : 1;
    }
    if (strcmp(verb, "set") == 0)
        return SetDlgItemTextA(target(d), id, text) ? 1 : -1;
    if (strcmp(verb, "click") == 0) {
        HWND button = GetDlgItem(target(d), id);
        if (!button)
            return -1;
        PostMessageA(button, BM_CLICK, 0, 0);
        return 1;
    }
    if (strcmp(verb, "gone") == 0) {
        if (d->dialog && IsWindow(d->dialog) && IsWindowVisible(d->dialog))
            return 0;
        d->dialog = 0;
        return 1;
    }
    if (strcmp(verb, "enabled") == 0)
        return IsWindowEnabled(GetDlgItem(d->program, id)) != 0;
    if (strcmp(verb, "disabled") == 0)
        return IsWindowEnabled(GetDlgItem(d->program, id)) == 0;
    if (strcmp(verb, "copy") == 0) {
        char from[STEP_TEXT];
        lstrcpynA(from, argument, sizeof from);
        char *bar = strchr(from, '|');
        if (!bar)
            return -1;
        *bar = 0;
        return CopyFileA(from, bar + 1, FALSE) ? 1 : -1;
    }
    if (strcmp(verb, "file") == 0)
        return GetFileAttributesA(argument) != INVALID_FILE_ATTRIBUTES;
    if (strcmp(verb, "shot") == 0)
        return screen_shot::capture_when_still(&d->shot, target(d), argument);
    if (strcmp(verb, "mark") == 0)
        return 1;
    if (strcmp(verb, "close") == 0) {
        PostMessageA(d->program, WM_CLOSE, 0, 0);
        return 1;
    }
    return -1;
}

int read_script(Driver *d, const char *path)
{
    FILE *f = fopen(path, "rb");
    if (!f)
        return 0;
    char line[STEP_TEXT];
    while (d->step_count < MAX_STEPS && fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = 0;
        if (line[0] && line[0] != '#')
            lstrcpynA(d->steps[d->step_count++], line, STEP_TEXT);
    }
    fclose(f);
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    static Driver d;
    if (argc < 3 || !read_script(&d, argv[1]) || !(d.log = fopen(argv[2], "wb"))) {
        fprintf(stderr, "usage: race-driver SCRIPT LOG [--timeout MS]\n");
        return 2;
    }
    const DWORD timeout = argc >= 5 && strcmp(argv[3], "--timeout") == 0
                              ? strtoul(argv[4], 0, 10) : 300000;
    const DWORD start = GetTickCount();
    int step = 0;
    int seen = 0;
    for (;;) {
        if (GetTickCount() - start > timeout) {
            fputs("#timeout\n", d.log);
            break;
        }
        d.step = step < d.step_count ? d.steps[step] : 0;
        EnumWindows(answer_box, reinterpret_cast<LPARAM>(&d));
        d.program = FindWindowA("classeF", 0);
        if (d.program)
            seen = 1;
        else if (seen)
            break;
        if (d.program && step < d.step_count) {
            const int done = play(&d, d.steps[step]);
            if (done != 0) {
                fprintf(d.log, "#%s %s\n", done > 0 ? "step" : "failed", d.steps[step]);
                fflush(d.log);
                step++;
            }
        }
        Sleep(20);
    }
    fputs("#end\n", d.log);
    fclose(d.log);
    return 0;
}
