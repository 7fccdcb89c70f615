// Screenshots taken beside the program under Wine, for the tools that drive
// it: a window is read from the screen once neither it nor any of its
// children has a paint pending and the screen has shown it unchanged for a
// while (a passing or a clock second can repaint the board at any moment).
// The picture is written as a 24-bit BMP of the window's rectangle within the
// screen.
#ifndef SCREEN_SHOT_H
#define SCREEN_SHOT_H

#include <windows.h>

#include <stdio.h>
#include <string.h>

namespace screen_shot {

const int MAX_PIXELS = 1920 * 1080;
const DWORD STILL_MS = 150;

struct State {
    HWND window;
    RECT rect;
    int have;
    DWORD still_since;
    unsigned char previous[MAX_PIXELS * 3 + 4 * 1080];
};

inline BOOL CALLBACK note_pending_child(HWND child, LPARAM pending)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, 0, FALSE))
        *reinterpret_cast<int *>(pending) = 1;
    return TRUE;
}

// 1 while the window or one of its children waits for its WM_PAINT.
inline int paint_pending(HWND window)
{
    int pending = GetUpdateRect(window, 0, FALSE) != 0;
    EnumChildWindows(window, note_pending_child, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

inline int row_bytes(const RECT *r)
{
    return ((r->right - r->left) * 3 + 3) & ~3;
}

// The screen's pixels of the rectangle, bottom row first as a BMP holds them.
inline int read_screen(const RECT *r, unsigned char *pixels)
{
    const int width = r->right - r->left;
    const int height = r->bottom - r->top;
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(0);
    HDC memory = CreateCompatibleDC(screen);
    void *bits = 0;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, 0, 0);
    int ok = picture != 0;
    if (ok) {
        HGDIOBJ before = SelectObject(memory, picture);
        ok = BitBlt(memory, 0, 0, width, height, screen, r->left, r->top, SRCCOPY) != 0;
        GdiFlush();
        if (ok)
            memcpy(pixels, bits, static_cast<size_t>(row_bytes(r)) * height);
        SelectObject(memory, before);
        DeleteObject(picture);
    }
    DeleteDC(memory);
    ReleaseDC(0, screen);
    return ok;
}

inline int write_bmp(const char *path, const RECT *r, const unsigned char *pixels)
{
    const int height = r->bottom - r->top;
    const DWORD size = static_cast<DWORD>(row_bytes(r)) * height;
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER header;
    memset(&file, 0, sizeof file);
    memset(&header, 0, sizeof header);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + size;
    header.biSize = sizeof header;
    header.biWidth = r->right - r->left;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = size;
    FILE *f = fopen(path, "wb");
    if (!f)
        return 0;
    const int ok = fwrite(&file, sizeof file, 1, f) == 1 && fwrite(&header, sizeof header, 1, f) == 1 &&
                   fwrite(pixels, 1, size, f) == size;
    return fclose(f) == 0 && ok;
}

// One try, called again until it returns 1 (written) or -1 (cannot be).
inline int capture_when_still(State *s, HWND window, const char *path)
{
    static unsigned char current[MAX_PIXELS * 3 + 4 * 1080];
    RECT r;
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!IsWindowVisible(window) || !GetWindowRect(window, &r) || !IntersectRect(&r, &r, &screen))
        return -1;
    if ((r.right - r.left) * (r.bottom - r.top) > MAX_PIXELS)
        return -1;
    if (paint_pending(window) || !read_screen(&r, current)) {
        s->have = 0;
        return 0;
    }
    const size_t size = static_cast<size_t>(row_bytes(&r)) * (r.bottom - r.top);
    const DWORD now = GetTickCount();
    if (!s->have || s->window != window || !EqualRect(&s->rect, &r) || memcmp(s->previous, current, size)) {
        memcpy(s->previous, current, size);
        s->window = window;
        s->rect = r;
        s->have = 1;
        s->still_since = now;
        return 0;
    }
    if (now - s->still_since < STILL_MS)
        return 0;
    s->have = 0;
    return write_bmp(path, &r, current) ? 1 : -1;
}

}  // namespace screen_shot

#endif
