#!/usr/bin/env python3
"""Runs the data generator into a fresh folder and checks what the program
will load: every sound it plays and every bitmap it draws is there, in a
format that PlaySoundA, LoadImageA and the resource compiler take, at the
size the windows draw it, and the voices actually say something. With
--help-documents, checks instead the help documents that the Wine build
made: guides of several pages, each with every screenshot its source names,
taken of the real program (its window fills the 1600 x 900 screen), printed
large enough to read, the French one hyphenated by the French rules, and
no word of the screen split at a line end.

Usage: check_generated.py GENERATOR
       check_generated.py --help-documents GUIDES_FOLDER SOURCES_FOLDER
"""

import html
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest
from concurrent.futures import ThreadPoolExecutor

GENERATOR = None
HELP_DOCUMENTS = None
HELP_SOURCES = {"HelpOrlaSequentFR.pdf": "aide-fr.ms", "HelpOrlaSequentGB.pdf": "help-en.ms"}
FRENCH_PATTERNS = "/usr/share/groff/current/tmac/hyphen.fr"

# The smallest text that each picture of the guides shows the reader, as the
# height of its font's em in the screenshot's pixels. A word must print at 7
# points or more.
MESSAGE_BOX_FONT_PX = 11     # Wine's message box and menu font
SYSTEM_FONT_PX = 13          # the main window's mode radios keep the system font
CONTROL_FONT_PX = 14         # Arial of 16 pixels: the dialogs and the main window's controls
RESULTS_CELL_FONT_PX = 12.5  # Arial of 14 pixels: the cells of the result tables
CHART_FONT_PX = 13.4         # Arial of 15 pixels: the chart's numbers and legend
BOARD_HEADER_FONT_PX = 15    # the board header as delivered
SMALLEST_TEXT_PX = {
    "startup-box": MESSAGE_BOX_FONT_PX, "clear-question": MESSAGE_BOX_FONT_PX,
    "main-controls": SYSTEM_FONT_PX,
    "interface": CONTROL_FONT_PX, "pilots": CONTROL_FONT_PX, "grid": CONTROL_FONT_PX,
    "main-grid-board": CONTROL_FONT_PX, "options": CONTROL_FONT_PX, "race-clocks": CONTROL_FONT_PX,
    "display": CONTROL_FONT_PX, "sounds": CONTROL_FONT_PX,
    "results-times-table": RESULTS_CELL_FONT_PX, "results-laps-table": RESULTS_CELL_FONT_PX,
    "results-chart-view": CHART_FONT_PX,
    "race-board": BOARD_HEADER_FONT_PX, "finish-board": BOARD_HEADER_FONT_PX,
}
# Whole windows, shown for where things are; the picture after each shows
# its words enlarged.
OVERVIEWS = {"main-idle"}

COUNTDOWN = ["60minutes", "30minutes", "15minutes", "5minutes", "2minutes", "1minute",
             "30secondes", "10secondes", "cinq", "quatre", "trois", "deux", "un"]
FRENCH = COUNTDOWN + ["miCourse"] + [f"FinCourseVoiture{n}" for n in range(1, 21)]
ENGLISH = [name + "GB" for name in FRENCH] + ["5minutesRaceGB"]
SIGNALS = ["nokia-sms", "beep1", "buzz", "youpi", "foghorn", "truckhorn"]

IMAGES = {
    "logo.bmp": (196, 50),
    "drapeauArrivee.bmp": (25, 16),
    "voyantScanPuce1.bmp": (45, 35),
    "voyantScanPuce2.bmp": (45, 35),
    "voyantScanPuce3.bmp": (45, 35),
    "voyantScanPuce4.bmp": (45, 35),
    "voyantRouge.bmp": (40, 40),
    "voyantVert.bmp": (40, 40),
}
RESOURCE_BITMAPS = {
    "start.bmp": (32, 32),
    "stop.bmp": (32, 32),
    "clear.bmp": (32, 32),
    "menu_pilots.bmp": (13, 13),
    "menu_options.bmp": (13, 13),
    "menu_sounds.bmp": (13, 13),
    "menu_display.bmp": (13, 13),
    "menu_interface.bmp": (13, 13),
}


