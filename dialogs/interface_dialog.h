// The interface dialog (template INTERFACE): the decoder's COM port chosen,
// opened and the decoder on it identified; each Ouvrir writes
// RéglagesInterface2.rg, which the engine reads again after the dialog.
#ifndef INTERFACE_DIALOG_H
#define INTERFACE_DIALOG_H

#include <windows.h>

#include <stdint.h>

#include "decoder_protocol.h"

// What the dialog holds of the link, kept from one opening to the next:
// the decoder kind and 0 (port not open) or 1 (port open, decoder found).
extern char g_interface_dialog_kind[DECODER_KIND_SIZE];
extern int32_t g_interface_dialog_status;

INT_PTR CALLBACK interface_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Runs the dialog modally over the owner; returns when it has closed, the
// port that its last Ouvrir opened left open.
void open_interface_dialog(HWND owner);

#endif
