// The display settings dialog opened as the menu command opens it, its
// choosers answered through the seam, its preview read back pixel by pixel
// and its files checked byte for byte; then the command itself, with the
// board taking the new settings.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "common_dialogs.h"
#include "dialog_driver.h"
#include "dialog_ids.h"
#include "display_settings.h"
#include "race_fixture.h"
#include "text_recorder.h"
#include "window_ids.h"

namespace {

const char SETTINGS_FILE[] = "Private/R\xE9glagesAffichage.rgsc";
const char SETTINGS_ERROR[] = "Erreur: impossible d'ouvrir le fichier R\xE9glage Affichage";
const char LOAD_ERROR[] = "Erreur: impossible d'ouvrir le fichier Affichage";

// Every value its own, so that a value stored in the wrong place shows.
DisplaySettings distinct_settings(int32_t seed)
{
    DisplaySettings d;
    memset(&d, 0, sizeof d);
    d.board_style = 1;
    for (int32_t c = 0; c < BOARD_COLUMNS; c++)
        d.column_widths[c] = 40 + 10 * c + seed;
    for (int32_t s = 0; s < FONT_SLOTS; s++) {
        strcpy(d.fonts[s].face, s == 3 ? "Arial Black" : "Arial");
        d.fonts[s].height = -12 - s;
        d.fonts[s].weight = 400;
        d.fonts[s].strikeout = s % 2;
        d.text_colours[s] = RGB(10 * s, seed, 100);
    }
    for (int32_t i = 0; i < DISPLAY_COLOURS; i++)
        d.colours[i] = RGB(20 * i, 200 - seed, 15 * i);
    return d;
}

CustomColours distinct_custom(int32_t seed)
{
    CustomColours c;
    for (int32_t i = 0; i < CUSTOM_COLOURS; i++)
        c.colours[i] = RGB(i, seed, 255);
    return c;
}

// The bytes the writer makes of these settings.
std::string file_of(const DisplaySettings &d, const CustomColours &c)
{
    EXPECT_EQ(1, write_display_settings("scratch.rgsc", &d, &c));
    const std::string bytes = read_file("scratch.rgsc");
    DeleteFileA("scratch.rgsc");
    return bytes;
}

// The choosers' answers: each hook counts its calls, keeps a copy of what it
// was given and answers with the test's function, or with a cancel.
struct Choosers {
    std::function<BOOL(CHOOSECOLORA *)> colour;
    std::function<BOOL(CHOOSEFONTA *)> font;
    std::function<BOOL(OPENFILENAMEA *)> open_file;
    std::function<BOOL(OPENFILENAMEA *)> save_file;
    int calls = 0;
};
Choosers *s_choosers;

template <typename T>
BOOL answer(const std::function<BOOL(T *)> &f, T *choice)
{
    s_choosers->calls++;
    return f ? f(choice) : FALSE;
}

const CommonDialogHooks HOOKS = {
    [](CHOOSECOLORA *c) -> BOOL { return answer(s_choosers->colour, c); },
    [](CHOOSEFONTA *c) -> BOOL { return answer(s_choosers->font, c); },
    [](OPENFILENAMEA *c) -> BOOL { return answer(s_choosers->open_file, c); },
    [](OPENFILENAMEA *c) -> BOOL { return answer(s_choosers->save_file, c); },
};

POINT centre(const RECT &r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void click_at(HWND dialog, int32_t x, int32_t y)
{
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void click_on(HWND dialog, const RECT &r)
{
    const POINT p = centre(r);
    click_at(dialog, p.x, p.y);
}

void choose_column(HWND dialog, int column)
{
    SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_SETCURSEL, column, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DISPLAY_COLUMN, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_DISPLAY_COLUMN)));
}

// The preview as painted, once the pending paint has run.
COLORREF centre_of(HWND dialog, const RECT &r)
{
    return DialogDriver::pixel(dialog, centre(r).x, centre(r).y);
}

int count(HWND dialog, COLORREF colour, const RECT &r)
{
    int n = 0;
    for (LONG y = r.top; y < r.bottom; y++)
        for (LONG x = r.left; x < r.right; x++)
            n += DialogDriver::pixel(dialog, x, y) == colour;
    return n;
}