def read_wav(path):
    """Returns (format tag, channels, rate, bits, frames) from the chunks."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:4] == b"RIFF" and data[8:12] == b"WAVE", f"{path}: not a RIFF WAVE file"
    assert struct.unpack_from("<I", data, 4)[0] == len(data) - 8, f"{path}: RIFF size is wrong"
    pos, fmt, frames = 12, None, None
    while pos + 8 <= len(data):
        chunk, size = struct.unpack_from("<4sI", data, pos)
        body = data[pos + 8:pos + 8 + size]
        assert len(body) == size, f"{path}: chunk {chunk!r} runs past the end"
        if chunk == b"fmt ":
            fmt = struct.unpack_from("<HHIIHH", body)
        elif chunk == b"data":
            assert fmt is not None, f"{path}: data before fmt"
            frames = size // fmt[4]
        pos += 8 + size + (size & 1)
    assert fmt is not None and frames is not None, f"{path}: fmt or data chunk missing"
    tag, channels, rate, _, _, bits = fmt
    return tag, channels, rate, bits, frames


def sox_levels(path):
    """Peak and RMS level in dBFS, as sox measures them."""
    out = subprocess.run(["sox", path, "-n", "stats"], capture_output=True, text=True, check=True).stderr
    levels = {}
    for row in out.splitlines():
        if row.startswith("Pk lev dB"):
            levels["peak"] = float(row.split()[-1])
        elif row.startswith("RMS lev dB"):
            levels["rms"] = float(row.split()[-1])
    return levels["peak"], levels["rms"]


def read_bmp(path):
    """Returns (width, height, rows of (r, g, b), top row first)."""
    with open(path, "rb") as f:
        data = f.read()
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data)
    assert magic == b"BM" and size == len(data), f"{path}: bad file header"
    header, width, height, planes, bpp, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert header == 40 and planes == 1 and bpp == 24 and compression == 0, \
        f"{path}: not an uncompressed 24-bit BMP"
    stride = (width * 3 + 3) & ~3
    assert height > 0 and offset + stride * height == len(data), f"{path}: pixel data size is wrong"
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        rows.append([(data[start + 3 * x + 2], data[start + 3 * x + 1], data[start + 3 * x])
                     for x in range(width)])
    return width, height, rows


class Generated(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="datagen-")
        started = time.monotonic()
        subprocess.run([GENERATOR, cls.root], check=True)
        cls.seconds = time.monotonic() - started
        names = FRENCH + ENGLISH + SIGNALS
        with ThreadPoolExecutor(max_workers=os.cpu_count() or 4) as pool:
            levels = pool.map(sox_levels, [os.path.join(cls.root, "sons", n + ".wav") for n in names])
            cls.levels = dict(zip(names, levels))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root)

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def test_every_sound_is_a_pcm_wav_playsound_takes(self):
        expected = set(FRENCH + ENGLISH + SIGNALS)
        present = {name[:-4] for name in os.listdir(self.path("sons"))}
        self.assertEqual(present, expected)
        for name in sorted(expected):
            with self.subTest(name=name):
                tag, channels, rate, bits, frames = read_wav(self.path("sons", name + ".wav"))
                self.assertEqual((tag, channels, rate, bits), (1, 1, 22050, 16))
                self.assertGreater(frames / rate, 0.1)
                self.assertLess(frames / rate, 3.0)

    def test_voices_are_audible_and_normalised(self):
        for name in FRENCH + ENGLISH:
            with self.subTest(name=name):
                peak, rms = self.levels[name]
                self.assertGreater(peak, -1.5)
                self.assertLessEqual(peak, 0.0)
                self.assertGreater(rms, -24.0)

    def test_signals_are_audible_and_short_enough(self):
        for name in SIGNALS:
            with self.subTest(name=name):
                peak, rms = self.levels[name]
                self.assertGreater(peak, -12.0)
                self.assertGreater(rms, -24.0)
        # Depart waits for this one to end before the countdown starts.
        _, _, rate, _, frames = read_wav(self.path("sons", "nokia-sms.wav"))
        self.assertLess(frames / rate, 2.0)
        # It plays at every passing: it must end before the next car crosses.
        _, _, rate, _, frames = read_wav(self.path("sons", "beep1.wav"))
        self.assertLess(frames / rate, 0.3)

    def test_bitmaps_have_their_drawing_sizes(self):
        for folder, table in (("images", IMAGES), ("resource-bitmaps", RESOURCE_BITMAPS)):
            self.assertEqual(set(os.listdir(self.path(folder))) - {"main.ico"}, set(table))
            for name, size in table.items():
                with self.subTest(name=name):
                    width, height, rows = read_bmp(self.path(folder, name))
                    self.assertEqual((width, height), size)
                    colours = {p for row in rows for p in row}
                    self.assertGreater(len(colours), 8, "a blank picture")

    def test_lamps_tell_their_states_apart(self):
        def centre(name):
            _, _, rows = read_bmp(self.path("images", name))
            return rows[len(rows) // 2 + 4][len(rows[0]) // 2 + 4]
        red, green = centre("voyantRouge.bmp"), centre("voyantVert.bmp")
        self.assertGreater(red[0], red[1] + 60)
        self.assertGreater(green[1], green[0] + 60)
        frames = [read_bmp(self.path("images", f"voyantScanPuce{k}.bmp"))[2] for k in range(1, 5)]
        for a in range(4):
            for b in range(a + 1, 4):
                self.assertNotEqual(frames[a], frames[b], f"scan lamp images {a + 1} and {b + 1}")

    def test_icon_holds_three_sizes_with_transparency(self):
        with open(self.path("resource-bitmaps", "main.ico"), "rb") as f:
            data = f.read()
        reserved, kind, count = struct.unpack_from("<HHH", data)
        self.assertEqual((reserved, kind, count), (0, 1, 3))
        sizes = []
        for i in range(count):
            w, h, _, _, planes, bpp, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
            self.assertLessEqual(offset + length, len(data))
            header, dib_w, dib_h, _, dib_bpp = struct.unpack_from("<IiiHH", data, offset)
            self.assertEqual((header, dib_w, dib_h, dib_bpp, bpp, planes), (40, w, 2 * h, 32, 32, 1))
            mask_stride = ((w + 31) // 32) * 4
            self.assertEqual(length, 40 + w * h * 4 + mask_stride * h)
            alphas = {data[offset + 40 + 4 * p + 3] for p in range(w * h)}
            self.assertIn(0, alphas)
            self.assertIn(255, alphas)
            sizes.append(w)
        self.assertEqual(sizes, [16, 32, 48])

    def test_rerun_keeps_fresh_files_and_remakes_missing_ones_identically(self):
        kept = self.path("sons", "un.wav")
        before = os.stat(kept).st_mtime_ns
        removed = [self.path("sons", "FinCourseVoiture7GB.wav"), self.path("sons", "buzz.wav"),
                   self.path("images", "logo.bmp"), self.path("resource-bitmaps", "main.ico")]
        originals = {}
        for path in removed:
            with open(path, "rb") as f:
                originals[path] = f.read()
            os.remove(path)
        subprocess.run([GENERATOR, self.root], check=True)
        self.assertEqual(os.stat(kept).st_mtime_ns, before)
        for path in removed:
            with self.subTest(path=path), open(path, "rb") as f:
                self.assertEqual(f.read(), originals[path])

    def test_generation_is_quick(self):
        # It runs in every test build; under load it is still far below this.
        self.assertLess(self.seconds, 30.0)


def french_hyphenation_points(patterns, word):
    """The places (counted in letters from the start) where the French
    patterns allow a word to be split."""
    dotted = "." + word.lower() + "."
    values = [0] * (len(dotted) + 1)
    for start in range(len(dotted)):
        for end in range(start + 1, len(dotted) + 1):
            for at, value in patterns.get(dotted[start:end], ()):
                values[start + at] = max(values[start + at], value)
    return {k for k in range(1, len(word)) if values[k + 1] % 2}


def read_french_patterns():
    """The patterns of groff's French hyphenation, letters -> (place, value)
    pairs; an apostrophe at their start stands for the start of a word."""
    with open(FRENCH_PATTERNS, encoding="iso-8859-15") as f:
        text = f.read()
    body = text[text.index("\\patterns{") + len("\\patterns{"):]
    body = body[:body.index("}")]
    patterns = {}
    for row in body.splitlines():
        for pattern in row.split("%")[0].split():
            pattern = "." + pattern[1:] if pattern.startswith("'") else pattern
            letters = re.sub(r"\d", "", pattern)
            places, at = [], 0
            for c in pattern:
                if c.isdigit():
                    places.append((at, int(c)))
                else:
                    at += 1
            patterns.setdefault(letters, []).extend(places)
    return patterns


def text_lines(path):
    """The guide's lines of text as pdftohtml reads them, bold runs in <b>."""
    xml = subprocess.run(["pdftohtml", "-xml", "-i", "-stdout", "-q", path], capture_output=True,
                         text=True, check=True).stdout
    return re.findall(r"<text [^>]*>(.*)</text>", xml)


