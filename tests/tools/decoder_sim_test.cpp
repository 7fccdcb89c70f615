// The simulator run as a process, talked to over its pty as the program would.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "decoder_protocol.h"

namespace {

typedef std::vector<unsigned char> Bytes;

int64_t now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args)
    {
        char dir[] = "/tmp/decoder-sim-test-XXXXXX";
        dir_ = mkdtemp(dir);
        std::vector<std::string> all = {DECODER_SIM_PATH, "--link", link(), "--control", dir_ + "/ctl",
                                        "--status", dir_ + "/status", "--lifetime", "60"};
        all.insert(all.end(), args.begin(), args.end());
        pid_ = fork();
        if (pid_ == 0) {
            std::vector<char *> argv;
            for (std::string &arg : all) {
                argv.push_back(&arg[0]);
            }
            argv.push_back(0);
            execv(argv[0], argv.data());
            _exit(127);
        }
        // Up when its status says so; a simulator that refuses its options ends at once.
        int64_t end = now_ms() + 3000;
        while (!started_ && now_ms() < end && waitpid(pid_, &exit_status_, WNOHANG) == 0) {
            started_ = count("running") == 1;
            usleep(2000);
        }
        if (!started_ && (WIFEXITED(exit_status_) || WIFSIGNALED(exit_status_))) {
            pid_ = -1;
        }
    }
    ~SimProcess()
    {
        if (pid_ > 0) {
            command("quit");
            int64_t end = now_ms() + 3000;
            int status = 0;
            while (waitpid(pid_, &status, WNOHANG) == 0) {
                if (now_ms() > end) {
                    kill(pid_, SIGKILL);
                    waitpid(pid_, &status, 0);
                    break;
                }
                usleep(5000);
            }
        }
        std::string rm = "rm -rf '" + dir_ + "'";
        EXPECT_EQ(0, system(rm.c_str()));
    }
    bool started() const { return started_; }
    std::string link() const { return dir_ + "/line"; }
    std::string dir() const { return dir_; }
    int exit_code() const { return pid_ < 0 && WIFEXITED(exit_status_) ? WEXITSTATUS(exit_status_) : -1; }
    void command(const std::string &line)
    {
        std::ofstream control(dir_ + "/ctl");
        control << line << "\n";
    }
    std::map<std::string, std::string> status()
    {
        std::map<std::string, std::string> values;
        std::ifstream file(dir_ + "/status");
        std::string key, value;
        while (file >> key) {
            std::getline(file, value);
            values[key] = value.empty() ? "" : value.substr(1);
        }
        return values;
    }
    long long count(const char *key) { return atoll(status()[key].c_str()); }
    bool wait_for(const char *key, long long at_least, int timeout_ms)
    {
        int64_t end = now_ms() + timeout_ms;
        while (now_ms() < end) {
            if (count(key) >= at_least) {
                return true;
            }
            usleep(2000);
        }
        return false;
    }

private:
    std::string dir_;
    pid_t pid_ = -1;
    int exit_status_ = 0;
    bool started_ = false;
};

