// The interface settings as the engine uses them: start-up and the interface
// dialog write the file and mark the engine's copy stale; the next tick reads
// it again.
#include "link_supervision.h"

#include <windows.h>

#include <string.h>

#include "interface_settings.h"
#include "main_window.h"
#include "window_texts.h"

int32_t g_keepalive_active;
int32_t g_keepalive_failures;
uint32_t g_keepalive_last_tick;

void reload_interface_settings(void)
{
    // A failed read is not tried again until somebody marks the settings stale.
    g_interface_loaded = 1;
    if (!read_interface_settings(g_com_port_name, &g_decoder_connected, g_decoder_kind))
        MessageBoxA(g_main_window, INTERFACE_FILE_ERROR_TEXT, ERROR_CAPTION_TEXT, MB_OK);
    if (strcmp(g_decoder_kind, DECODER_KIND_VQ2_USB) == 0 && g_decoder_connected == 1) {
        g_keepalive_active = 1;
        g_keepalive_failures = 0;
        g_keepalive_last_tick = read_tick_count();
    }
}
