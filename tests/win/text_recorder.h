// Records every text the code under test paints with TextOutA: the text, its
// reference point, alignment, colour and font height. While a recorder lives,
// the test program's import of TextOutA points at the recorder, which passes
// each call on, so the painting still happens.
#ifndef TEXT_RECORDER_H
#define TEXT_RECORDER_H

#include <windows.h>

#include <string>
#include <vector>

#include "import_hook.h"

struct PaintedText {
    std::string text;
    int x;
    int y;
    UINT align;
    COLORREF colour;
    int font_height;
};

class TextRecorder {
public:
    TextRecorder() { s_current = this; }
    ~TextRecorder() { s_current = 0; }
    TextRecorder(const TextRecorder &) = delete;
    TextRecorder &operator=(const TextRecorder &) = delete;

    bool active() const { return hook_.active(); }
    void clear() { texts_.clear(); }
    const std::vector<PaintedText> &texts() const { return texts_; }

    // The text painted at exactly that point, "" when none.
    std::string at(int x, int y) const
    {
        for (const PaintedText &t : texts_)
            if (t.x == x && t.y == y)
                return t.text;
        return "";
    }
    const PaintedText *find(const std::string &text) const
    {
        for (const PaintedText &t : texts_)
            if (t.text == text)
                return &t;
        return 0;
    }

private:
    using TextOutProc = BOOL(WINAPI *)(HDC, int, int, LPCSTR, int);

    static BOOL WINAPI text_out(HDC dc, int x, int y, LPCSTR text, int length)
    {
        if (s_current) {
            PaintedText t;
            t.text.assign(text, length > 0 ? length : 0);
            t.x = x;
            t.y = y;
            t.align = GetTextAlign(dc);
            t.colour = GetTextColor(dc);
            LOGFONTA font = {};
            GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
            t.font_height = font.lfHeight;
            s_current->texts_.push_back(t);
        }
        return s_original(dc, x, y, text, length);
    }

    static inline TextRecorder *s_current;
    static inline TextOutProc s_original;
    ImportHook hook_{"gdi32.dll", "TextOutA", &text_out, &s_original};
    std::vector<PaintedText> texts_;
};

#endif