// The program's side of the line, raw as the program's port settings make it.
class Line {
public:
    explicit Line(const std::string &path)
    {
        fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0) {
            struct termios t;
            tcgetattr(fd_, &t);
            cfmakeraw(&t);
            tcsetattr(fd_, TCSANOW, &t);
        }
    }
    ~Line()
    {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    bool is_open() const { return fd_ >= 0; }
    ssize_t send(const Bytes &bytes) { return write(fd_, bytes.data(), bytes.size()); }
    // Everything that arrives within the time, or until `enough` bytes came.
    Bytes receive(int timeout_ms, size_t enough = 1u << 20)
    {
        Bytes got;
        int64_t end = now_ms() + timeout_ms;
        while (got.size() < enough) {
            int64_t left = end - now_ms();
            struct pollfd p = {fd_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) {
                break;
            }
            unsigned char buffer[256];
            ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    int fd_ = -1;
};

const Bytes k_identify(identify_request, identify_request + REQUEST_LENGTH);
const Bytes k_reset(reset_clock_request, reset_clock_request + REQUEST_LENGTH);
const Bytes k_keepalive(keepalive_request, keepalive_request + REQUEST_LENGTH);

std::vector<DecoderPassing> g_passings;

void take(const DecoderPassing *passing)
{
    g_passings.push_back(*passing);
}

std::vector<DecoderPassing> parse_passings(const Bytes &bytes, const char *kind)
{
    const PassingHandover keep = {take, 0};
    g_passings.clear();
    g_stream_count = 0;
    parse_stream_bytes(bytes.data(), static_cast<int32_t>(bytes.size()), kind, &keep);
    return g_passings;
}

TEST(DecoderSim, IdentifyAnswersAsItsKind)
{
    SimProcess usb({"--kind", "vq2usb", "--serial", "258"});
    SimProcess bluetooth({"--kind", "vq2bt", "--serial", "42"});
    SimProcess vq1({"--kind", "vq1", "--serial", "42"});
    ASSERT_TRUE(usb.started() && bluetooth.started() && vq1.started());
    Line usb_line(usb.link()), bluetooth_line(bluetooth.link()), vq1_line(vq1.link());
    usb_line.send(k_identify);
    bluetooth_line.send(k_identify);
    vq1_line.send(k_identify);
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x01, 0x02}), usb_line.receive(1000, 7));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0x01, 0x12, 0x00, 0x2A}), bluetooth_line.receive(1000, 7));
    // An answer would come before a passing commanded once the request is counted.
    ASSERT_TRUE(vq1.wait_for("identify_requests", 1, 1000));
    vq1.command("pass 258");
    EXPECT_EQ(Bytes({0x01, 0x02}), vq1_line.receive(1000, 2));
}

TEST(DecoderSim, ResetClockRefusedAsAskedThenAccepted)
{
    SimProcess sim({"--refuse-resets", "2", "--baud", "0"});
    ASSERT_TRUE(sim.started());
    Line line(sim.link());
    g_reset_answer_count = 0;
    std::vector<int32_t> outcomes;
    for (int i = 0; i < 3; ++i) {
        line.send(k_reset);
        Bytes answer = line.receive(1000, 7);
        outcomes.push_back(parse_reset_answer_bytes(answer.data(), static_cast<int32_t>(answer.size())));
    }
    EXPECT_EQ(std::vector<int32_t>({RESET_ANSWER_REFUSED, RESET_ANSWER_REFUSED, RESET_ANSWER_ACCEPTED}),
              outcomes);
    EXPECT_TRUE(sim.wait_for("reset_requests", 3, 1000));
    EXPECT_EQ(1, sim.count("clock_resets"));
}

TEST(DecoderSim, KeepalivesCountedAndEveryByteKept)
{
    SimProcess sim({});
    ASSERT_TRUE(sim.started());
    Line line(sim.link());
    Bytes sent = {0x42};
    for (int i = 0; i < 3; ++i) {
        sent.insert(sent.end(), k_keepalive.begin(), k_keepalive.end());
    }
    line.send(sent);
    ASSERT_TRUE(sim.wait_for("keepalives", 3, 1000));
    sim.command("pass 7 0:01");
    EXPECT_EQ(0xF0, line.receive(1000, 11).at(3));  // no answer before it
    EXPECT_EQ("42FFFFFFE004FFFFFFE004FFFFFFE004", sim.status()["received"]);
    EXPECT_EQ(1, sim.count("stray_bytes"));
}

TEST(DecoderSim, ScenarioPacedAtItsSpeedWithDecoderTimes)
{
    char path[] = "/tmp/decoder-sim-scenario-XXXXXX";
    int fd = mkstemp(path);
    std::string scenario = "# three cars\n7 0:00.200\n65535 0:00.400\n\n12 1:00:00.600\n";
    ASSERT_EQ(static_cast<ssize_t>(scenario.size()), write(fd, scenario.data(), scenario.size()));
    close(fd);
    SimProcess sim({"--scenario", path, "--speed", "1000", "--wait-reset"});
    ASSERT_TRUE(sim.started());
    Line line(sim.link());
    // Nothing before the reset: its answer comes first.
    line.send(k_reset);
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0x02, 0, 0, 0}), line.receive(1000, 7));
    // A thousand times faster: the last line, an hour later in decoder time,
    // comes 3.6 s after the reset.
    Bytes passed = line.receive(30000, 33);
    std::vector<DecoderPassing> passings = parse_passings(passed, DECODER_KIND_VQ2_USB);
    ASSERT_EQ(3u, passings.size());
    EXPECT_STREQ("000007", passings[0].transponder);
    EXPECT_EQ(200, passings[0].passing_ms);
    EXPECT_STREQ("065535", passings[1].transponder);
    EXPECT_EQ(400, passings[1].passing_ms);
    EXPECT_EQ(3600600, passings[2].passing_ms);
    EXPECT_TRUE(sim.wait_for("passings_sent", 3, 1000));
    unlink(path);
}

