// A simulated decoder for the Wine tests: the native decoder-sim, started
// from inside Wine behind one of the prefix's COM ports, commanded through
// its control FIFO and watched through its status file.
//
// Every test takes a port of its own, so the tests can run side by side:
// COM10 to COM23 are the serial port tests', COM24 the start-up test's and
// COM25 to COM32 the race tests' (claimed one at a time through a lock file).
#ifndef SIMULATED_DECODER_H
#define SIMULATED_DECODER_H

#include <string>

class SimulatedDecoder {
public:
    // port: "COM10"...; options: decoder-sim options ("--kind vq1 --serial 5").
    SimulatedDecoder(const char *port, const std::string &options);
    ~SimulatedDecoder();
    SimulatedDecoder(const SimulatedDecoder &) = delete;
    SimulatedDecoder &operator=(const SimulatedDecoder &) = delete;

    // Empty when the simulator runs, else what went wrong.
    const std::string &failure() const { return failure_; }
    void command(const std::string &line);
    std::string value(const char *key) const;
    long long count(const char *key) const;
    bool wait_for(const char *key, long long at_least, int timeout_ms) const;

private:
    std::string link_;
    std::string files_;
    std::string failure_;
};

// The performance counter in ms: the tests' deadlines.
double now_ms(void);
// The Unix path that the prefix maps the port to, or "" when it maps none.
std::string mapped_port_path(const char *port);
// Writes a scenario for the port's next simulator (--scenario PATH) and
// returns its Unix path ("" on failure); the simulator's end removes it.
std::string write_scenario_file(const char *port, const std::string &text);

#endif
