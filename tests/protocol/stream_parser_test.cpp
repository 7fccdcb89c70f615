#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder_protocol.h"
#include "test_clock.h"

namespace {

struct Taken {
    std::string transponder;
    int32_t passing_ms;
    int64_t counter;
};

std::vector<Taken> g_taken;

void take(const DecoderPassing *passing)
{
    g_taken.push_back({passing->transponder, passing->passing_ms, passing->counter});
}

const PassingHandover k_race = {take, 1};
const PassingHandover k_scan = {take, 0};

using Bytes = std::vector<unsigned char>;

Bytes vq2_frame(int th, int tl, int hh, int mm, int ss, int counter)
{
    return {0xFF, 0xFF, 0xFF, 0xF0, static_cast<unsigned char>(th), static_cast<unsigned char>(tl),
            static_cast<unsigned char>(hh), static_cast<unsigned char>(mm),
            static_cast<unsigned char>(ss), static_cast<unsigned char>(counter >> 8),
            static_cast<unsigned char>(counter & 0xFF)};
}

Bytes joined(Bytes first, const Bytes &second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class StreamParser : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_taken.clear();
        g_stream_count = 0;
        g_stream_ready = 0;
    }
    void feed(const Bytes &bytes, const char *kind = DECODER_KIND_VQ2_USB,
              const PassingHandover *handover = &k_race)
    {
        parse_stream_bytes(bytes.data(), static_cast<int32_t>(bytes.size()), kind, handover);
    }
};

TEST_F(StreamParser, FrameSplitFourThenSevenYieldsOnePassingAtTheSecondRead)
{
    Bytes frame = vq2_frame(0x12, 0x34, 1, 2, 3, VQ2_SUBSECOND_ORIGIN);
    feed({frame.begin(), frame.begin() + 4});
    EXPECT_TRUE(g_taken.empty());
    EXPECT_EQ(4, g_stream_count);
    feed({frame.begin() + 4, frame.end()});
    ASSERT_EQ(1u, g_taken.size());
    EXPECT_EQ("004660", g_taken[0].transponder);
    EXPECT_EQ(3723000, g_taken[0].passing_ms);
    EXPECT_EQ(0, g_stream_count);
    EXPECT_EQ(0, g_stream_ready);
}

TEST_F(StreamParser, EverySplitOfTwoFramesGivesTheSamePassings)
{
    const Bytes bytes =
        joined(vq2_frame(0, 7, 0, 0, 1, 65535), vq2_frame(0xFF, 0xFF, 2, 59, 59, 20000));
    for (size_t cut1 = 0; cut1 <= bytes.size(); ++cut1) {
        for (size_t cut2 = cut1; cut2 <= bytes.size(); ++cut2) {
            SetUp();
            feed({bytes.begin(), bytes.begin() + cut1});
            feed({bytes.begin() + cut1, bytes.begin() + cut2});
            feed({bytes.begin() + cut2, bytes.end()});
            ASSERT_EQ(2u, g_taken.size()) << cut1 << " " << cut2;
            EXPECT_EQ("000007", g_taken[0].transponder);
            EXPECT_EQ(1999, g_taken[0].passing_ms);
            EXPECT_EQ("065535", g_taken[1].transponder);
            EXPECT_EQ(10799028, g_taken[1].passing_ms);  // 2:59:59 and 1339 counter steps
        }
    }
}

TEST_F(StreamParser, OneFrameGivesItsTransponderAndDecoderTime)
{
    const struct {
        const char *what;
        Bytes bytes;
        const char *kind;
        const char *transponder;
        int32_t passing_ms;
    } cases[] = {
        {"garbage before the header", joined({0x00, 0x13, 0x00, 0xFF, 0x00, 0xFF, 0xFF},
                                              vq2_frame(0, 42, 0, 0, 5, VQ2_SUBSECOND_ORIGIN)),
         DECODER_KIND_VQ2_USB, "000042", 5000},
        {"four FF then F0", {0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0, 1, 0, 0, 0, 0x48, 0xE5},
         DECODER_KIND_VQ2_USB, "000001", 0},
        {"largest time", vq2_frame(0, 1, 255, 255, 255, 65535), DECODER_KIND_VQ2_USB, "000001",
         933555999},
        {"counter below its origin", vq2_frame(0, 0, 0, 0, 0, 0), DECODER_KIND_VQ2_USB, "000000",
         -398},
        {"Bluetooth", vq2_frame(0, 9, 0, 1, 0, VQ2_SUBSECOND_ORIGIN), DECODER_KIND_VQ2_BLUETOOTH,
         "000009", 60000},
    };
    for (const auto &c : cases) {
        SetUp();
        feed(c.bytes, c.kind);
        ASSERT_EQ(1u, g_taken.size()) << c.what;
        EXPECT_EQ(c.transponder, g_taken[0].transponder) << c.what;
        EXPECT_EQ(c.passing_ms, g_taken[0].passing_ms) << c.what;
    }
}

