"""The real program under Wine for the end-to-end tests: a private Wine
prefix with the program folder installed, a simulated decoder on a COM port,
the box watcher beside the program, and screenshots of the Xvfb screen.
"""

import os
import shutil
import struct
import subprocess
import time
import unittest

PROGRAM_FOLDER = "Zelquan Orla Sequent"


class Session:
    def __init__(self, root, prefix, dist, watcher, sim, out):
        self.root = root
        self.prefix = prefix
        self.dist = dist
        self.watcher = watcher
        self.sim = sim
        self.out = out
        self.env = dict(os.environ, RACETIMER_WINEPREFIX=prefix)
        self.wine_env = os.path.join(root, "tools", "wine", "wine-env")
        self.folder = os.path.join(prefix, "drive_c", "Program Files", PROGRAM_FOLDER)
        self.work = os.path.join(prefix, "e2e-work")

    def tool(self, *args, **kwargs):
        return subprocess.run([self.wine_env, *args], env=self.env, check=True, **kwargs)

    def prepare(self):
        """The prefix once (kept between runs), its COM lines, one server."""
        subprocess.run([os.path.join(self.root, "tools", "wine", "prepare-prefix"), "1600x900"],
                       env=self.env, check=True, stdout=subprocess.DEVNULL)
        subprocess.run([os.path.join(self.root, "tools", "wine", "map-com-port")],
                       env=self.env, check=True)
        subprocess.run([os.path.join(self.root, "tools", "wine", "start-server")],
                       env=self.env, check=True)
        os.makedirs(self.work, exist_ok=True)
        os.makedirs(self.out, exist_ok=True)

    def finish(self):
        subprocess.run([self.wine_env, "wineserver", "-k"], env=self.env)

    def install(self):
        """A fresh program folder, as the build assembled it."""
        shutil.rmtree(self.folder, ignore_errors=True)
        shutil.copytree(self.dist, self.folder)

    def path(self, name):
        return os.path.join(self.folder, name)

    def com_line(self, port):
        return os.path.join(self.prefix, "com-lines", port.lower())

    def start_decoder(self, port, *options):
        link = self.com_line(port)
        if os.path.lexists(link):
            os.unlink(link)
        sim = subprocess.Popen([self.sim, "--link", link, "--lifetime", "300", *options])
        deadline = time.time() + 10
        while not os.path.lexists(link):
            if time.time() > deadline or sim.poll() is not None:
                raise RuntimeError("decoder-sim did not come up on " + link)
            time.sleep(0.05)
        return sim

    def run_program(self, name, boxes, exe="racetimer-fr.exe", timeout_s=90):
        """Starts the program with the watcher, which takes a screenshot once
        the start-up's boxes have been answered and the window is painted,
        then closes the program; returns (exit code, boxes as (caption, text,
        buttons, icon), whether the window was maximised then, the
        screenshot's path)."""
        log = os.path.join(self.work, name + ".boxes")
        shot = os.path.join(self.out, name + ".bmp")
        script = "boxes %d;shot Z:%s;mark quiet;close" % (boxes, shot.replace("/", "\\"))
        watcher_args = [self.wine_env, "wine", self.watcher, log, "--script", script,
                        "--timeout", str(timeout_s * 1000)]
        for old in (log, shot):
            if os.path.exists(old):
                os.unlink(old)
        watcher = subprocess.Popen(watcher_args, env=self.env)
        program = subprocess.Popen([self.wine_env, "wine", self.path(exe)], env=self.env)
        try:
            code = program.wait(timeout=timeout_s)
        except subprocess.TimeoutExpired:
            program.kill()
            code = program.wait()
        watcher.wait(timeout=30)
        text = read_text(log)
        return code, parse_boxes(text), "#mark quiet maximised" in text, shot


def read_text(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode("cp1252")
    except FileNotFoundError:
        return ""


def bmp_pixel(path, x, y):
    """(red, green, blue) at x, y (top row 0) of a 24-bit BMP written by the watcher."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    at = offset + (height - 1 - y) * ((width * 3 + 3) & ~3) + 3 * x
    return data[at + 2], data[at + 1], data[at]


def parse_boxes(log):
    boxes = []
    for line in log.splitlines():
        if line.startswith("#"):
            continue
        caption, text, buttons, icon = line.split("\t")
        boxes.append((caption, text.replace("\\r", "\r").replace("\\n", "\n"), buttons, icon))
    return boxes


class ProgramTest(unittest.TestCase):
    """One session for the class, built from SESSION_ARGS; each test on a fresh
    program folder, its decoder (self.decoder) ended after it."""
    SESSION_ARGS = ()

    @classmethod
    def setUpClass(cls):
        cls.session = Session(*cls.SESSION_ARGS)
        cls.session.prepare()

    @classmethod
    def tearDownClass(cls):
        cls.session.finish()

    def setUp(self):
        self.session.install()
        self.decoder = None

    def tearDown(self):
        if self.decoder:
            self.decoder.terminate()
            self.decoder.wait()
