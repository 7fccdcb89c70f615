// The pilot database files and the name sort.
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string.h>
#include <string>
#include <vector>

#include "race_model.h"
#include "temp_dir.h"

namespace {

const char NAMES_FILE[] = "BaseDonn\xE9" "esNomPilotes.bd";
const char TRANSPONDERS_FILE[] = "BaseDonn\xE9" "esPuce.bd";

// 1000 records at their exact size on the heap, so that the sanitizers see
// a write past the last one.
struct Database {
    std::unique_ptr<PilotRecord[]> records{new PilotRecord[MAX_PILOTS]()};

    PilotRecord &operator[](int i) { return records[i]; }
    void set(int i, const char *name, const char *transponder)
    {
        memset(&records[i], 0, sizeof records[i]);
        strcpy(records[i].name, name);
        strcpy(records[i].transponder, transponder);
    }
    void clear() { memset(records.get(), 0, sizeof(PilotRecord) * MAX_PILOTS); }
    int32_t read_both()
    {
        int32_t names = read_pilot_names(records.get());
        int32_t transponders = read_pilot_transponders(records.get());
        return names && transponders;
    }
};

void expect_pilot(Database &db, int i, const char *name, const char *transponder)
{
    EXPECT_STREQ(name, db[i].name) << i;
    EXPECT_STREQ(transponder, db[i].transponder) << i;
}

std::vector<std::string> g_reports;

void record_report(const char *text)
{
    g_reports.push_back(text);
}

// Records the reports of one test and removes the seam afterwards.
class ReportRecorder {
public:
    ReportRecorder()
    {
        g_reports.clear();
        set_file_error_report(record_report);
    }
    ~ReportRecorder() { set_file_error_report(nullptr); }
};

}  // namespace

TEST(PilotFiles, WritesOneLinePerPilotInBothFiles)
{
    TempDir dir;
    Database db;
    db.set(0, "Alpha", "001234");
    db.set(1, "\xC9mile Durand", "");
    db.set(2, "Zed", "000777");
    db.set(3, "Not counted", "999999");
    EXPECT_EQ(1, write_pilot_database(db.records.get(), 3));
    EXPECT_EQ("Alpha\r\n\xC9mile Durand\r\nZed\r\n", read_file(NAMES_FILE));
    EXPECT_EQ("001234\r\n\r\n000777\r\n", read_file(TRANSPONDERS_FILE));
    EXPECT_TRUE(directory_holds(disk_name(NAMES_FILE, L"BaseDonn\u00E9esNomPilotes.bd")));
    EXPECT_TRUE(directory_holds(disk_name(TRANSPONDERS_FILE, L"BaseDonn\u00E9esPuce.bd")));

    EXPECT_EQ(1, write_pilot_database(db.records.get(), 0));
    EXPECT_EQ("", read_file(NAMES_FILE));
    EXPECT_EQ("", read_file(TRANSPONDERS_FILE));
}

TEST(PilotFiles, RoundTripKeepsEveryPilot)
{
    TempDir dir;
    Database db;
    for (int i = 0; i < MAX_PILOTS; ++i) {
        // Every other name at the 49 characters a name may have.
        std::string name = "Pilot " + std::to_string(i) + std::string(49, 'x');
        name.resize(49 - i % 2);
        std::string transponder = std::to_string(100000 + i);
        db.set(i, name.c_str(), i % 7 == 0 ? "" : transponder.c_str());
    }
    ASSERT_EQ(1, write_pilot_database(db.records.get(), MAX_PILOTS));
    Database back;
    EXPECT_EQ(1, back.read_both());
    EXPECT_EQ(0, memcmp(db.records.get(), back.records.get(), sizeof(PilotRecord) * MAX_PILOTS));
}