// Where the preview shows each colour and font; {} is not shown.
const RECT SWATCHES[13] = {{200, 115, 240, 135}, {}, {200, 145, 240, 165}, {200, 215, 240, 235}, {},
                           {200, 245, 240, 265}, {200, 275, 240, 295}, {200, 305, 240, 325},
                           {200, 375, 240, 395}, {250, 375, 290, 395}, {200, 405, 240, 425},
                           {250, 405, 290, 425}, {300, 405, 390, 425}};
const RECT SAMPLES[4] = {{250, 215, 340, 235}, {}, {300, 375, 390, 395}, {300, 470, 390, 490}};
const RECT &swatch(int i) { return SWATCHES[i]; }
const RECT &sample(int k) { return SAMPLES[k]; }

class DisplaySettingsDialog : public DialogTest {
protected:
    DisplaySettingsDialog()
    {
        CreateDirectoryA("Zelquan Orla Sequent", 0);
        SetCurrentDirectoryA("Zelquan Orla Sequent");
        CreateDirectoryA("Private", 0);
        set_program_files_override(dir_.path().string().c_str());
        program_folder_ = dir_.path().string() + "\\Zelquan Orla Sequent";
        g_display_dialog_column = 0;
        s_choosers = &choosers_;
        set_common_dialog_hooks(&HOOKS);
        settings_ = distinct_settings(0);
        custom_ = distinct_custom(0);
        file_ = file_of(settings_, custom_);
        write_file(SETTINGS_FILE, file_);
    }
    ~DisplaySettingsDialog() override
    {
        set_common_dialog_hooks(0);
        s_choosers = 0;
        set_program_files_override(0);
    }

    void open(DialogDriver::Script script)
    {
        DialogTest::open(display_settings_dialog_proc, open_display_settings_dialog,
                         std::move(script));
    }

    COLORREF colour(int i) const { return static_cast<COLORREF>(settings_.colours[i]); }

    Choosers choosers_;
    std::string program_folder_;
    DisplaySettings settings_;
    CustomColours custom_;
    std::string file_;
    TextRecorder texts_;
};

TEST_F(DisplaySettingsDialog, OpensOnTheFileShowsItInThePreviewAndOkWritesItBackUnchanged)
{
    g_display_dialog_column = 2;  // the column chosen at the last opening
    open([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_DISPLAY_COLUMN);
        ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 9);
        char entry[32] = "";
        SendMessageA(list, CB_GETLBTEXT, 5, reinterpret_cast<LPARAM>(entry));
        EXPECT_STREQ(entry, "Ecart pr\xE9" "c\xE9" "dt");
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "60");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_DISPLAY_STYLE_RELIEF));
        EXPECT_FALSE(DialogDriver::checked(dialog, IDC_DISPLAY_STYLE_GRADIENT));
        // Arial 16 on the controls, bold on the title and the three group boxes.
        for (int id = IDC_DISPLAY_STYLE_RELIEF; id <= IDC_DISPLAY_FONT_LABEL; id++) {
            const bool bold = id == 3509 || id == 3510 || id == 3513 || id == 3518;
            EXPECT_EQ(DialogDriver::font(dialog, id), bold ? "Arial 16 700" : "Arial 16 0") << id;
        }
        // The samples' texts at 18 pixels whatever their slots' heights.
        texts_.clear();
        RedrawWindow(dialog, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW);
        const struct { int x, y, slot; } shown[] = {{255, 215, 0}, {305, 375, 2}, {305, 470, 5}};
        ASSERT_EQ(texts_.texts().size(), 3u);
        for (int k = 0; k < 3; k++) {
            const PaintedText &t = texts_.texts()[k];
            EXPECT_EQ(texts_.at(shown[k].x, shown[k].y), "AaBbYyZz");
            EXPECT_EQ(t.font_height, 18);
            EXPECT_EQ(t.colour, static_cast<COLORREF>(settings_.text_colours[shown[k].slot]));
        }

        auto at = [dialog](LONG x, LONG y) { return DialogDriver::pixel(dialog, x, y); };
        for (int i = 0; i < 17; i++) {  // a black frame just outside each
            const RECT &r = i < 13 ? swatch(i) : sample(i - 13);
            const POINT c = centre(r);
            EXPECT_TRUE(!r.right || (at(c.x, r.top - 1) == 0 && at(c.x, r.bottom) == 0 &&
                                     at(r.left - 1, c.y) == 0 && at(r.right, c.y) == 0))
                << i;
        }
        for (int i : {0, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12})
            EXPECT_EQ(centre_of(dialog, swatch(i)), colour(i)) << i;
        EXPECT_EQ(at(swatch(12).left + 2, swatch(12).top), colour(10));
        EXPECT_EQ(at(sample(0).right - 2, sample(0).bottom - 2), colour(3));
        EXPECT_EQ(at(sample(2).right - 2, sample(2).top), colour(8));
        EXPECT_EQ(at(sample(3).right - 2, sample(3).top), colour(10));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(read_file(SETTINGS_FILE), file_);
}

