// Supervision of the decoder link at the start of every engine tick: the
// interface settings read again when they are marked stale.
#ifndef LINK_SUPERVISION_H
#define LINK_SUPERVISION_H

#include <stdint.h>

// The keep-alive of a VQ2 decoder on USB, armed by a reload that finds one
// connected.
extern int32_t g_keepalive_active;
extern int32_t g_keepalive_failures;
extern uint32_t g_keepalive_last_tick;

// Reads RéglagesInterface2.rg into the engine's port name, connected flag and
// decoder kind, once after start-up and after the interface dialog; a file
// that cannot be read is told in a box and the values held stay.
void reload_interface_settings(void);

#endif