TEST(PilotFiles, ReadsLfAndCrLfAlikeAndALastLineWithoutEnd)
{
    TempDir dir;
    write_file(NAMES_FILE, "Alpha\nBra\tvo\x7F\x01\r\n\r\nDelta");
    write_file(TRANSPONDERS_FILE, "000001\r\n000002");
    Database db;
    EXPECT_EQ(1, db.read_both());
    expect_pilot(db, 0, "Alpha", "000001");
    // A TAB would split the name's grid line in two fields.
    expect_pilot(db, 1, "Bravo", "000002");
    // An empty line ends the lists there, but the names after it are read.
    expect_pilot(db, 2, "", "");
    expect_pilot(db, 3, "Delta", "");
    expect_pilot(db, 4, "", "");
}

TEST(PilotFiles, EmptyFilesGiveNoPilotsAndKeepTransponders)
{
    TempDir dir;
    write_file(NAMES_FILE, "");
    write_file(TRANSPONDERS_FILE, "");
    Database db;
    db[0].transponder[0] = '7';
    EXPECT_EQ(1, db.read_both());
    EXPECT_STREQ("", db[0].name);
    EXPECT_STREQ("7", db[0].transponder);
}

TEST(PilotFiles, ExtraTransponderLinesGoToTheRecordsAfterTheLastPilot)
{
    TempDir dir;
    write_file(NAMES_FILE, "A\r\nB\r\n");
    write_file(TRANSPONDERS_FILE, "000001\r\n000002\r\n000003\r\n");
    Database db;
    EXPECT_EQ(1, db.read_both());
    EXPECT_STREQ("", db[2].name);
    EXPECT_STREQ("000003", db[2].transponder);
}

TEST(PilotFiles, HostileFilesAreCutAtEveryFieldAndRecord)
{
    TempDir dir;
    std::string names(100000, 'N');
    names += "\r\nshort\r\n";
    for (int i = 0; i < 5000; ++i) {
        names += "line" + std::to_string(i) + "\n";
    }
    write_file(NAMES_FILE, names);
    write_file(TRANSPONDERS_FILE, std::string(100000, '9') + "\r\n" + std::string("12\0" "34\r\n", 6));
    Database db;
    EXPECT_EQ(1, db.read_both());
    EXPECT_EQ(std::string(49, 'N'), db[0].name);
    EXPECT_STREQ("short", db[1].name);
    EXPECT_STREQ("line997", db[999].name);
    // Nothing lands past the last record.
    std::vector<PilotRecord> guarded(MAX_PILOTS + 1);
    EXPECT_EQ(1, read_pilot_names(guarded.data()));
    EXPECT_STREQ("", guarded[MAX_PILOTS].name);
    EXPECT_STREQ("999999", db[0].transponder);
    // A NUL byte is dropped, not left to end the field.
    EXPECT_STREQ("1234", db[1].transponder);
}

// Line k of one file belongs to line k of the other: when either cannot be
// written, neither is made or changed.
TEST(PilotFiles, WriterReportsAFileThatCannotBeCreatedAndChangesNeither)
{
    TempDir dir;
    ReportRecorder recorder;
    Database db;
    db.set(0, "Alpha", "000001");
    std::filesystem::create_directory(TRANSPONDERS_FILE);
    EXPECT_EQ(0, write_pilot_database(db.records.get(), 1));
    EXPECT_FALSE(std::filesystem::exists(NAMES_FILE));
    write_file(NAMES_FILE, "Bea\r\nZed\r\n");
    EXPECT_EQ(0, write_pilot_database(db.records.get(), 1));
    EXPECT_EQ("Bea\r\nZed\r\n", read_file(NAMES_FILE));
    EXPECT_EQ(std::vector<std::string>(2, PILOT_TRANSPONDERS_FILE_ERROR_TEXT), g_reports);

    g_reports.clear();
    std::filesystem::create_directory("other");
    std::filesystem::current_path("other");
    std::filesystem::create_directory(NAMES_FILE);
    write_file(TRANSPONDERS_FILE, "000007\r\n000008\r\n");
    EXPECT_EQ(0, write_pilot_database(db.records.get(), 1));
    ASSERT_EQ(1u, g_reports.size());
    EXPECT_EQ(PILOT_NAMES_FILE_ERROR_TEXT, g_reports[0]);
    EXPECT_EQ("000007\r\n000008\r\n", read_file(TRANSPONDERS_FILE));
    EXPECT_EQ("Erreur: impossible d'ouvrir la base de donn\xE9" "es Pilotes",
              std::string(PILOT_NAMES_FILE_ERROR_TEXT));
}

