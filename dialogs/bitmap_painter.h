// The lamps of the dialogs: a bitmap file drawn into a dialog's painting.
#ifndef BITMAP_PAINTER_H
#define BITMAP_PAINTER_H

#include <windows.h>

#include <stdint.h>

// Paints the window's invalid area with the bitmap file at path drawn at x, y
// (client pixels, its own size); a file that cannot be loaded draws nothing,
// silently. Returns EndPaint's result.
int32_t paint_bitmap_file(HWND window, const char *path, int32_t x, int32_t y);

#endif