TEST_F(DisplaySettingsDialog, AColourAFontAWidthAndTheStyleReachThePreviewAndOkWritesThem)
{
    CHOOSECOLORA colour_asked = {};
    choosers_.colour = [&](CHOOSECOLORA *c) {
        colour_asked = *c;
        c->rgbResult = c->rgbResult == colour(0) ? RGB(250, 10, 10) : RGB(10, 250, 10);
        c->lpCustColors[5] = RGB(1, 2, 3);  // a custom colour defined in the chooser
        return TRUE;
    };
    CHOOSEFONTA font_asked = {};
    LOGFONTA font_given = {};
    choosers_.font = [&](CHOOSEFONTA *c) {
        font_asked = *c;
        font_given = *c->lpLogFont;
        strcpy(c->lpLogFont->lfFaceName, "Arial");
        c->lpLogFont->lfHeight = -30;
        c->lpLogFont->lfWeight = 700;
        c->lpLogFont->lfItalic = 1;
        c->rgbColors = RGB(255, 0, 255);
        return TRUE;
    };
    open([&](HWND dialog) {
        click_on(dialog, swatch(0));
        EXPECT_EQ(colour_asked.hwndOwner, nullptr);
        EXPECT_EQ(colour_asked.rgbResult, colour(0));
        EXPECT_EQ(reinterpret_cast<void *>(colour_asked.lpCustColors),
                  reinterpret_cast<void *>(g_display_dialog_custom_colours.colours));
        click_on(dialog, swatch(10));  // top colour of the rows
        auto at = [dialog](LONG x, LONG y) { return DialogDriver::pixel(dialog, x, y); };
        EXPECT_EQ(centre_of(dialog, swatch(0)), RGB(250, 10, 10));
        EXPECT_EQ(at(swatch(12).left + 2, swatch(12).top), RGB(10, 250, 10));
        EXPECT_EQ(at(sample(3).right - 2, sample(3).top), RGB(10, 250, 10));

        choose_column(dialog, 4);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "80");
        const COLORREF column_4 = static_cast<COLORREF>(settings_.text_colours[7]);
        EXPECT_GT(count(dialog, column_4, sample(3)), 20);
        click_on(dialog, sample(3));
        EXPECT_EQ(font_asked.hwndOwner, nullptr);
        EXPECT_EQ(font_asked.Flags, static_cast<DWORD>(CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT |
                                                        CF_EFFECTS | CF_LIMITSIZE));
        EXPECT_EQ(font_asked.nSizeMin, 0);
        EXPECT_EQ(font_asked.nSizeMax, 50);
        EXPECT_EQ(font_asked.rgbColors, static_cast<COLORREF>(settings_.text_colours[7]));
        EXPECT_STREQ(font_given.lfFaceName, "Arial");
        EXPECT_EQ(font_given.lfHeight, settings_.fonts[7].height);
        EXPECT_EQ(font_given.lfWeight, 400);
        EXPECT_EQ(font_given.lfUnderline, 0);
        EXPECT_EQ(font_given.lfStrikeOut, 1);
        EXPECT_GT(count(dialog, RGB(255, 0, 255), sample(3)), 20);

        DialogDriver::set_text(dialog, IDC_DISPLAY_COLUMN_WIDTH, "250");
        DialogDriver::command(dialog, IDC_DISPLAY_WIDTH_PLUS);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "251");
        DialogDriver::click(dialog, IDC_DISPLAY_STYLE_GRADIENT);
        DialogDriver::command(dialog, IDOK);
    });
    DisplaySettings expected = settings_;
    expected.colours[0] = RGB(250, 10, 10);
    expected.colours[10] = RGB(10, 250, 10);
    expected.fonts[7].height = -30;
    expected.fonts[7].weight = 700;
    expected.fonts[7].italic = 1;
    expected.text_colours[7] = RGB(255, 0, 255);
    expected.column_widths[4] = 251;
    expected.board_style = 0;
    CustomColours expected_custom = custom_;
    expected_custom.colours[5] = RGB(1, 2, 3);
    EXPECT_EQ(read_file(SETTINGS_FILE), file_of(expected, expected_custom));
    EXPECT_TRUE(boxes_.boxes().empty());
}

