// The display settings file and the user's display files.
#include <gtest/gtest.h>
#include <memory>
#include <string.h>
#include <string>
#include <vector>

#include "race_model.h"
#include "temp_dir.h"

namespace {

const char SETTINGS_FILE[] = "Private/R\xE9glagesAffichage.rgsc";

struct Display {
    std::unique_ptr<DisplaySettings> settings{new DisplaySettings()};
    std::unique_ptr<CustomColours> custom{new CustomColours()};

    int32_t read(const char *path) { return read_display_settings(path, settings.get(), custom.get()); }
    int32_t write(const char *path) const
    {
        return write_display_settings(path, settings.get(), custom.get());
    }
    bool same_as(const Display &other) const
    {
        return memcmp(settings.get(), other.settings.get(), sizeof(DisplaySettings)) == 0 &&
               memcmp(custom.get(), other.custom.get(), sizeof(CustomColours)) == 0;
    }
};

// Every value told apart from every other: D[k] = 1000 + k but the column
// widths, which stay within 0 to 999 (D[k] = 100 + k), custom colour
// c = 5000 + c; then the cases worth a look.
Display sample()
{
    Display d;
    int32_t *values = reinterpret_cast<int32_t *>(d.settings.get());
    for (int k = 0; k < 191; ++k) {
        values[k] = 1000 + k;
    }
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        d.settings->column_widths[c] = 101 + c;
    }
    for (int s = 0; s < FONT_SLOTS; ++s) {
        memset(d.settings->fonts[s].face, 0, sizeof d.settings->fonts[s].face);
        strcpy(d.settings->fonts[s].face, "Arial");
    }
    strcpy(d.settings->fonts[1].face, "Arial Black");
    memset(d.settings->fonts[4].face, 'W', 31);  // the longest face name
    memset(d.settings->fonts[2].face, 0, sizeof d.settings->fonts[2].face);
    d.settings->fonts[3].height = -16;
    d.settings->colours[0] = 16777215;
    d.settings->colours[1] = 0;
    for (int c = 0; c < CUSTOM_COLOURS; ++c) {
        d.custom->colours[c] = 5000 + c;
    }
    return d;
}

std::vector<std::string> numbers(int first, int count)
{
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(std::to_string(first + i));
    }
    return values;
}

// The sample's file, line by line.
std::string sample_file()
{
    std::vector<std::string> faces(FONT_SLOTS, "Arial");
    faces[1] = "Arial Black";
    faces[2] = "";
    faces[4] = std::string(31, 'W');
    std::string text = tabbed_line({"1000"}) + tabbed_line(faces);
    for (int field = 0; field < 5; ++field) {
        std::vector<std::string> line;
        for (int s = 0; s < FONT_SLOTS; ++s) {
            // Height, weight, italic, underline, strikeout: D[18 + 13s] on.
            line.push_back(std::to_string(1000 + 18 + 13 * s + field));
        }
        if (field == 0) {
            line[3] = "-16";
        }
        text += tabbed_line(line);
    }
    text += tabbed_line(numbers(1166, 12));
    std::vector<std::string> colours = numbers(1178, 13);
    colours[0] = "16777215";
    colours[1] = "0";
    text += tabbed_line(colours);
    text += tabbed_line(numbers(101, 9));
    text += tabbed_line(numbers(5000, 16));
    return text;
}

}  // namespace

// Blanks in names, empty names, signs and colours come back as they were.
TEST(DisplaySettingsFile, WritesElevenTabbedLinesAndReadsThemBack)
{
    TempDir dir;
    std::filesystem::create_directory("Private");
    Display d = sample();
    EXPECT_EQ(1, d.write(SETTINGS_FILE));
    EXPECT_EQ(sample_file(), read_file(SETTINGS_FILE));
    Display back;
    EXPECT_EQ(1, back.read(SETTINGS_FILE));
    EXPECT_TRUE(back.same_as(d));
    std::filesystem::current_path("Private");
    EXPECT_TRUE(directory_holds(disk_name("R\xE9glagesAffichage.rgsc",
                                          L"R\u00E9glagesAffichage.rgsc")));
}

TEST(DisplaySettingsFile, NumbersMayBeSpreadAnyWayAfterTheFaceNames)
{
    TempDir dir;
    std::string text = sample_file();
    size_t numbers_start = text.find("\r\n", text.find("\r\n") + 2) + 2;
    std::string head = text.substr(0, numbers_start);
    std::string tail = text.substr(numbers_start);
    for (char &c : tail) {
        if (c == '\t') {
            c = ' ';
        }
    }
    for (size_t at; (at = tail.find("\r\n")) != std::string::npos;) {
        tail.replace(at, 2, "  \n\n ");
    }
    write_file("spread.scrn", head + tail);
    Display back;
    EXPECT_EQ(1, back.read("spread.scrn"));
    EXPECT_TRUE(back.same_as(sample()));
}

TEST(DisplaySettingsFile, AFileCutAnywhereKeepsEveryValueNotRead)
{
    TempDir dir;
    const std::string full = sample_file();
    const Display expected = sample();
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        write_file("cut.scrn", full.substr(0, cut));
        Display d;
        memset(d.settings.get(), 0x55, sizeof(DisplaySettings));
        memset(d.custom.get(), 0x55, sizeof(CustomColours));
        for (FontSlot &font : d.settings->fonts) {
            memset(font.face, 0, sizeof font.face);
        }
        for (int32_t &width : d.settings->column_widths) {
            width = 555;  // within the widths' range, which the reader holds them to
        }
        ASSERT_EQ(1, d.read("cut.scrn"));
        // Each number is the file's, a cut one its first digits, or untouched.
        const int32_t *got = reinterpret_cast<const int32_t *>(d.settings.get());
        const int32_t *want = reinterpret_cast<const int32_t *>(expected.settings.get());
        for (int k = 0; k < 191; ++k) {
            if (k >= 10 && k < 166 && (k - 10) % 13 < 8) {
                continue;
            }
            std::string value = std::to_string(want[k]);
            std::string read = std::to_string(got[k]);
            const int32_t untouched = k >= 1 && k <= BOARD_COLUMNS ? 555 : 0x55555555;
            EXPECT_TRUE(got[k] == untouched || value.rfind(read, 0) == 0)
                << "cut " << cut << " D[" << k << "] " << got[k];
        }
        for (int s = 0; s < FONT_SLOTS; ++s) {
            std::string face = d.settings->fonts[s].face;
            EXPECT_EQ(0u, std::string(expected.settings->fonts[s].face).rfind(face, 0));
        }
    }
}

TEST(DisplaySettingsFile, OverLongFaceNamesAreCutAndShortLinesDoNotShiftNumbers)
{
    TempDir dir;
    write_file("long.scrn", "1\t\r\n" + std::string(100000, 'F') + "\tTimes\r\n-12 -13 700\r\n");
    Display d;
    EXPECT_EQ(1, d.read("long.scrn"));
    EXPECT_EQ(1, d.settings->board_style);
    EXPECT_EQ(std::string(31, 'F'), d.settings->fonts[0].face);
    EXPECT_STREQ("Times", d.settings->fonts[1].face);
    EXPECT_STREQ("", d.settings->fonts[2].face);
    EXPECT_EQ(-12, d.settings->fonts[0].height);
    EXPECT_EQ(-13, d.settings->fonts[1].height);
    EXPECT_EQ(700, d.settings->fonts[2].height);
    EXPECT_EQ(0, d.settings->fonts[3].height);
}
