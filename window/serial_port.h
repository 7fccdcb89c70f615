// The one COM port of the program: open, close, read, write, drain, and the
// identify exchange with the decoder. Win32; the frames and parsers it uses
// are in decoder_protocol.h.
#ifndef SERIAL_PORT_H
#define SERIAL_PORT_H

#include <windows.h>

#include <stdint.h>

#include "decoder_protocol.h"

// INVALID_HANDLE_VALUE while no port is open.
extern HANDLE g_com_handle;

// Opens "COM1" to "COM99" (any name of up to 11 characters) at 9600 8N1 with
// DTR raised, reads that never wait and writes that give up after 100 ms.
// Returns 1 when the port is open and configured, 0 otherwise (nothing open).
int32_t open_com_port(const char *port_name);
// Closes the open port, if any; returns 1.
int32_t close_com_port(void);
// One read of up to `wanted` bytes (255 by every caller, into 256 bytes).
// Returns nonzero on success; *count_read is 0 when nothing arrived, the
// read failed or no port is open.
int32_t read_com_port(unsigned char *buffer, int32_t wanted, int32_t *count_read);
// One write. *count_written 0 is the sign of a dead link: look at it, not at
// the result.
int32_t write_com_port(const unsigned char *bytes, int32_t count, int32_t *count_written);
// Reads up to 255 bytes and throws them away, leaving the parsers alone.
// Returns the number of bytes thrown away.
int32_t drain_com_port(void);

// Sends the identify request and listens for the answer for window_ms
// (IDENTIFY_WINDOW_MS at start-up and in the interface dialog). Returns
// IDENTIFY_KIND_USB or IDENTIFY_KIND_BLUETOOTH with *serial_number set, or
// IDENTIFY_NO_ANSWER (a VQ1, or nothing at all) with *serial_number 0.
// Busy: nothing else runs meanwhile.
int32_t identify_decoder(int32_t window_ms, int32_t *serial_number);

#endif