// Only a point strictly inside a swatch or a sample opens a chooser; each
// font chooser offers its own sizes; a cancelled chooser changes nothing.
TEST_F(DisplaySettingsDialog, ClicksBesideTheSwatchesOpenNothingAndCancelledChoosersChangeNothing)
{
    std::vector<std::pair<int, int>> sizes;
    choosers_.font = [&](CHOOSEFONTA *c) {
        sizes.push_back({c->nSizeMin, c->nSizeMax});
        c->lpLogFont->lfWeight = 900;
        return FALSE;
    };
    choosers_.colour = [](CHOOSECOLORA *c) {
        c->rgbResult = RGB(1, 1, 1);
        return FALSE;
    };
    open([&](HWND dialog) {
        const RECT &s = swatch(5);
        click_at(dialog, s.left, centre(s).y);        // its frame line
        click_at(dialog, centre(s).x, s.bottom);      // its bottom edge
        click_at(dialog, 60, 130);                    // the label beside it
        click_at(dialog, 245, 385);                   // between two swatches
        click_at(dialog, 0, 0);                       // where the unused swatches lie
        EXPECT_EQ(choosers_.calls, 0);
        click_on(dialog, s);
        EXPECT_EQ(choosers_.calls, 1);
        for (int k : {0, 2, 3})
            click_on(dialog, sample(k));
        EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{0, 25}, {8, 16}, {0, 50}}));
        EXPECT_EQ(memcmp(&g_display_dialog_settings, &settings_, sizeof settings_), 0);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(SETTINGS_FILE), file_);
}

TEST_F(DisplaySettingsDialog, TheWidthStaysWithin0And999AndTheChosenColumnIsKept)
{
    settings_.board_style = 2;  // neither style
    settings_.column_widths[0] = 998;
    settings_.column_widths[1] = 0;
    settings_.column_widths[4] = 1500;  // a hand-edited file, read as 999
    file_ = file_of(settings_, custom_);
    write_file(SETTINGS_FILE, file_);
    open([](HWND dialog) {
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_DISPLAY_STYLE_GRADIENT));
        DialogDriver::click(dialog, IDC_DISPLAY_STYLE_RELIEF);
        DialogDriver::command(dialog, IDC_DISPLAY_WIDTH_PLUS);
        DialogDriver::command(dialog, IDC_DISPLAY_WIDTH_PLUS);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "999");
        choose_column(dialog, 1);
        DialogDriver::command(dialog, IDC_DISPLAY_WIDTH_MINUS);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "0");
        choose_column(dialog, 2);
        DialogDriver::set_text(dialog, IDC_DISPLAY_COLUMN_WIDTH, "");
        DialogDriver::type(dialog, IDC_DISPLAY_COLUMN_WIDTH, "1234");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "123");
        EXPECT_TRUE(DialogDriver::shows_whole(dialog, IDC_DISPLAY_COLUMN_WIDTH));
        EXPECT_EQ(g_display_dialog_settings.column_widths[2], 123);
        choose_column(dialog, 4);
        DialogDriver::command(dialog, IDC_DISPLAY_WIDTH_MINUS);
        EXPECT_EQ(g_display_dialog_settings.column_widths[4], 998);
        choose_column(dialog, 3);
        DialogDriver::set_text(dialog, IDC_DISPLAY_COLUMN_WIDTH, "");
        EXPECT_EQ(g_display_dialog_settings.column_widths[3], 0);
        DialogDriver::command(dialog, IDOK);
    });
    DisplaySettings expected = settings_;
    expected.board_style = 1;
    expected.column_widths[0] = 999;
    expected.column_widths[2] = 123;
    expected.column_widths[3] = 0;
    expected.column_widths[4] = 998;
    EXPECT_EQ(read_file(SETTINGS_FILE), file_of(expected, custom_));
    open([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_GETCURSEL, 0, 0), 3);
        DialogDriver::command(dialog, IDCANCEL);
    });
}