// ---------------------------------------------------------------------------
// Name sort

namespace {

std::vector<std::string> sorted_names(const std::vector<std::string> &names)
{
    Database db;
    for (size_t i = 0; i < names.size(); ++i) {
        db.set(static_cast<int>(i), names[i].c_str(), std::to_string(i).c_str());
    }
    sort_pilots_by_name(db.records.get());
    std::vector<std::string> result;
    for (int k = 0; k < MAX_PILOTS && db[k].name[0]; ++k) {
        // Each name keeps its own transponder, its former index here.
        EXPECT_EQ(names[atoi(db[k].transponder)], db[k].name);
        result.push_back(db[k].name);
    }
    return result;
}

// The order the sort must give: keys with only A to Z folded, compared as
// unsigned bytes, empty names after all others, equal keys higher index first.
void sort_by_the_rule(PilotRecord *records)
{
    std::vector<PilotRecord> copy(records, records + MAX_PILOTS);
    std::vector<std::string> keys;
    std::vector<int> order;
    for (int i = 0; i < MAX_PILOTS; ++i) {
        std::string key = copy[i].name;
        for (char &c : key) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        keys.push_back(key);
        order.push_back(MAX_PILOTS - 1 - i);
    }
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[a].empty() != keys[b].empty() ? keys[b].empty() : keys[a] < keys[b];
    });
    for (int k = 0; k < MAX_PILOTS; ++k) {
        records[k] = copy[order[k]];
    }
}

}  // namespace

TEST(NameSort, FoldsOnlyAsciiLettersAndPutsEqualKeysHigherIndexFirst)
{
    EXPECT_EQ((std::vector<std::string>{"alpha", "Alpha", "beta"}),
              sorted_names({"Alpha", "beta", "alpha"}));
    EXPECT_EQ((std::vector<std::string>{" x", "9z", "abc", "Zoe", "{brace", "~tilde",
                                        "\xC9mile", "\xE9mile"}),
              sorted_names({"\xE9mile", "~tilde", "Zoe", "\xC9mile", "{brace", "abc", "9z",
                            " x"}));
}

TEST(NameSort, EmptyRecordsGoLastInDescendingFormerIndex)
{
    Database db;
    db.set(0, "", "000000");
    db.set(1, "Bravo", "000001");
    db.set(2, "", "000002");
    db.set(3, "Alpha", "000003");
    sort_pilots_by_name(db.records.get());
    expect_pilot(db, 0, "Alpha", "000003");
    expect_pilot(db, 1, "Bravo", "000001");
    // The 996 records never filled, then the two emptied ones.
    expect_pilot(db, 2, "", "");
    expect_pilot(db, 998, "", "000002");
    expect_pilot(db, 999, "", "000000");
}

TEST(NameSort, RandomNamesComeInKeyOrder)
{
    std::mt19937 random(12345);
    const char alphabet[] = "aAbB \xC9\xE9{0";
    for (int round = 0; round < 5; ++round) {
        Database db;
        for (int i = 0; i < MAX_PILOTS; ++i) {
            int length = static_cast<int>(random() % 4);
            std::string name;
            for (int c = 0; c < length; ++c) {
                name += alphabet[random() % (sizeof alphabet - 1)];
            }
            db.set(i, name.c_str(), std::to_string(i).c_str());
        }
        Database expected;
        memcpy(expected.records.get(), db.records.get(), sizeof(PilotRecord) * MAX_PILOTS);
        sort_by_the_rule(expected.records.get());
        sort_pilots_by_name(db.records.get());
        EXPECT_EQ(0, memcmp(expected.records.get(), db.records.get(),
                            sizeof(PilotRecord) * MAX_PILOTS));
    }
}
