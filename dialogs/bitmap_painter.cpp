// The painting is begun and ended whether the file loads or not, so that the
// area is validated and WM_PAINT does not come back at once.
#include "bitmap_painter.h"

int32_t paint_bitmap_file(HWND window, const char *path, int32_t x, int32_t y)
{
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(0, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (bitmap) {
        DrawStateA(dc, 0, 0, reinterpret_cast<LPARAM>(bitmap), 0, x, y, 0, 0, DST_BITMAP);
        DeleteObject(bitmap);
    }
    return EndPaint(window, &paint);
}