def split_words(lines):
    """(first part, rest) of each word split at a line end."""
    rows = [html.unescape(re.sub(r"<[^>]*>", "", row)).strip() for row in lines]
    found = []
    for row, after in zip(rows, rows[1:]):
        head = re.search(r"([^\W\d_]+)[-\u2010]$", row)
        tail = re.match(r"([^\W\d_]+)", after)
        if head and tail and tail.group(1)[0].islower():
            found.append((head.group(1), tail.group(1)))
    return found


class HelpDocuments(unittest.TestCase):
    def guide(self, name):
        """The guide's path, its images as pdfimages lists them (a row of
        columns each), the .FIG lines of its source split in words, and the
        source."""
        guides, sources = HELP_DOCUMENTS
        path = os.path.join(guides, name)
        listed = subprocess.run(["pdfimages", "-list", path], capture_output=True, text=True,
                                check=True).stdout.splitlines()[2:]
        with open(os.path.join(sources, HELP_SOURCES[name]), encoding="utf-8") as f:
            source = f.read()
        figures = [row.split() for row in source.splitlines() if row.startswith(".FIG ")]
        return path, [row.split() for row in listed], figures, source

    def test_each_guide_has_its_pages_and_screenshots(self):
        for name in HELP_SOURCES:
            with self.subTest(name=name):
                path, images, figures, _ = self.guide(name)
                info = subprocess.run(["pdfinfo", path], capture_output=True, text=True,
                                      check=True).stdout
                pages = int(next(row.split()[1] for row in info.splitlines()
                                 if row.startswith("Pages:")))
                self.assertGreaterEqual(pages, 8)
                sizes = [tuple(int(v) for v in image[3:5]) for image in images]
                self.assertEqual(len(sizes), len(figures))
                self.assertIn((1600, 900), sizes)

    def test_every_picture_prints_its_words_at_7_points_or_more(self):
        for name in HELP_SOURCES:
            _, images, figures, _ = self.guide(name)
            for figure, image in zip(figures, images):
                picture, dots_per_inch = figure[1], int(image[12])
                if picture in OVERVIEWS:
                    continue
                with self.subTest(name=name, picture=picture):
                    self.assertIn(picture, SMALLEST_TEXT_PX)
                    self.assertGreaterEqual(SMALLEST_TEXT_PX[picture] * 72 / dots_per_inch, 7.0)

    def test_french_guide_splits_words_by_the_french_rules(self):
        path, _, _, source = self.guide("HelpOrlaSequentFR.pdf")
        patterns = read_french_patterns()
        own_hyphens = set()
        for compound in re.findall(r"[^\W\d_]+(?:-[^\W\d_]+)+", source.replace("\\%", "")):
            parts = compound.lower().split("-")
            own_hyphens.update(a + "-" + b for a, b in zip(parts, parts[1:]))
        splits = [(head, rest) for head, rest in split_words(text_lines(path))
                  if (head + "-" + rest).lower() not in own_hyphens]
        self.assertGreater(len(splits), 10)
        for head, rest in splits:
            with self.subTest(word=head + "-" + rest):
                self.assertIn(len(head), french_hyphenation_points(patterns, head + rest))

    def test_no_word_of_the_screen_is_split(self):
        # The guides set the screen's words in bold.
        for name in HELP_SOURCES:
            with self.subTest(name=name):
                path = self.guide(name)[0]
                split = [row for row in text_lines(path)
                         if re.search(r"[^\W\d_][-\u2010]</b>\s*$", row)]
                self.assertEqual(split, [])


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--help-documents":
        HELP_DOCUMENTS = sys.argv[2:4]
        del sys.argv[1:4]
        unittest.main(defaultTest="HelpDocuments", verbosity=2)
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    GENERATOR = sys.argv.pop(1)
    unittest.main(defaultTest="Generated", verbosity=2)
