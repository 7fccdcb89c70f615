// decoder-sim: plays one timing decoder on a pty pair, for `make run`, the
// Wine tests and the end-to-end tests. The program's side of the pty is
// reached through a symlink (--link), which the Wine prefix maps as a COM port.
//
// It answers the identify and reset-clock requests as the chosen kind does,
// counts keep-alives, sends passings from a scenario file or on command, and
// on command injects raw bytes, splits frames, goes silent, and disappears
// and comes back as an unplugged USB decoder would. Commands come one a line
// through a FIFO (--control); counts and received bytes go to a status file
// (--status) rewritten whole after every change.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <deque>
#include <string>
#include <vector>

#include "decoder_protocol.h"
#include "sim_frames.h"

namespace {

const char k_usage[] =
    "usage: decoder-sim --link PATH [options]\n"
    "  --link PATH          symlink to the program's side of the pty (replaced)\n"
    "  --kind K             vq1, vq2usb (default) or vq2bt\n"
    "  --serial N           serial number given in the identify answer (default 1)\n"
    "  --identify-kind B    kind byte of the identify answer instead of the kind's own\n"
    "  --refuse-resets N    answer the first N reset-clock requests with a non-zero time\n"
    "  --scenario FILE      passings to send: 'transponder H:MM:SS.mmm' a line\n"
    "  --speed X            scenario pace: X decoder seconds a second (default 1)\n"
    "  --wait-reset         start the scenario at the first accepted clock reset\n"
    "                       (default: at launch; the command 'play' restarts it)\n"
    "  --baud N             pace what is sent at N baud, 10 bits a byte (default 9600; 0: unpaced)\n"
    "  --split N            send every frame as two writes, the first of N bytes\n"
    "  --split-gap MS       pause between the two writes (default 30)\n"
    "  --control PATH       FIFO of commands (created): pass T [TIME], raw HEX.., split N [MS],\n"
    "                       silent, talk, vanish, return, play, quit\n"
    "  --status PATH        status file, rewritten after every change\n"
    "  --lifetime S         quit after S seconds\n"
    "  --detach             own session, no inherited files, output to --log or nowhere\n"
    "  --log PATH           with --detach: where messages go\n";

struct Options {
    const char *link = 0;
    SimKind kind = SIM_VQ2_USB;
    int32_t serial_number = 1;
    int32_t identify_kind = -1;
    int32_t refuse_resets = 0;
    const char *scenario = 0;
    double speed = 1.0;
    int32_t wait_reset = 0;
    int32_t baud = 9600;
    int32_t split = 0;
    int32_t split_gap_ms = 30;
    const char *control = 0;
    const char *status = 0;
    double lifetime = 0;
    int32_t detach = 0;
    const char *log = 0;
};

struct Passing {
    int32_t transponder;
    int32_t ms;
};

// One write to the line. A passing counts as sent when its last chunk is written.
struct Chunk {
    std::vector<unsigned char> bytes;
    int32_t ends_passing;
    int32_t gap_after_us;
};

struct Sim {
    Options options;
    int master = -1;
    int slave = -1;
    std::string pty_name;
    int control = -1;
    std::string control_line;
    RequestScanner scanner;
    int64_t clock_origin_us = 0;
    std::vector<Passing> scenario;
    size_t scenario_next = 0;
    int32_t playing = 0;
    int64_t play_origin_us = 0;
    std::deque<Chunk> output;
    int64_t next_write_us = 0;
    int32_t silent = 0;
    int32_t refusals_left = 0;
    int32_t quit = 0;
    int32_t dirty = 1;
    std::vector<unsigned char> received;
    int64_t received_bytes = 0;
    int64_t identify_requests = 0;
    int64_t reset_requests = 0;
    int64_t clock_resets = 0;
    int64_t keepalives = 0;
    int64_t passings_sent = 0;
    int64_t passings_dropped = 0;
    int64_t errors = 0;
};

enum { RECEIVED_KEPT = 4096, CATCH_UP_US = 50000 };

volatile sig_atomic_t g_stop;

void on_signal(int)
{
    g_stop = 1;
}

int64_t now_us(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

int32_t decoder_clock_ms(const Sim *sim)
{
    int64_t ms = (now_us() - sim->clock_origin_us) / 1000;
    return ms > SIM_TIME_MAX_MS ? SIM_TIME_MAX_MS : static_cast<int32_t>(ms);
}

const char *kind_name(SimKind kind)
{
    return kind == SIM_VQ1 ? "vq1" : kind == SIM_VQ2_USB ? "vq2usb" : "vq2bt";
}

// ---------------------------------------------------------------------------
// The pty and its link

int32_t plug_in(Sim *sim)
{
    int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || ptsname(master) == 0) {
        perror("decoder-sim: pty");
        if (master >= 0) {
            close(master);
        }
        return 0;
    }
    std::string name = ptsname(master);
    // Our own hold on the program's side keeps the line up between the
    // program's openings, and sets it raw before the program configures it.
    // Detached, the simulator leads its own session and takes the line as
    // its controlling terminal: the wineserver, which leads a session too and
    // opens the device for the program, would otherwise take it, and get a
    // hang-up at every unplugging.
    int slave = open(name.c_str(), O_RDWR | O_NONBLOCK | (sim->options.detach ? 0 : O_NOCTTY));
    struct termios line;
    if (slave < 0 || tcgetattr(slave, &line) != 0) {
        perror("decoder-sim: pty slave");
        close(master);
        if (slave >= 0) {
            close(slave);
        }
        return 0;
    }
    cfmakeraw(&line);
    cfsetspeed(&line, B9600);
    tcsetattr(slave, TCSANOW, &line);

    // Replace the link in one step, so the program never finds it missing.
    std::string temporary = std::string(sim->options.link) + ".new";
    unlink(temporary.c_str());
    if (symlink(name.c_str(), temporary.c_str()) != 0 ||
        rename(temporary.c_str(), sim->options.link) != 0) {
        perror("decoder-sim: link");
        close(master);
        close(slave);
        return 0;
    }
    sim->master = master;
    sim->slave = slave;
    sim->pty_name = name;
    sim->next_write_us = now_us();
    start_request_scanner(&sim->scanner);
    sim->dirty = 1;
    return 1;
}

void drop_output(Sim *sim)
{
    for (const Chunk &chunk : sim->output) {
        sim->passings_dropped += chunk.ends_passing;
    }
    sim->output.clear();
}

// Removes a path only while it is still the one this simulator made: a
// simulator started later on the same line may have replaced it.
void remove_own_link(const Sim *sim)
{
    char target[256];
    ssize_t n = readlink(sim->options.link, target, sizeof target - 1);
    if (n > 0 && static_cast<size_t>(n) == sim->pty_name.size() &&
        memcmp(target, sim->pty_name.data(), n) == 0) {
        unlink(sim->options.link);
    }
}

// As an unplugged USB decoder: the device goes and so does its name.
void unplug(Sim *sim)
{
    if (sim->master < 0) {
        return;
    }
    remove_own_link(sim);
    close(sim->master);
    close(sim->slave);
    sim->master = -1;
    sim->slave = -1;
    sim->pty_name.clear();
    drop_output(sim);
    sim->dirty = 1;
}

// ---------------------------------------------------------------------------
// What goes out

// Queues one write. The line rests while nothing waits, so what comes
// after a rest goes out at once.
void queue_chunk(Sim *sim, const unsigned char *bytes, int32_t length, int32_t ends_passing,
                 int32_t gap_after_us)
{
    if (sim->output.empty() && sim->next_write_us < now_us()) {
        sim->next_write_us = now_us();
    }
    sim->output.push_back({std::vector<unsigned char>(bytes, bytes + length), ends_passing, gap_after_us});
}

void send_frame(Sim *sim, const unsigned char *bytes, int32_t length, int32_t is_passing)
{
    if (sim->silent || sim->master < 0) {
        sim->passings_dropped += is_passing;
        return;
    }
    const int32_t split = sim->options.split;
    if (split > 0 && split < length) {
        queue_chunk(sim, bytes, split, 0, sim->options.split_gap_ms * 1000);
        bytes += split;
        length -= split;
    }
    queue_chunk(sim, bytes, length, is_passing, 0);
}

void send_passing(Sim *sim, int32_t transponder, int32_t ms)
{
    unsigned char frame[SIM_FRAME_MAX];
    int32_t length = build_passing(frame, sim->options.kind, transponder, ms);
    send_frame(sim, frame, length, 1);
}

void write_output(Sim *sim)
{
    while (!sim->output.empty() && sim->master >= 0 && now_us() >= sim->next_write_us) {
        Chunk &chunk = sim->output.front();
        ssize_t n = write(sim->master, chunk.bytes.data(), chunk.bytes.size());
        if (n <= 0) {
            return;  // the pty is full: poll says when it drains
        }
        if (sim->options.baud > 0) {
            // A late wake-up keeps to the line's schedule, so the rate holds
            // under load; only a long stall gives up the time it lost.
            const int64_t now = now_us();
            const int64_t base = sim->next_write_us < now - CATCH_UP_US ? now - CATCH_UP_US
                                                                         : sim->next_write_us;
            sim->next_write_us = base + n * 10 * INT64_C(1000000) / sim->options.baud;
        }
        if (static_cast<size_t>(n) < chunk.bytes.size()) {
            chunk.bytes.erase(chunk.bytes.begin(), chunk.bytes.begin() + n);
            continue;
        }
        sim->next_write_us += chunk.gap_after_us;
        sim->passings_sent += chunk.ends_passing;
        sim->output.pop_front();
        sim->dirty = 1;
    }
}

void start_scenario(Sim *sim)
{
    sim->playing = !sim->scenario.empty();
    sim->scenario_next = 0;
    sim->play_origin_us = now_us();
}

int64_t scenario_due_us(const Sim *sim)
{
    const Passing &next = sim->scenario[sim->scenario_next];
    return sim->play_origin_us + static_cast<int64_t>(next.ms * 1000.0 / sim->options.speed);
}

void play_scenario(Sim *sim)
{
    while (sim->playing && now_us() >= scenario_due_us(sim)) {
        const Passing &next = sim->scenario[sim->scenario_next];
        send_passing(sim, next.transponder, next.ms);
        sim->scenario_next += 1;
        sim->playing = sim->scenario_next < sim->scenario.size();
        sim->dirty = 1;
    }
}

// ---------------------------------------------------------------------------
// What comes in

void answer_request(Sim *sim, SimRequest request)
{
    unsigned char frame[SIM_FRAME_MAX];
    const int32_t answers = sim->options.kind != SIM_VQ1;
    if (request == SIM_IDENTIFY) {
        sim->identify_requests += 1;
        if (answers) {
            int32_t kind_byte = sim->options.identify_kind >= 0 ? sim->options.identify_kind
                                : sim->options.kind == SIM_VQ2_USB ? IDENTIFY_KIND_USB
                                                                   : IDENTIFY_KIND_BLUETOOTH;
            send_frame(sim, frame, build_identify_answer(frame, kind_byte, sim->options.serial_number), 0);
        }
    } else if (request == SIM_RESET_CLOCK) {
        sim->reset_requests += 1;
        if (!answers) {
            return;
        }
        if (sim->refusals_left > 0) {
            // The clock was not reset: it answers with where it stands, never 00:00:00.
            sim->refusals_left -= 1;
            int32_t ms = decoder_clock_ms(sim);
            send_frame(sim, frame, build_reset_answer(frame, ms < 1000 ? 1000 : ms), 0);
            return;
        }
        sim->clock_origin_us = now_us();
        sim->clock_resets += 1;
        send_frame(sim, frame, build_reset_answer(frame, 0), 0);
        if (sim->options.wait_reset) {
            start_scenario(sim);
        }
    } else if (request == SIM_KEEPALIVE) {
        sim->keepalives += 1;
    }
}

void read_line(Sim *sim)
{
    unsigned char bytes[4096];
    ssize_t n = read(sim->master, bytes, sizeof bytes);
    for (ssize_t i = 0; i < n; ++i) {
        if (sim->received.size() < RECEIVED_KEPT) {
            sim->received.push_back(bytes[i]);
        }
        sim->received_bytes += 1;
        answer_request(sim, scan_request_byte(&sim->scanner, bytes[i]));
        sim->dirty = 1;
    }
}

int32_t parse_hex_bytes(char *words, std::vector<unsigned char> *bytes)
{
    for (char *word = strtok(words, " \t"); word != 0; word = strtok(0, " \t")) {
        size_t length = strlen(word);
        if (length % 2 != 0 || strspn(word, "0123456789abcdefABCDEF") != length) {
            return 0;
        }
        for (size_t i = 0; i < length; i += 2) {
            char pair[3] = {word[i], word[i + 1], '\0'};
            bytes->push_back(static_cast<unsigned char>(strtol(pair, 0, 16)));
        }
    }
    return !bytes->empty();
}

void run_command(Sim *sim, std::string line)
{
    char text[1024];
    snprintf(text, sizeof text, "%s", line.c_str());
    char *rest = text + strcspn(text, " \t");
    if (*rest != '\0') {
        *rest++ = '\0';
    }
    const char *command = text;
    int32_t transponder = 0;
    int32_t ms = 0;
    int32_t ok = 1;
    if (strcmp(command, "pass") == 0) {
        // Without a time the passing carries the decoder's clock of the moment.
        char *number = strtok(rest, " \t");
        char *time = strtok(0, " \t");
        ok = number != 0 && strtok(0, " \t") == 0 && parse_transponder(number, &transponder) &&
             (time == 0 || parse_decoder_time(time, &ms));
        if (ok) {
            send_passing(sim, transponder, time == 0 ? decoder_clock_ms(sim) : ms);
        }
    } else if (strcmp(command, "raw") == 0) {
        std::vector<unsigned char> bytes;
        ok = parse_hex_bytes(rest, &bytes);
        if (ok && !sim->silent && sim->master >= 0) {
            queue_chunk(sim, bytes.data(), static_cast<int32_t>(bytes.size()), 0, 0);
        }
    } else if (strcmp(command, "split") == 0) {
        int gap = sim->options.split_gap_ms;
        ok = sscanf(rest, "%d %d", &sim->options.split, &gap) >= 1 && gap >= 0;
        sim->options.split_gap_ms = gap;
    } else if (strcmp(command, "silent") == 0) {
        sim->silent = 1;
        drop_output(sim);
    } else if (strcmp(command, "talk") == 0) {
        sim->silent = 0;
    } else if (strcmp(command, "vanish") == 0) {
        unplug(sim);
    } else if (strcmp(command, "return") == 0) {
        ok = sim->master >= 0 || plug_in(sim);
    } else if (strcmp(command, "play") == 0) {
        start_scenario(sim);
    } else if (strcmp(command, "quit") == 0) {
        sim->quit = 1;
    } else {
        ok = command[0] == '\0';
    }
    if (!ok) {
        fprintf(stderr, "decoder-sim: bad command: %s\n", line.c_str());
        sim->errors += 1;
    }
    sim->dirty = 1;
}

void read_control(Sim *sim)
{
    char bytes[512];
    ssize_t n = read(sim->control, bytes, sizeof bytes);
    for (ssize_t i = 0; i < n; ++i) {
        if (bytes[i] == '\n') {
            run_command(sim, sim->control_line);
            sim->control_line.clear();
        } else if (bytes[i] != '\r' && sim->control_line.size() < 1000) {
            sim->control_line += bytes[i];
        }
    }
}

// ---------------------------------------------------------------------------
// Status

void write_status(Sim *sim, int32_t running)
{
    sim->dirty = 0;
    if (sim->options.status == 0) {
        return;
    }
    std::string temporary = std::string(sim->options.status) + ".new";
    FILE *file = fopen(temporary.c_str(), "w");
    if (file == 0) {
        return;
    }
    fprintf(file,
            "running %d\npid %d\nkind %s\npresent %d\npty %s\nsilent %d\n"
            "identify_requests %lld\nreset_requests %lld\nclock_resets %lld\nkeepalives %lld\n"
            "stray_bytes %lld\nreceived_bytes %lld\npassings_sent %lld\npassings_dropped %lld\n"
            "scenario_next %zu\nerrors %lld\nreceived ",
            running, static_cast<int>(getpid()), kind_name(sim->options.kind), sim->master >= 0,
            sim->pty_name.empty() ? "-" : sim->pty_name.c_str(), sim->silent,
            static_cast<long long>(sim->identify_requests),
            static_cast<long long>(sim->reset_requests), static_cast<long long>(sim->clock_resets),
            static_cast<long long>(sim->keepalives), static_cast<long long>(sim->scanner.stray),
            static_cast<long long>(sim->received_bytes), static_cast<long long>(sim->passings_sent),
            static_cast<long long>(sim->passings_dropped), sim->scenario_next,
            static_cast<long long>(sim->errors));
    for (unsigned char byte : sim->received) {
        fprintf(file, "%02X", byte);
    }
    fprintf(file, "\n");
    fclose(file);
    rename(temporary.c_str(), sim->options.status);
}

// ---------------------------------------------------------------------------
// Start-up

int32_t parse_options(int argc, char **argv, Options *options)
{
    for (int i = 1; i < argc; ++i) {
        const char *name = argv[i];
        if (strcmp(name, "--wait-reset") == 0) {
            options->wait_reset = 1;
            continue;
        }
        if (strcmp(name, "--detach") == 0) {
            options->detach = 1;
            continue;
        }
        if (i + 1 >= argc) {
            return 0;
        }
        const char *value = argv[++i];
        char *end = 0;
        long number = strtol(value, &end, 0);
        const int32_t is_number = *value != '\0' && *end == '\0' && number >= 0 && number <= 65535;
        if (strcmp(name, "--link") == 0) {
            options->link = value;
        } else if (strcmp(name, "--kind") == 0) {
            if (strcmp(value, "vq1") == 0) {
                options->kind = SIM_VQ1;
            } else if (strcmp(value, "vq2usb") == 0) {
                options->kind = SIM_VQ2_USB;
            } else if (strcmp(value, "vq2bt") == 0) {
                options->kind = SIM_VQ2_BLUETOOTH;
            } else {
                return 0;
            }
        } else if (strcmp(name, "--serial") == 0 && is_number) {
            options->serial_number = static_cast<int32_t>(number);
        } else if (strcmp(name, "--identify-kind") == 0 && is_number && number <= 255) {
            options->identify_kind = static_cast<int32_t>(number);
        } else if (strcmp(name, "--refuse-resets") == 0 && is_number) {
            options->refuse_resets = static_cast<int32_t>(number);
        } else if (strcmp(name, "--scenario") == 0) {
            options->scenario = value;
        } else if (strcmp(name, "--speed") == 0 && atof(value) > 0) {
            options->speed = atof(value);
        } else if (strcmp(name, "--baud") == 0 && *end == '\0' && number >= 0 && number <= 10000000) {
            options->baud = static_cast<int32_t>(number);
        } else if (strcmp(name, "--split") == 0 && is_number) {
            options->split = static_cast<int32_t>(number);
        } else if (strcmp(name, "--split-gap") == 0 && is_number) {
            options->split_gap_ms = static_cast<int32_t>(number);
        } else if (strcmp(name, "--control") == 0) {
            options->control = value;
        } else if (strcmp(name, "--status") == 0) {
            options->status = value;
        } else if (strcmp(name, "--lifetime") == 0 && atof(value) > 0) {
            options->lifetime = atof(value);
        } else if (strcmp(name, "--log") == 0) {
            options->log = value;
        } else {
            return 0;
        }
    }
    return options->link != 0;
}

int32_t load_scenario(const char *path, std::vector<Passing> *scenario)
{
    FILE *file = fopen(path, "r");
    if (file == 0) {
        perror(path);
        return 0;
    }
    char line[256];
    int32_t number = 0;
    int32_t ok = 1;
    while (ok && fgets(line, sizeof line, file) != 0) {
        number += 1;
        Passing passing;
        int32_t result = parse_scenario_line(line, &passing.transponder, &passing.ms);
        if (result < 0) {
            fprintf(stderr, "%s:%d: expected 'transponder H:MM:SS.mmm'\n", path, number);
            ok = 0;
        } else if (result == 1) {
            scenario->push_back(passing);
        }
    }
    fclose(file);
    return ok;
}

// Started from a Wine test, the simulator inherits the test's files (among
// them the pipes its runner waits on): let go of them all.
void detach(const char *log)
{
    for (int fd = 3; fd < 1024; ++fd) {
        close(fd);
    }
    setsid();
    int null_fd = open("/dev/null", O_RDWR);
    int out = log ? open(log, O_WRONLY | O_CREAT | O_APPEND, 0644) : null_fd;
    dup2(null_fd, 0);
    dup2(out < 0 ? null_fd : out, 1);
    dup2(out < 0 ? null_fd : out, 2);
}

int32_t open_control(Sim *sim)
{
    // A FIFO of its own, even where one is left from an earlier simulator:
    // two readers would share the commands.
    const char *path = sim->options.control;
    unlink(path);
    if (mkfifo(path, 0600) != 0) {
        perror(path);
        return 0;
    }
    // Read and write: the FIFO never reads as ended between two writers.
    sim->control = open(path, O_RDWR | O_NONBLOCK);
    if (sim->control < 0) {
        perror(path);
        return 0;
    }
    return 1;
}

void close_control(Sim *sim)
{
    struct stat named;
    struct stat held;
    if (stat(sim->options.control, &named) == 0 && fstat(sim->control, &held) == 0 &&
        named.st_ino == held.st_ino && named.st_dev == held.st_dev) {
        unlink(sim->options.control);
    }
    close(sim->control);
    sim->control = -1;
}

int64_t next_wake_us(const Sim *sim, int64_t end_us)
{
    int64_t wake = now_us() + 1000000;
    if (sim->playing && scenario_due_us(sim) < wake) {
        wake = scenario_due_us(sim);
    }
    if (!sim->output.empty() && sim->next_write_us < wake) {
        wake = sim->next_write_us;
    }
    if (end_us > 0 && end_us < wake) {
        wake = end_us;
    }
    return wake;
}

void run(Sim *sim)
{
    const int64_t end_us =
        sim->options.lifetime > 0 ? now_us() + static_cast<int64_t>(sim->options.lifetime * 1e6) : 0;
    while (!sim->quit && !g_stop && (end_us == 0 || now_us() < end_us)) {
        play_scenario(sim);
        write_output(sim);
        if (sim->dirty) {
            write_status(sim, 1);
        }
        struct pollfd fds[2];
        int count = 0;
        if (sim->control >= 0) {
            fds[count++] = {sim->control, POLLIN, 0};
        }
        int line_index = -1;
        if (sim->master >= 0) {
            line_index = count;
            short events = POLLIN;
            if (!sim->output.empty() && now_us() >= sim->next_write_us) {
                events |= POLLOUT;
            }
            fds[count++] = {sim->master, events, 0};
        }
        int64_t wait_us = next_wake_us(sim, end_us) - now_us();
        if (wait_us < 0) {
            wait_us = 0;
        }
        const struct timespec timeout = {static_cast<time_t>(wait_us / 1000000),
                                         static_cast<long>(wait_us % 1000000 * 1000)};
        if (ppoll(fds, count, &timeout, 0) <= 0) {
            continue;
        }
        if (sim->control >= 0 && (fds[0].revents & POLLIN)) {
            read_control(sim);
        }
        if (line_index >= 0 && sim->master >= 0 && (fds[line_index].revents & POLLIN)) {
            read_line(sim);
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    static Sim sim;
    if (!parse_options(argc, argv, &sim.options)) {
        fputs(k_usage, stderr);
        return 2;
    }
    if (sim.options.detach) {
        detach(sim.options.log);
    }
    signal(SIGPIPE, SIG_IGN);
    // An unplugging hangs up the line, which may be our controlling terminal.
    signal(SIGHUP, SIG_IGN);
    signal(SIGTERM, on_signal);
    signal(SIGINT, on_signal);
    if (sim.options.scenario && !load_scenario(sim.options.scenario, &sim.scenario)) {
        return 2;
    }
    if ((sim.options.control && !open_control(&sim)) || !plug_in(&sim)) {
        return 1;
    }
    sim.clock_origin_us = now_us();
    sim.refusals_left = sim.options.refuse_resets;
    if (!sim.options.wait_reset) {
        start_scenario(&sim);
    }
    run(&sim);
    unplug(&sim);
    if (sim.control >= 0) {
        close_control(&sim);
    }
    write_status(&sim, 0);
    return 0;
}