TEST_F(DisplaySettingsDialog, EchapTheCloseBoxAndEscapeWriteNothingAndTheNextOpeningShowsTheFile)
{
    choosers_.colour = [](CHOOSECOLORA *c) {
        c->rgbResult = RGB(9, 9, 9);
        return TRUE;
    };
    const auto &ways = DialogDriver::ways_out_without_ok();
    for (size_t way = 0; way < ways.size(); way++) {
        open([&](HWND dialog) {
            click_on(dialog, swatch(2));
            DialogDriver::command(dialog, IDC_DISPLAY_WIDTH_PLUS);
            DialogDriver::click(dialog, IDC_DISPLAY_STYLE_GRADIENT);
            ways[way](dialog);
        });
        EXPECT_EQ(read_file(SETTINGS_FILE), file_) << "way " << way;
    }
    open([&](HWND dialog) {
        EXPECT_EQ(centre_of(dialog, swatch(2)), colour(2));
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_DISPLAY_STYLE_RELIEF));
        DialogDriver::command(dialog, IDCANCEL);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(DisplaySettingsDialog, SauverWritesANamedDisplayFileAndChargerLoadsOne)
{
    OPENFILENAMEA asked = {};
    std::string proposed;
    std::string answer_path;
    choosers_.save_file = [&](OPENFILENAMEA *c) {
        asked = *c;
        proposed = c->lpstrFile;
        SetCurrentDirectoryA("Private");  // as a chooser may leave it
        lstrcpynA(c->lpstrFile, answer_path.c_str(), c->nMaxFile);
        return TRUE;
    };
    choosers_.open_file = [&](OPENFILENAMEA *c) {
        asked = *c;
        lstrcpynA(c->lpstrFile, answer_path.c_str(), c->nMaxFile);
        return TRUE;
    };
    const DisplaySettings other = distinct_settings(7);
    const CustomColours other_custom = distinct_custom(7);
    DisplaySettings loaded_other = other;
    loaded_other.board_style = 0;
    write_file("autre.scrn", file_of(loaded_other, other_custom));
    const std::string long_name(MAX_PATH - 3, 'x');
    const std::string fits(MAX_PATH - 7 - program_folder_.size(), 'y');  // ".scrn" just fits

    open([&](HWND dialog) {
        // The proposed name left as it is saves nothing.
        answer_path = program_folder_ + "\\*.scrn";
        DialogDriver::command(dialog, IDC_DISPLAY_SAVE);
        EXPECT_EQ(proposed, answer_path);
        EXPECT_EQ(asked.hwndOwner, dialog);
        EXPECT_EQ(std::string(asked.lpstrFilter, 33),
                  std::string("Fichier affichage (.scrn)\0*.scrn\0\0", 33));
        EXPECT_STREQ(asked.lpstrInitialDir, program_folder_.c_str());
        EXPECT_EQ(asked.Flags, static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY |
                                                  OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST));
        // A name without the extension gets it; one holding it anywhere keeps its form.
        answer_path = program_folder_ + "\\finale";
        DialogDriver::command(dialog, IDC_DISPLAY_SAVE);
        answer_path = program_folder_ + "\\finale.scrn.old";
        DialogDriver::command(dialog, IDC_DISPLAY_SAVE);
        // A name with no room left for the extension is refused, not cut.
        answer_path = long_name;
        DialogDriver::command(dialog, IDC_DISPLAY_SAVE);
        answer_path = program_folder_ + "\\" + fits;
        DialogDriver::command(dialog, IDC_DISPLAY_SAVE);

        answer_path = program_folder_ + "\\autre.scrn";
        choose_column(dialog, 6);
        DialogDriver::command(dialog, IDC_DISPLAY_LOAD);
        EXPECT_EQ(asked.Flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                                                  OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
        EXPECT_EQ(memcmp(&g_display_dialog_settings, &loaded_other, sizeof other), 0);
        EXPECT_EQ(g_display_dialog_column, 0);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "47");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_DISPLAY_STYLE_GRADIENT));
        EXPECT_EQ(centre_of(dialog, swatch(0)), static_cast<COLORREF>(other.colours[0]));

        // A file that cannot be read is told and leaves the copy as it was.
        answer_path = program_folder_ + "\\absent.scrn";
        DialogDriver::command(dialog, IDC_DISPLAY_LOAD);
        EXPECT_EQ(memcmp(&g_display_dialog_settings, &loaded_other, sizeof other), 0);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file("finale.scrn"), file_);
    EXPECT_EQ(read_file("finale.scrn.old"), file_);
    EXPECT_FALSE(file_exists((long_name + ".scrn").c_str()));
    EXPECT_EQ(read_file((fits + ".scrn").c_str()), file_);
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{SETTINGS_ERROR, LOAD_ERROR}));
    EXPECT_EQ(read_file(SETTINGS_FILE), file_of(loaded_other, other_custom));
}

