"""The real program under Wine for the end-to-end tests: a private Wine
prefix with the program folder installed, a simulated decoder on a COM port,
the box watcher beside the program, and screenshots of the Xvfb screen.
"""

import os
import shutil
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
        """Starts the program with the watcher, takes a screenshot once the
        start-up's boxes have been answered, lets the watcher close the
        program, and returns (exit code, boxes as (caption, text, buttons, icon),
        whether the window was maximised then)."""
        log = os.path.join(self.work, name + ".boxes")
        shot = os.path.join(self.out, name + ".png")
        script = "boxes %d;quiet 500;mark quiet;file Z:%s;close" % (boxes, shot.replace("/", "\\"))
        watcher_args = [self.wine_env, "wine", self.watcher, log, "--script", script,
                        "--timeout", str(timeout_s * 1000)]
        for old in (log, shot):
            if os.path.exists(old):
                os.unlink(old)
        watcher = subprocess.Popen(watcher_args, env=self.env)
        program = subprocess.Popen([self.wine_env, "wine", self.path(exe)], env=self.env)
        deadline = time.time() + timeout_s
        took_shot = False
        while program.poll() is None and time.time() < deadline:
            if not took_shot and "#mark quiet" in read_text(log):
                subprocess.run(["import", "-window", "root", shot])
                open(shot, "ab").close()  # the watcher closes the program once it is there
                took_shot = True
            time.sleep(0.1)
        if program.poll() is None:
            program.kill()
        watcher.wait(timeout=30)
        text = read_text(log)
        return program.wait(), parse_boxes(text), "#mark quiet maximised" in text


def read_text(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode("cp1252")
    except FileNotFoundError:
        return ""


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
