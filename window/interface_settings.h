// RéglagesInterface2.rg: the COM port, whether the decoder answered on it,
// and which decoder it is. The file is the one channel by which start-up and
// the interface dialog tell the engine which port and decoder to use.
#ifndef INTERFACE_SETTINGS_H
#define INTERFACE_SETTINGS_H

#include <stdint.h>

#include "decoder_protocol.h"

enum {
    COM_PORT_NAME_SIZE = 6,  // "COM1" to "COM99"
};

extern const char INTERFACE_SETTINGS_FILE[];

// The engine's copy, read at the tick after g_interface_loaded went to 0.
extern char g_com_port_name[COM_PORT_NAME_SIZE];
extern int32_t g_decoder_connected;
extern char g_decoder_kind[DECODER_KIND_SIZE];
extern int32_t g_interface_loaded;

// Reads the port name, connected flag and kind. Returns 0 and changes
// nothing when the file cannot be opened for reading and writing. Otherwise
// the name and kind are emptied and filled, each cut to its field; the flag
// keeps its value when the file holds no number there. Blanks and empty lines
// before a field are skipped; a line written without a port ("\t0\tZelquanodrim")
// reads back as an empty name.
int32_t read_interface_settings(char *port_name, int32_t *connected, char *decoder_kind);

// Rewrites the file whole; returns 0 when it cannot be created.
int32_t write_interface_settings(const char *port_name, int32_t connected,
                                 const char *decoder_kind);

#endif
