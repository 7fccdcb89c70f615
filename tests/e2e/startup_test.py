#!/usr/bin/env python3
"""Start-up of the real program under Wine with a simulated decoder: the box
that tells which decoder was found, and the interface settings file that the
start-up rewrites. Each case ends by closing the program with the user's yes.

Usage: startup_test.py ROOT PREFIX DIST WATCHER DECODER_SIM OUT
"""

import os
import sys
import unittest

from program_session import ProgramTest, bmp_pixel

ROOT, PREFIX, DIST, WATCHER, SIM, OUT = sys.argv[1:7]
INTERFACE_FILE = "RéglagesInterface2.rg"
READY = "\r\nLogiciel prêt à fonctionner."
CONFIRM = ("Zelquanodrim", "Etes vous sûr de vouloir fermer l'application ?", "yesno",
           "question")


class StartUp(ProgramTest):
    SESSION_ARGS = (ROOT, PREFIX, DIST, WATCHER, SIM, OUT)

    def write_interface(self, content):
        with open(self.session.path(INTERFACE_FILE), "wb") as f:
            f.write(content)

    def interface(self):
        with open(self.session.path(INTERFACE_FILE), "rb") as f:
            return f.read()

    def start(self, name, startup_boxes=1):
        code, boxes, maximised, shot = self.session.run_program(name, startup_boxes)
        self.assertEqual(code, 0)
        self.assertTrue(maximised)
        # The screenshot shows the finished window: where the start-up box
        # stood (centred on the screen) the empty board's background shows,
        # as it does at the board's left end.
        self.assertEqual(bmp_pixel(shot, 800, 490), bmp_pixel(shot, 60, 600))
        return boxes

    def test_vq2_usb_decoder_is_named_with_its_serial_number(self):
        self.write_interface(b"COM1\t0\tZelquanodrim\r\n")
        self.decoder = self.session.start_decoder("COM1", "--kind", "vq2usb", "--serial", "258")
        boxes = self.start("startup-vq2-usb")
        self.assertEqual(boxes, [
            ("Message", "Décodeur VQ2 USB n°000258 connecté." + READY, "ok", "none"),
            CONFIRM])
        self.assertEqual(self.interface(), b"COM1\t1\tZelquanodrimVQ2\r\n")

    def test_silent_decoder_is_taken_for_a_vq1_whatever_the_file_said(self):
        self.write_interface(b"COM1\t1\tZelquanodrimVQ2Bluetooth\r\n")
        self.decoder = self.session.start_decoder("COM1", "--kind", "vq1")
        boxes = self.start("startup-vq1")
        self.assertEqual(boxes, [
            ("Message", "Interface Zelquanodrim VQ1 USB connectée." + READY, "ok", "none"),
            CONFIRM])
        self.assertEqual(self.interface(), b"COM1\t1\tZelquanodrim\r\n")

    def test_port_with_nothing_behind_it_is_written_not_connected(self):
        self.write_interface(b"COM3\t1\tZelquanodrimVQ2\r\n")
        boxes = self.start("startup-no-decoder")
        self.assertEqual(boxes, [
            ("Message", "Echec à l'ouverture du port COM", "ok", "none"), CONFIRM])
        self.assertEqual(self.interface(), b"COM3\t0\tZelquanodrim\r\n")

    def test_missing_file_gives_two_boxes_and_a_new_file(self):
        os.unlink(self.session.path(INTERFACE_FILE))
        boxes = self.start("startup-no-interface-file", 2)
        self.assertEqual(boxes, [
            ("Erreur", "Erreur: impossible d'ouvrir le fichier Interface Port COM", "ok", "none"),
            ("Message", "Echec à l'ouverture du port COM", "ok", "none"),
            CONFIRM])
        self.assertEqual(self.interface(), b"\t0\tZelquanodrim\r\n")
        # The window's destruction leaves a results file without a race.
        with open(self.session.path("DetailResultats.res"), "rb") as f:
            self.assertEqual(f.read(), b"CLASSEMENTToursTemps\t\r\n" + b"(NA)\t0\t\r\n" * 20)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