TEST_F(DisplaySettingsDialog, AMissingOrUnwritableSettingsFileIsToldAndTheDialogGoesOn)
{
    open([](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); });
    ASSERT_TRUE(DeleteFileA(SETTINGS_FILE));
    open([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].text, SETTINGS_ERROR);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Erreur");
    EXPECT_FALSE(boxes_.boxes()[0].hand_icon);
    // The copy kept from the last opening, its font names emptied.
    DisplaySettings expected = settings_;
    for (FontSlot &slot : expected.fonts)
        memset(slot.face, 0, sizeof slot.face);
    EXPECT_EQ(read_file(SETTINGS_FILE), file_of(expected, custom_));

    boxes_.clear();
    ASSERT_TRUE(DeleteFileA(SETTINGS_FILE));
    ASSERT_TRUE(CreateDirectoryA(SETTINGS_FILE, 0));
    open([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{SETTINGS_ERROR, SETTINGS_ERROR}));
}

// The system's choosers, owned by no window, answered Ok as they come: the
// colour and font they start from come back unchanged; Charger's is the
// system's open dialog, here cancelled.
TEST_F(DisplaySettingsDialog, TheSystemsChoosersStartFromTheSettingsShown)
{
    set_common_dialog_hooks(0);
    for (int answer : {IDOK, IDOK, IDCANCEL})
        boxes_.answer(answer);
    open([](HWND dialog) {
        click_on(dialog, swatch(6));
        click_on(dialog, sample(0));
        DialogDriver::command(dialog, IDC_DISPLAY_LOAD);
        DialogDriver::command(dialog, IDOK);
    });
    ASSERT_EQ(boxes_.boxes().size(), 3u);
    EXPECT_EQ(boxes_.boxes()[0].owner, nullptr);
    EXPECT_EQ(boxes_.boxes()[1].owner, nullptr);
    EXPECT_EQ(boxes_.boxes()[2].caption, "Open");
    DisplaySettings written;
    CustomColours custom;
    ASSERT_EQ(1, read_display_settings(SETTINGS_FILE, &written, &custom));
    EXPECT_EQ(written.colours[6], settings_.colours[6]);
    EXPECT_STREQ(written.fonts[0].face, "Arial");
    EXPECT_EQ(written.fonts[0].height, settings_.fonts[0].height);
    EXPECT_EQ(written.text_colours[0], settings_.text_colours[0]);
}