TEST(DecoderSim, BadScenarioRefusedWithItsLine)
{
    char path[] = "/tmp/decoder-sim-scenario-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_EQ(15, write(fd, "7 0:01\n8 soon\n", 15));
    close(fd);
    SimProcess sim({"--scenario", path});
    EXPECT_FALSE(sim.started());
    EXPECT_EQ(2, sim.exit_code());
    unlink(path);
}

TEST(DecoderSim, CommandedPassingsRawBytesAndSplitFrames)
{
    SimProcess sim({"--kind", "vq2bt", "--baud", "0"});
    ASSERT_TRUE(sim.started());
    Line line(sim.link());
    sim.command("raw 00FF 13");
    EXPECT_EQ(Bytes({0x00, 0xFF, 0x13}), line.receive(1000, 3));
    sim.command("split 4 150");
    sim.command("pass 7 1:02:03.456");
    Bytes frame = line.receive(2000, 11);
    ASSERT_EQ(11u, frame.size());
    std::vector<DecoderPassing> passings = parse_passings(frame, DECODER_KIND_VQ2_BLUETOOTH);
    ASSERT_EQ(1u, passings.size());
    EXPECT_STREQ("000007", passings[0].transponder);
    EXPECT_EQ(3723456, passings[0].passing_ms);
    sim.command("bogus");
    EXPECT_TRUE(sim.wait_for("errors", 1, 1000));
}

TEST(DecoderSim, SilentDecoderNeitherAnswersNorSends)
{
    SimProcess sim({});
    ASSERT_TRUE(sim.started());
    Line line(sim.link());
    sim.command("silent");
    ASSERT_TRUE(sim.wait_for("silent", 1, 1000));
    sim.command("pass 7");
    line.send(k_identify);
    ASSERT_TRUE(sim.wait_for("identify_requests", 1, 1000));
    EXPECT_EQ(1, sim.count("passings_dropped"));
    sim.command("talk");
    sim.command("pass 9 0:01");
    EXPECT_EQ(0x09, line.receive(1000, 11).at(5));  // nothing of the silence before it
    line.send(k_identify);
    EXPECT_EQ(7u, line.receive(1000, 7).size());
}

TEST(DecoderSim, UnpluggedDecoderGoesWithItsNameAndComesBack)
{
    SimProcess sim({"--serial", "9"});
    ASSERT_TRUE(sim.started());
    {
        Line line(sim.link());
        ASSERT_TRUE(line.is_open());
        sim.command("vanish");
        int64_t end = now_ms() + 1000;
        while (sim.count("present") != 0 && now_ms() < end) {
            usleep(2000);
        }
        EXPECT_EQ(0, sim.count("present"));
        EXPECT_LT(line.send(k_identify), 0);
        EXPECT_FALSE(Line(sim.link()).is_open());
    }
    sim.command("return");
    ASSERT_TRUE(sim.wait_for("present", 1, 1000));
    Line line(sim.link());
    ASSERT_TRUE(line.is_open());
    line.send(k_identify);
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x09}), line.receive(1000, 7));
}

TEST(DecoderSim, OutputPacedAtTheLineRate)
{
    SimProcess sim({"--baud", "9600"});
    ASSERT_TRUE(sim.started());
    Line line(sim.link());
    int64_t start = now_ms();
    std::ostringstream commands;
    for (int i = 0; i < 20; ++i) {
        commands << "pass " << i << " 0:01\n";
    }
    sim.command(commands.str());
    Bytes got = line.receive(3000, 220);
    EXPECT_EQ(20u, parse_passings(got, DECODER_KIND_VQ2_USB).size());
    // 19 frames of 11 bytes wait their turn at 960 bytes a second: about 218 ms.
    printf("20 passings at 9600 baud in %lld ms\n", static_cast<long long>(now_ms() - start));
}

}  // namespace