TEST_F(StreamParser, SubSecondCounterConversion)
{
    EXPECT_EQ(0, subsecond_ms(18661));
    EXPECT_EQ(1, subsecond_ms(18708));  // 47 steps past the second
    EXPECT_EQ(999, subsecond_ms(65535));
    EXPECT_EQ(-398, subsecond_ms(0x0000));
    for (int32_t counter = VQ2_SUBSECOND_ORIGIN; counter <= 65535; ++counter) {
        int32_t ms = subsecond_ms(counter);
        ASSERT_GE(ms, 0);
        ASSERT_LE(ms, 999);
    }
}

TEST_F(StreamParser, Vq1PairsStayAsCountedAndTheRaceReadsTheCounterAtTheSecondByte)
{
    TestClock clock(0, 1000);
    clock.advance(5);
    feed({0x00}, DECODER_KIND_VQ1);
    clock.advance(7);
    // A stray byte in front shifts every later pair: the stream has no header.
    feed({0x07, 0x01, 0x02, 0x03}, DECODER_KIND_VQ1);
    ASSERT_EQ(2u, g_taken.size());
    EXPECT_EQ("000007", g_taken[0].transponder);
    EXPECT_EQ(12, g_taken[0].counter);
    EXPECT_EQ(0, g_taken[0].passing_ms);
    EXPECT_EQ("000258", g_taken[1].transponder);
    EXPECT_EQ(1, g_stream_count);
    clock.advance(3);
    feed({0x04}, DECODER_KIND_VQ1);
    ASSERT_EQ(3u, g_taken.size());
    EXPECT_EQ("000772", g_taken[2].transponder);
    EXPECT_EQ(15, g_taken[2].counter);
    // The scan branch gets the text without a counter reading.
    feed({0xFF, 0xFF}, DECODER_KIND_VQ1, &k_scan);
    ASSERT_EQ(4u, g_taken.size());
    EXPECT_EQ("065535", g_taken[3].transponder);
    EXPECT_EQ(0, g_taken[3].counter);
}

TEST_F(StreamParser, UnknownDecoderKindIgnoresEveryByte)
{
    Bytes frame = vq2_frame(0, 7, 0, 0, 0, VQ2_SUBSECOND_ORIGIN);
    g_stream_count = 2;
    for (const char *kind : {"", "ZelquanodrimVQ2Blue", "zelquanodrim", "ZelquanodrimVQ2 ",
                             "ZelquanodrimVQ1", static_cast<const char *>(0)}) {
        feed(frame, kind);
        feed({0x00, 0x07}, kind);
    }
    EXPECT_TRUE(g_taken.empty());
    EXPECT_EQ(2, g_stream_count);
}

TEST_F(StreamParser, KindChangeUnderAHalfFrameStartsAfresh)
{
    Bytes frame = vq2_frame(0, 7, 0, 0, 0, VQ2_SUBSECOND_ORIGIN);
    feed({frame.begin(), frame.begin() + 9});
    EXPECT_EQ(9, g_stream_count);
    feed({0x00, 0x05, 0x00, 0x06}, DECODER_KIND_VQ1);
    ASSERT_EQ(2u, g_taken.size());
    EXPECT_EQ("000005", g_taken[0].transponder);
    EXPECT_EQ("000006", g_taken[1].transponder);
}

TEST_F(StreamParser, PassingsWithoutATakerAreDroppedAndTheParserEmptied)
{
    feed(vq2_frame(0, 7, 0, 0, 0, VQ2_SUBSECOND_ORIGIN), DECODER_KIND_VQ2_USB, 0);
    EXPECT_EQ(0, g_stream_count);
    const PassingHandover none = {0, 1};
    feed({0x00, 0x07}, DECODER_KIND_VQ1, &none);
    EXPECT_EQ(0, g_stream_count);
    EXPECT_TRUE(g_taken.empty());
}

// A branch that empties the parser itself, as the race does, must not lose
// the passings that follow in the same read.
void take_and_empty(const DecoderPassing *passing)
{
    g_stream_count = 0;
    g_stream_ready = 0;
    take(passing);
}

TEST_F(StreamParser, BranchEmptyingTheParserKeepsTheRestOfTheRead)
{
    const PassingHandover race = {take_and_empty, 1};
    const Bytes bytes = joined(vq2_frame(0, 1, 0, 0, 1, VQ2_SUBSECOND_ORIGIN),
                               joined(vq2_frame(0, 2, 0, 0, 2, VQ2_SUBSECOND_ORIGIN), {0xFF}));
    feed(bytes, DECODER_KIND_VQ2_USB, &race);
    ASSERT_EQ(2u, g_taken.size());
    EXPECT_EQ("000002", g_taken[1].transponder);
    EXPECT_EQ(1, g_stream_count);
}

}  // namespace
