// While a hook lives, the test program's import of one system function
// points at a replacement of the test's, which sees each call and passes it
// on to the original; the program's own code calls through the same import.
#ifndef IMPORT_HOOK_H
#define IMPORT_HOOK_H

#include <windows.h>

#include <string.h>

class ImportHook {
public:
    // The original goes into *original before any call can reach the replacement.
    template <class Function>
    ImportHook(const char *dll, const char *function, Function replacement, Function *original)
        : slot_(import_slot(dll, function))
    {
        if (!slot_)
            return;
        original_ = *slot_;
        *original = reinterpret_cast<Function>(original_);
        write_slot(reinterpret_cast<ULONG_PTR>(replacement));
    }
    ~ImportHook()
    {
        if (slot_)
            write_slot(original_);
    }
    ImportHook(const ImportHook &) = delete;
    ImportHook &operator=(const ImportHook &) = delete;

    bool active() const { return slot_ != 0; }

private:
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

    ULONG_PTR *slot_;
    ULONG_PTR original_ = 0;
};

#endif
