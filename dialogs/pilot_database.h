// The pilot database dialog (template BASEPILOTES): up to 1000 pilots, each
// with the transponder number typed in or read from the decoder with the
// dialog's own Scan; Ok writes both database files.
#ifndef PILOT_DATABASE_H
#define PILOT_DATABASE_H

#include <windows.h>

#include <stdint.h>

#include "decoder_protocol.h"

// The dialog's copies, kept from one opening to the next: its database is
// g_pilot_dialog_records; the decoder kind is read from the interface
// settings file at each opening and kept when that file is missing.
extern char g_pilot_dialog_decoder_kind[DECODER_KIND_SIZE];
extern int32_t g_pilot_scan_on;
extern int32_t g_pilot_scan_count;
extern int32_t g_pilot_scan_frame[VQ2_PASSING_LENGTH];
// The lamp beside the Scan: 0 no image, 1 to 4 the image shown.
extern int32_t g_scan_lamp_phase;

INT_PTR CALLBACK pilot_database_dialog_proc(HWND dialog, UINT message, WPARAM wparam,
                                            LPARAM lparam);

// Runs the dialog modally over the owner; returns when it has closed.
void open_pilot_database_dialog(HWND owner);

#endif
