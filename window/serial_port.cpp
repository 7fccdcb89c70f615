// The COM port to the decoder. Reads return at once with whatever the driver
// holds, so the 10 ms engine never waits on the line; writes are bounded.
#include "serial_port.h"

#include <string.h>

HANDLE g_com_handle = INVALID_HANDLE_VALUE;

namespace {

// The device path is built in 16 bytes: the prefix and up to 11 characters.
enum { DEVICE_PATH_SIZE = 16, PORT_NAME_MAX = 11, DRIVER_QUEUE_SIZE = 4096 };

static_assert(sizeof(DCB) == 28, "the line settings are made for the 28-byte DCB");

void fill_line_settings(DCB *dcb)
{
    // Every flag left at 0: no parity check, no flow control by CTS, DSR,
    // XON or XOFF, no DSR sensitivity, no error or NUL replacement, no abort
    // on error. The decoder's bytes come through exactly as sent.
    memset(dcb, 0, sizeof *dcb);
    dcb->DCBlength = sizeof(DCB);
    dcb->BaudRate = 9600;
    dcb->fBinary = 1;
    dcb->fDtrControl = DTR_CONTROL_ENABLE;
    dcb->fRtsControl = RTS_CONTROL_ENABLE;
    dcb->XonLim = 256;
    dcb->XoffLim = 256;
    dcb->ByteSize = 8;
    dcb->Parity = NOPARITY;
    dcb->StopBits = ONESTOPBIT;
    dcb->XonChar = 0x11;
    dcb->XoffChar = 0x13;
    dcb->ErrorChar = 0x3F;
    dcb->EofChar = 0x1A;
    dcb->EvtChar = 0x10;
}

int32_t port_is_open(void)
{
    return g_com_handle != INVALID_HANDLE_VALUE;
}

}  // namespace

int32_t open_com_port(const char *port_name)
{
    // One port for the whole program: a second opening must not leak the first.
    close_com_port();
    if (port_name == 0 || strnlen(port_name, PORT_NAME_MAX + 1) > PORT_NAME_MAX) {
        return 0;
    }
    // "\\.\" reaches COM10 and above, which CreateFileA does not find by the bare name.
    char path[DEVICE_PATH_SIZE] = "\\\\.\\";
    strcat(path, port_name);

    g_com_handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                               FILE_ATTRIBUTE_SYSTEM, NULL);
    if (!port_is_open()) {
        return 0;
    }
    SetupComm(g_com_handle, DRIVER_QUEUE_SIZE, DRIVER_QUEUE_SIZE);

    // 1 ms read time-outs: a read hands back what the driver holds, often nothing.
    COMMTIMEOUTS timeouts;
    timeouts.ReadIntervalTimeout = 1;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 1;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 100;
    DCB dcb;
    fill_line_settings(&dcb);
    // A port name can open with nothing able to carry the line behind it; the
    // settings are what tell.
    if (!SetCommTimeouts(g_com_handle, &timeouts) || !SetCommState(g_com_handle, &dcb)) {
        close_com_port();
        return 0;
    }
    PurgeComm(g_com_handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    EscapeCommFunction(g_com_handle, SETDTR);
    return 1;
}

int32_t close_com_port(void)
{
    if (port_is_open()) {
        CloseHandle(g_com_handle);
        g_com_handle = INVALID_HANDLE_VALUE;
    }
    return 1;
}

int32_t read_com_port(unsigned char *buffer, int32_t wanted, int32_t *count_read)
{
    *count_read = 0;
    if (!port_is_open() || wanted < 0) {
        return 0;
    }
    // Bytes already waiting are read alone: asking for more would sit out the
    // read time-outs (about a millisecond under Wine) on every passing. With
    // nothing waiting the read runs as set up and hands back what arrives.
    DWORD errors = 0;
    COMSTAT status;
    DWORD asked = static_cast<DWORD>(wanted);
    if (ClearCommError(g_com_handle, &errors, &status) && status.cbInQue > 0 &&
        status.cbInQue < asked) {
        asked = status.cbInQue;
    }
    DWORD got = 0;
    BOOL ok = ReadFile(g_com_handle, buffer, asked, &got, NULL);
    *count_read = ok ? static_cast<int32_t>(got) : 0;
    return ok ? 1 : 0;
}

int32_t write_com_port(const unsigned char *bytes, int32_t count, int32_t *count_written)
{
    *count_written = 0;
    if (!port_is_open() || count < 0) {
        return 0;
    }
    DWORD put = 0;
    BOOL ok = WriteFile(g_com_handle, bytes, static_cast<DWORD>(count), &put, NULL);
    *count_written = static_cast<int32_t>(put);
    return ok ? 1 : 0;
}

int32_t drain_com_port(void)
{
    unsigned char buffer[COM_READ_BUFFER];
    int32_t count = 0;
    read_com_port(buffer, COM_READ_MAX, &count);
    return count;
}

int32_t identify_decoder(int32_t window_ms, int32_t *serial_number)
{
    int32_t written = 0;
    write_com_port(identify_request, REQUEST_LENGTH, &written);

    IdentifyParser parser;
    start_identify_parser(&parser);
    const int64_t frequency = read_performance_frequency();
    const int64_t start = read_performance_counter();
    // Without a counter frequency the window is timed by the tick count, so it still ends.
    const uint32_t start_tick = read_tick_count();
    int64_t elapsed = 0;
    unsigned char buffer[COM_READ_BUFFER];
    // The read that follows the last look at the clock is still parsed: an
    // answer that arrives just as the window runs out counts.
    while (parser.kind == IDENTIFY_NO_ANSWER && elapsed < window_ms) {
        if (!counter_elapsed_ms(start, read_performance_counter(), frequency, &elapsed)) {
            elapsed = static_cast<uint32_t>(read_tick_count() - start_tick);
        }
        int32_t count = 0;
        if (read_com_port(buffer, COM_READ_MAX, &count) && count > 0) {
            parse_identify_bytes(&parser, buffer, count);
        }
    }
    *serial_number = parser.kind == IDENTIFY_NO_ANSWER ? 0 : parser.serial_number;
    return parser.kind;
}
