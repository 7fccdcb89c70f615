// Supervision of the decoder link at the start of every engine tick: the
// interface settings read again when they are marked stale, the keep-alive of
// a VQ2 decoder on USB, and the reconnection of one whose link was lost.
#ifndef LINK_SUPERVISION_H
#define LINK_SUPERVISION_H

#include <stdint.h>

enum {
    KEEPALIVE_INTERVAL_MS = 400,
    RECONNECT_INTERVAL_MS = 4500,
    // An attempt listens while at most 99 ms have passed.
    RECONNECT_WINDOW_MS = 100,
    // The loss line and its race time, in every build's language.
    CONNECTION_REPORT_SIZE = 160,
};

// The keep-alive of a VQ2 decoder on USB, armed by a reload that finds one
// connected.
extern int32_t g_keepalive_active;
extern int32_t g_keepalive_failures;  // writes in a row that wrote nothing
extern uint32_t g_keepalive_last_tick;

// 1 from a loss until a reconnection succeeds or the interface command clears it.
extern int32_t g_reconnect_pending;
extern uint32_t g_reconnect_last_tick;
// The loss line of the current loss; empty when the loss came outside a race.
extern char g_connection_report[CONNECTION_REPORT_SIZE];

// Reads RéglagesInterface2.rg into the engine's port name, connected flag and
// decoder kind, once after start-up and after the interface dialog; a file
// that cannot be read is told in a box and the values held stay.
void reload_interface_settings(void);

// Sends the keep-alive every 400 ms while it is armed; the second write in a
// row that writes nothing is the loss of the link.
void send_keepalive(void);

// One attempt every 4.5 s to find a lost VQ2 on USB again, its outcome told
// in a box (silent when the port does not even open, or on a success outside
// a race).
void reconnect_decoder(void);

// The bytes of one read during an attempt: an identify answer of a VQ2 on
// USB brings the link back; passings go to the race or the scan as any other.
void parse_decoder_block(const unsigned char *bytes, int32_t count);

#endif
