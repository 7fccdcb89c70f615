// What the simulated decoder sends and understands: its frames, the host's
// requests as it recognises them, and the lines of a scenario file.
#ifndef SIM_FRAMES_H
#define SIM_FRAMES_H

#include <stdint.h>

enum SimKind { SIM_VQ1, SIM_VQ2_USB, SIM_VQ2_BLUETOOTH };

enum {
    SIM_FRAME_MAX = 11,
    // Largest decoder time a passing frame can carry: 255 h 59 min 59.999 s.
    SIM_TIME_MAX_MS = 255 * 3600000 + 59 * 60000 + 59999,
};

enum SimRequest { SIM_NO_REQUEST, SIM_IDENTIFY, SIM_RESET_CLOCK, SIM_KEEPALIVE };

// Sub-second counter for 0 to 999 ms: the smallest counter the program's
// conversion turns back into those milliseconds.
int32_t subsecond_counter(int32_t ms);

// Each writes one frame into out (SIM_FRAME_MAX bytes) and returns its length.
int32_t build_passing(unsigned char *out, SimKind kind, int32_t transponder, int32_t decoder_ms);
int32_t build_identify_answer(unsigned char *out, int32_t kind_byte, int32_t serial_number);
int32_t build_reset_answer(unsigned char *out, int32_t decoder_ms);

// Recognises the host's 5-byte requests in the bytes received. Bytes that
// belong to no request are counted in `stray`.
struct RequestScanner {
    unsigned char window[5];
    int32_t count;
    int64_t stray;
};

void start_request_scanner(RequestScanner *scanner);
SimRequest scan_request_byte(RequestScanner *scanner, unsigned char byte);

// A transponder number, 0 to 65535, in decimal; returns 1 when valid.
int32_t parse_transponder(const char *text, int32_t *number);
// "H:MM:SS.mmm", "M:SS.mmm", "S.mmm" or "S"; returns 1 and the ms when valid.
int32_t parse_decoder_time(const char *text, int32_t *ms);
// A scenario line: transponder number (0 to 65535), blanks, decoder time;
// '#' starts a comment. Returns 1 for a passing, 0 for a blank or comment
// line, -1 for a line that is neither.
int32_t parse_scenario_line(const char *line, int32_t *transponder, int32_t *ms);

#endif
