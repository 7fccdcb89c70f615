// Records every text the code under test paints with TextOutA: the text, its
// reference point, alignment, colour and font height. While a recorder lives,
// the test program's import of TextOutA points at the recorder, which passes
// each call on, so the painting still happens.
#ifndef TEXT_RECORDER_H
#define TEXT_RECORDER_H

#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

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
    TextRecorder()
    {
        s_current = this;
        slot_ = import_slot("gdi32.dll", "TextOutA");
        if (slot_) {
            s_original = reinterpret_cast<TextOutProc>(*slot_);
            write_slot(reinterpret_cast<ULONG_PTR>(&text_out));
        }
    }
    ~TextRecorder()
    {
        if (slot_)
            write_slot(reinterpret_cast<ULONG_PTR>(s_original));
        s_current = 0;
    }
    TextRecorder(const TextRecorder &) = delete;
    TextRecorder &operator=(const TextRecorder &) = delete;

    bool active() const { return slot_ != 0; }
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

    // The entry of the program's import address table for the function.
    static ULONG_PTR *import_slot(const char *dll, const char *function)
    {
        BYTE *base = reinterpret_cast<BYTE *>(GetModuleHandleA(0));
        const IMAGE_DOS_HEADER *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
        const IMAGE_NT_HEADERS *nt =
            reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY &imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (const IMAGE_IMPORT_DESCRIPTOR *d =
                 reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
             d->Name; d++) {
            if (lstrcmpiA(reinterpret_cast<const char *>(base + d->Name), dll) != 0)
                continue;
            const IMAGE_THUNK_DATA *names =
                reinterpret_cast<const IMAGE_THUNK_DATA *>(base + d->OriginalFirstThunk);
            IMAGE_THUNK_DATA *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + d->FirstThunk);
            for (; names->u1.AddressOfData; names++, slots++) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                    continue;
                const IMAGE_IMPORT_BY_NAME *name =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
                if (strcmp(reinterpret_cast<const char *>(name->Name), function) == 0)
                    return reinterpret_cast<ULONG_PTR *>(&slots->u1.Function);
            }
        }
        return 0;
    }

    void write_slot(ULONG_PTR value)
    {
        DWORD protection;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        *slot_ = value;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }

    static inline TextRecorder *s_current;
    static inline TextOutProc s_original;
    ULONG_PTR *slot_ = 0;
    std::vector<PaintedText> texts_;
};

#endif
