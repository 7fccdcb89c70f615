#!/usr/bin/env python3
"""Whole races with the real program under Wine: the grid composed in the
starting grid dialog from a pilot database, the options set in the race
options dialog, the race length and countdown typed into the main window,
Depart pressed, the simulated decoder playing a scripted race of 10 cars,
and the detailed results file written by the detailed results command
compared with the lap times the script implies.

Usage: race_test.py ROOT PREFIX DIST DRIVER DECODER_SIM OUT
"""

import os
import subprocess
import sys
import time
import unittest

from program_session import ProgramTest

ROOT, PREFIX, DIST, DRIVER, SIM, OUT = sys.argv[1:7]
PORT = "COM2"
CARS = 10
FIRST_TRANSPONDER = 1001
# A pilot of the database who is not on the grid, and a transponder nobody has.
SPECTATOR = ("Zoe Spectatrice", 1099)
STRANGER = 4242
PROTECTION_S = 3


def pilot(i):
    return "Pilote %02d" % (i + 1)


def lap_time(car, n):
    return 5200 + 170 * car + (n * 53 + car * 31) % 400


def decoder_time(ms):
    return "%d:%02d:%02d.%03d" % (ms // 3600000, ms // 60000 % 60, ms // 1000 % 60, ms % 1000)


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def run_driver(session, script, log, timeout_s):
    """The program and the race driver beside it; returns the program's
    exit code once the driver has closed it."""
    driver = subprocess.Popen([session.wine_env, "wine", DRIVER, windows_path(script),
                               windows_path(log), "--timeout", str(timeout_s * 1000)],
                              env=session.env)
    program = subprocess.Popen([session.wine_env, "wine", session.path("racetimer-fr.exe")],
                               env=session.env)
    deadline = time.time() + timeout_s + 10
    # Without its driver the program would wait for a user that never comes.
    while program.poll() is None and driver.poll() is None and time.time() < deadline:
        time.sleep(0.2)
    if driver.poll() is not None:
        deadline = min(deadline, time.time() + 10)
    while program.poll() is None and time.time() < deadline:
        time.sleep(0.2)
    if program.poll() is None:
        program.kill()
    driver.wait(timeout=30)
    return program.wait()


class Race:
    """A scripted race: every car's passings in decoder time, the ones the
    program must count and the ones it must not."""

    def __init__(self, laps_of_car):
        self.passings = []      # (decoder ms, transponder)
        self.counted = {}       # car -> decoder times of its laps
        for car in range(CARS):
            t = 800 + 250 * car  # its crossing from the grid
            times = []
            n = 0
            while True:
                times.append(t)
                n += 1
                if laps_of_car(times):
                    break
                t += lap_time(car, n)
            self.counted[car] = times
            extra = [times[-1] + lap_time(car, n), times[-1] + 2 * lap_time(car, n)]
            # A double detection inside the protection time, on lap 4.
            double = [times[3] + 1000] if len(times) > 5 else []
            for ms in times + extra + double:
                self.passings.append((ms, FIRST_TRANSPONDER + car))
        for ms in range(5000, max(p[0] for p in self.passings), 10000):
            self.passings.append((ms, STRANGER))
        self.passings.sort()

    def scenario(self):
        return "".join("%d %s\n" % (t, decoder_time(ms)) for ms, t in self.passings)

    def results_file(self, ranking_key, origin):
        lines = [ranking_key + "\t"]
        for car in range(20):
            if car < CARS:
                times = [ms - origin for ms in self.counted[car]]
                lines.append("%s\t%d\t" % (pilot(car), len(times)) +
                             "".join("%d\t" % ms for ms in times))
            else:
                lines.append("(NA)\t0\t")
        return "".join(line + "\r\n" for line in lines).encode("cp1252")


class WholeRace(ProgramTest):
    SESSION_ARGS = (ROOT, PREFIX, DIST, None, SIM, OUT)

    def setUp(self):
        super().setUp()
        names = [pilot(i) for i in range(CARS)] + [SPECTATOR[0]]
        chips = ["%06d" % (FIRST_TRANSPONDER + i) for i in range(CARS)] + ["%06d" % SPECTATOR[1]]
        self.write("BaseDonnéesNomPilotes.bd", "".join(n + "\r\n" for n in names))
        self.write("BaseDonnéesPuce.bd", "".join(c + "\r\n" for c in chips))
        self.write("RéglagesInterface2.rg", PORT + "\t0\tZelquanodrim\r\n")

    def write(self, name, text):
        with open(self.session.path(name), "wb") as f:
            f.write(text.encode("cp1252"))

    def run_race(self, name, race, options, length_steps):
        work = self.session.work
        scenario = os.path.join(work, name + ".scenario")
        with open(scenario, "w") as f:
            f.write(race.scenario())
        self.decoder = self.session.start_decoder(
            PORT, "--kind", "vq2usb", "--scenario", scenario, "--wait-reset", "--speed", "4")
        results = os.path.join(work, name + ".res")
        if os.path.exists(results):
            os.unlink(results)
        grid = ["select %d %s" % (3100 + k + 1, pilot(k) if k < CARS else "(NA)")
                for k in range(20)]
        steps = (["boxes 1", "command 1002", "dialog Pilotes pour la course"] + grid +
                 ["set 3121 Finale e2e", "click 1", "gone",
                  "command 1003", "dialog Options de course"] + options +
                 ["set 3203 %d" % PROTECTION_S, "click 1", "gone"] + length_steps +
                 ["set 1401 3", "mark depart", "command 1101", "disabled 1101",
                  "enabled 1101", "mark race-over", "command 1008", "dialog Résultats détaillés",
                  "copy C:\\Program Files\\Zelquan Orla Sequent\\DetailResultats.res|Z:" +
                  results.replace("/", "\\"), "click 1", "gone", "close"])
        script = os.path.join(work, name + ".steps")
        with open(script, "wb") as f:
            f.write("".join(s + "\r\n" for s in steps).encode("cp1252"))
        log = os.path.join(work, name + ".log")
        code = run_driver(self.session, script, log, timeout_s=240)
        with open(log, "rb") as f:
            played = f.read().decode("cp1252")
        self.assertEqual(code, 0, played)
        self.assertNotIn("#failed", played)
        self.assertNotIn("#timeout", played)
        self.assertNotIn("Erreur", played)
        with open(results, "rb") as f:
            return f.read()

    def test_race_by_time_with_every_car_finishing_its_lap(self):
        race = Race(lambda times: times[-1] >= 60000)
        got = self.run_race("race-by-time", race,
                            ["click 3201", "click 3204", "click 3208", "click 3209"],
                            ["click 1301", "set 1303 0", "set 1304 1"])
        self.assertEqual(got.decode("cp1252"),
                         race.results_file("CLASSEMENTToursTemps", 0).decode("cp1252"))

    def test_race_by_laps_started_by_the_first_car(self):
        race = Race(lambda times: len(times) == 6)
        first = min(ms for ms, t in race.passings if t != STRANGER)
        got = self.run_race("race-by-laps", race,
                            ["click 3202", "click 3205", "click 3207", "click 3211"],
                            ["click 1302", "set 1305 6"])
        self.assertEqual(got.decode("cp1252"),
                         race.results_file("CLASSEMENTMeilleurTour", first).decode("cp1252"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