// The command: the board follows the file after the dialog, whichever way
// it was closed.
class DisplaySettingsCommand : public RaceWindow {
protected:
    void SetUp() override
    {
        RaceWindow::SetUp();
        s_choosers = &choosers_;
        set_common_dialog_hooks(&HOOKS);
    }
    void TearDown() override
    {
        set_common_dialog_hooks(0);
        s_choosers = 0;
        RaceWindow::TearDown();
    }
    void run(DialogDriver::Script script)
    {
        drive_dialog(
            display_settings_dialog_proc,
            [&] { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDM_DISPLAY_SETTINGS, 0), 0); },
            std::move(script));
    }
    bool whole_window_waits_for_paint()
    {
        RECT update, client;
        GetUpdateRect(window_, &update, FALSE);
        GetClientRect(window_, &client);
        return EqualRect(&update, &client) != 0;
    }

    Choosers choosers_;
};

TEST_F(DisplaySettingsCommand, LargerColumnFontsAfterOkMakeFewerRowsFitAndShowTheScrollBar)
{
    create_window();
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    std::vector<GridCar> cars;
    static const char *const names[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"};
    for (const char *name : names)
        cars.push_back({name, "000100"});
    compose_grid(cars);
    ASSERT_GE(g_board_rows_fit, 12);
    ASSERT_FALSE(IsWindowVisible(g_board_scrollbar));
    g_display_settings.column_widths[1] = 222;  // as a drag on the board leaves it
    g_display_settings.colours[0] = RGB(1, 2, 3);

    choosers_.font = [](CHOOSEFONTA *c) {
        c->lpLogFont->lfHeight = -60;
        return TRUE;
    };
    run([](HWND dialog) {
        EXPECT_EQ(g_display_dialog_settings.column_widths[1], 222);
        EXPECT_EQ(g_display_dialog_settings.colours[0], static_cast<int32_t>(RGB(1, 2, 3)));
        for (int column = 0; column < BOARD_COLUMNS; column++) {
            choose_column(dialog, column);
            click_on(dialog, sample(3));
        }
        choose_column(dialog, 1);
        DialogDriver::set_text(dialog, IDC_DISPLAY_COLUMN_WIDTH, "300");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(g_display_settings.fonts[FONT_SLOTS - 1].height, -60);
    EXPECT_STREQ(g_display_settings.fonts[3].face, "Arial");
    EXPECT_EQ(g_column_widths[1], 300);
    EXPECT_LT(g_board_rows_fit, 12);
    EXPECT_TRUE(IsWindowVisible(g_board_scrollbar));
    EXPECT_EQ(g_board_scroll_info.nMax, 12 - g_board_rows_fit);
    EXPECT_TRUE(whole_window_waits_for_paint());

    // Echap: the board reads the file again, here changed behind its back.
    UpdateWindow(window_);
    ASSERT_FALSE(whole_window_waits_for_paint());
    DisplaySettings smaller = g_display_settings;
    for (FontSlot &slot : smaller.fonts)
        slot.height = -10;
    run([&](HWND dialog) {
        EXPECT_EQ(1, write_display_settings(SETTINGS_FILE, &smaller, &g_custom_colours));
        DialogDriver::command(dialog, IDCANCEL);
    });
    EXPECT_GE(g_board_rows_fit, 12);
    EXPECT_FALSE(IsWindowVisible(g_board_scrollbar));
    EXPECT_TRUE(whole_window_waits_for_paint());
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(DisplaySettingsCommand, WithoutThePrivateFolderEachStepIsToldAndTheWindowGoesOn)
{
    create_window();
    const int32_t width = g_column_widths[4];
    ASSERT_TRUE(DeleteFileA(SETTINGS_FILE));
    ASSERT_TRUE(RemoveDirectoryA("Private"));
    run([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    // Written before, read by the dialog, written by Ok, read after.
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>(4, SETTINGS_ERROR));
    for (const RecordedBox &box : boxes_.boxes()) {
        EXPECT_EQ(box.caption, "Erreur");
        EXPECT_FALSE(box.hand_icon);
    }
    EXPECT_EQ(boxes_.boxes()[0].owner, window_);
    EXPECT_EQ(boxes_.boxes()[3].owner, window_);
    EXPECT_STREQ(g_display_settings.fonts[3].face, "");
    EXPECT_EQ(g_column_widths[4], width);
}

}  // namespace
