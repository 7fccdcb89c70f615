// The main window of class classeF: its layout from the screen size, its
// controls, the board state it keeps, and the repaint entry points that the
// commands and the engine use.
#ifndef MAIN_WINDOW_H
#define MAIN_WINDOW_H

#include <windows.h>

#include "race_model.h"

// The seven painted areas of the main window, in client pixels.
struct BoardLayout {
    RECT board;
    RECT header;
    RECT position_column;
    RECT body;
    RECT race_title;
    RECT clocks;
    RECT countdown;
};

enum {
    PROGRAM_FOLDER_SIZE = 260,
    RACE_LENGTH_TEXT_SIZE = 11,
    CLOCK_TEXT_SIZE = 10,
    COUNTDOWN_TEXT_SIZE = 12,
};

extern const char MAIN_WINDOW_CLASS[];
extern const char MAIN_WINDOW_TITLE[];
extern const char DISPLAY_SETTINGS_FILE[];

extern HINSTANCE g_hinstance;
extern HWND g_main_window;
extern HMENU g_menu_bar;

// Screen size, read again at every message of the main window.
extern int32_t g_screen_width;
extern int32_t g_screen_height;
extern BoardLayout g_board_layout;

// Board state: column widths in 1/1600 of the screen width (a copy of the
// display settings' widths), row height in 1/900 of the screen height, and
// the board's scroll bar whose nPos is the first board row shown.
extern DisplaySettings g_display_settings;
extern CustomColours g_custom_colours;
extern int32_t g_column_widths[BOARD_COLUMNS];
extern int32_t g_board_row_height;
extern int32_t g_board_rows_fit;
extern int32_t g_board_visible_rows;
extern HWND g_board_scrollbar;
extern SCROLLINFO g_board_scroll_info;

// Column dragging with the mouse.
extern int32_t g_mouse_x;
extern int32_t g_mouse_y;
extern int32_t g_column_dragging;
extern int32_t g_dragged_column;
extern int32_t g_drag_start_x;

extern char g_program_folder[PROGRAM_FOLDER_SIZE];
extern HCURSOR g_arrow_cursor;
extern HCURSOR g_resize_cursor;
extern HFONT g_control_font;

// Clock texts painted under the board.
extern char g_text_race_length[RACE_LENGTH_TEXT_SIZE];
extern char g_text_elapsed[CLOCK_TEXT_SIZE];
extern char g_text_remaining[CLOCK_TEXT_SIZE];
extern char g_text_countdown[COUNTDOWN_TEXT_SIZE];

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Leaves "<program files>\Zelquan Orla Sequent" in folder (PROGRAM_FOLDER_SIZE
// bytes); returns 0, changing nothing, when the path would not fit.
int32_t find_program_folder(char *folder);
// Makes "<program files>\Zelquan Orla Sequent" the current directory and
// leaves its path in folder (PROGRAM_FOLDER_SIZE bytes). Returns 0, changing
// nothing, when the path would not fit.
int32_t enter_program_folder(char *folder);
// Tests put a folder of their own in place of the system's program-files
// folder; 0 or "" gives the system's back.
void set_program_files_override(const char *folder);

// The layout of a screen of W by H for the given column widths, row height
// and visible rows; compute_board_layout applies it to the real screen and
// the main window's board state.
void fill_board_layout(BoardLayout *layout, int32_t w, int32_t h, const int32_t *column_widths,
                       int32_t row_height, int32_t visible_rows);
void compute_board_layout(void);

void create_main_controls(HWND window, int32_t w, int32_t h);

// An error box owned by window, with the caption "Erreur" in the build's
// language, OK and the given icon (0 for none).
void show_error(HWND window, const char *text, UINT icon);

// Erases and repaints one area of the main window now: the only way the
// commands and the engine repaint the board, the clocks and the countdown.
void redraw_area(const RECT *area);

// Reads Private/RéglagesAffichage.rgsc into the display settings (an error
// box owned by window when it cannot) and takes the column widths from them.
void load_display_settings(HWND window);

// Measures the rows again, sets the board's scroll bar for the cars and
// repaints the board and the race title.
void relayout_board(void);

#endif
