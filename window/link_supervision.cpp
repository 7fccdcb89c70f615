// The decoder link as the engine keeps it: the interface settings read again
// when start-up or the interface dialog marked them stale, a keep-alive that
// tells a VQ2 on USB that the program is there and finds out when it is gone,
// and attempts to find it again.
#include "link_supervision.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "engine.h"
#include "interface_settings.h"
#include "main_window.h"
#include "race_tick.h"
#include "run_state.h"
#include "serial_port.h"
#include "transponder_scan.h"
#include "window_texts.h"

int32_t g_keepalive_active;
int32_t g_keepalive_failures;
uint32_t g_keepalive_last_tick;
int32_t g_reconnect_pending;
uint32_t g_reconnect_last_tick;
char g_connection_report[CONNECTION_REPORT_SIZE];

namespace {

enum { RACE_TIME_TEXT_SIZE = 20, OUTCOME_TEXT_SIZE = 200 };

// An attempt's boxes run their own message loop, and the ticks in it must not
// start another attempt: the boxes would nest without end while the decoder
// stays away. The next attempt waits until the box is closed.
int32_t g_reconnect_busy;

int32_t supervised_kind(void)
{
    return strcmp(g_decoder_kind, DECODER_KIND_VQ2_USB) == 0;
}

void show_box(const char *text, const char *caption)
{
    MessageBoxA(g_main_window, text, caption, MB_OK);
}

void rewrite_settings(int32_t connected)
{
    if (!write_interface_settings(g_com_port_name, connected, g_decoder_kind))
        show_box(INTERFACE_FILE_ERROR_TEXT, ERROR_CAPTION_TEXT);
}

// The race time of the moment, to the tenth of a second.
void format_race_moment(char *text)
{
    const int32_t elapsed = static_cast<int32_t>(read_tick_count() - g_race_start_tick);
    int32_t hours, minutes, seconds, ms;
    split_milliseconds(elapsed, &hours, &minutes, &seconds, &ms);
    format_time(text, hours, minutes, seconds, ms / 100 * 100);
}

void declare_link_lost(void)
{
    close_com_port();
    g_decoder_connected = 0;
    g_reconnect_last_tick = read_tick_count();
    // The state is whole before the file's box can let other ticks run, so
    // they neither send into the closed port nor declare the loss again.
    g_keepalive_active = 0;
    g_reconnect_pending = 1;
    g_connection_report[0] = '\0';
    if (g_race_running) {
        char moment[RACE_TIME_TEXT_SIZE];
        format_race_moment(moment);
        snprintf(g_connection_report, sizeof g_connection_report, LINK_LOST_FORMAT, moment);
    }
    rewrite_settings(0);
}

// Listens for the decoder's answer to the identify request just written.
void listen_for_decoder(void)
{
    g_qpc_frequency = read_performance_frequency();
    const int64_t start = read_performance_counter();
    int64_t elapsed = 0;
    unsigned char buffer[COM_READ_BUFFER];
    memset(buffer, 0, sizeof buffer);
    while (elapsed < RECONNECT_WINDOW_MS && g_decoder_connected == 0) {
        g_qpc_now = read_performance_counter();
        // Without a counter the window still ends: it is then taken as over.
        if (!counter_elapsed_ms(start, g_qpc_now, g_qpc_frequency, &elapsed))
            elapsed = RECONNECT_WINDOW_MS;
        int32_t count = 0;
        if (read_com_port(buffer, COM_READ_MAX, &count) && count > 0)
            parse_decoder_block(buffer, count);
    }
}

void attempt_reconnection(void)
{
    g_reconnect_last_tick = read_tick_count();
    if (!open_com_port(g_com_port_name))
        return;
    int32_t written = 0;
    write_com_port(identify_request, REQUEST_LENGTH, &written);
    listen_for_decoder();

    char text[CONNECTION_REPORT_SIZE + OUTCOME_TEXT_SIZE];
    if (g_decoder_connected == 1) {
        rewrite_settings(1);
        if (!g_race_running)
            return;
        char moment[RACE_TIME_TEXT_SIZE];
        char outcome[OUTCOME_TEXT_SIZE];
        format_race_moment(moment);
        snprintf(outcome, sizeof outcome, LINK_RESTORED_FORMAT, moment);
        snprintf(text, sizeof text, "%s%s", g_connection_report, outcome);
        show_box(text, MESSAGE_CAPTION_TEXT);
        return;
    }
    close_com_port();
    snprintf(text, sizeof text, "%s%s", g_connection_report, LINK_RECOVERY_FAILED_TEXT);
    show_box(text, ERROR_CAPTION_TEXT);
}

}  // namespace

void reload_interface_settings(void)
{
    // A failed read is not tried again until somebody marks the settings stale.
    g_interface_loaded = 1;
    if (!read_interface_settings(g_com_port_name, &g_decoder_connected, g_decoder_kind))
        show_box(INTERFACE_FILE_ERROR_TEXT, ERROR_CAPTION_TEXT);
    if (supervised_kind() && g_decoder_connected == 1) {
        g_keepalive_active = 1;
        g_keepalive_failures = 0;
        g_keepalive_last_tick = read_tick_count();
    }
}

void send_keepalive(void)
{
    if (!g_keepalive_active)
        return;
    const uint32_t now = read_tick_count();
    if (now - g_keepalive_last_tick <= KEEPALIVE_INTERVAL_MS)
        return;
    g_keepalive_last_tick = now;
    int32_t written = 0;
    write_com_port(keepalive_request, REQUEST_LENGTH, &written);
    if (written != 0) {
        g_keepalive_failures = 0;
        return;
    }
    // The first silent write is forgiven; the second in a row is a loss.
    const int32_t lost = g_keepalive_failures > 0;
    g_keepalive_failures += 1;
    if (lost)
        declare_link_lost();
}

void reconnect_decoder(void)
{
    if (g_reconnect_busy || !supervised_kind() || g_decoder_connected != 0 ||
        g_reconnect_pending != 1 || read_tick_count() - g_reconnect_last_tick <= RECONNECT_INTERVAL_MS)
        return;
    g_reconnect_busy = 1;
    attempt_reconnection();
    g_reconnect_busy = 0;
}

void parse_decoder_block(const unsigned char *bytes, int32_t count)
{
    // Nothing is carried from one read to the next: a frame cut short is dropped.
    int32_t i = 0;
    while (i + IDENTIFY_ANSWER_LENGTH <= count) {
        if (bytes[i] != 0xFF || bytes[i + 1] != 0xFF || bytes[i + 2] != 0xFF) {
            i += 1;
            continue;
        }
        const int32_t frame = bytes[i + 3];
        if (frame == FRAME_IDENTIFY) {
            if (bytes[i + 4] == IDENTIFY_KIND_USB) {
                g_decoder_connected = 1;
                g_interface_loaded = 0;
                g_keepalive_active = 0;
                g_reconnect_pending = 0;
            }
            i += IDENTIFY_ANSWER_LENGTH;
        } else if (frame == FRAME_PASSING) {
            if (i + VQ2_PASSING_LENGTH > count)
                return;
            const unsigned char *f = bytes + i;
            char transponder[TRANSPONDER_TEXT_SIZE];
            format_transponder(transponder, f[4] * 256 + f[5]);
            const int32_t passing_ms = vq2_passing_ms(f[6], f[7], f[8], f[9] * 256 + f[10]);
            if (g_race_running)
                process_passing(transponder, passing_ms);
            else if (g_scan_active)
                take_scan_passing(transponder);
            i += VQ2_PASSING_LENGTH;
        } else {
            i += 1;
        }
    }
}
