#!/usr/bin/python3
"""The game under a real screen reader: fenrir in its PTY emulation, with its
default focus settings and its speech appended to a file, is what a blind
player hears. Keys go in as a terminal sends them; the screen is followed with
pyte only to know when the game is there.

    voorlezer.py PROGRAM

Exit status 0: every key said what it should; 1: it did not (the speech is
printed); 77: fenrir or pyte is missing (skipped, with the reason).
"""
import configparser
import fcntl
import os
import pty
import select
import shutil
import struct
import sys
import tempfile
import termios
import time

OVERSLAAN = 77
INSTELLINGEN = "/etc/fenrirscreenreader/settings/settings-pty.conf"
OMLAAG, OMHOOG, ENTER = b"\x1b[B", b"\x1b[A", b"\r"
# A generous bound for speech that never comes; speech normally follows a key
# within a second.
GRENS = 20.0
STIL = 1.5  # seconds without new speech: it has said what the key made it say

try:
    import pyte
except ImportError:
    pyte = None


class Voorlezer:
    def __init__(self, programma, map_):
        self.log = os.path.join(map_, "gezegd.txt")
        open(self.log, "w").close()
        spreek = os.path.join(map_, "spreek.sh")
        with open(spreek, "w") as f:
            f.write('#!/bin/sh\nprintf "%s\\n" "$1" >> "' + self.log + '"\n')
        os.chmod(spreek, 0o755)
        instellingen = configparser.ConfigParser(interpolation=None)
        instellingen.optionxform = str
        instellingen.read(INSTELLINGEN)
        instellingen["sound"]["enabled"] = "False"
        instellingen["speech"]["driver"] = "genericDriver"
        instellingen["speech"]["genericSpeechCommand"] = spreek + ' "fenrirText"'
        instellingen["general"]["shell"] = programma
        instellingen["general"]["debugFile"] = os.path.join(map_, "fenrir.log")
        instellingen["general"]["autoSpellCheck"] = "False"
        instellingen["remote"]["enable"] = "False"
        bestand = os.path.join(map_, "fenrir.conf")
        with open(bestand, "w") as f:
            instellingen.write(f)

        self.scherm = pyte.Screen(80, 25)
        self.stroom = pyte.ByteStream(self.scherm)
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.environ["TERM"] = "xterm-256color"
            os.execvp("fenrir", ["fenrir", "-e", "-s", bestand])
        fcntl.ioctl(self.fd, termios.TIOCSWINSZ, struct.pack("HHHH", 25, 80, 0, 0))

    def lees(self, seconden):
        einde = time.monotonic() + seconden
        while (rest := einde - time.monotonic()) > 0:
            if select.select([self.fd], [], [], rest)[0]:
                try:
                    self.stroom.feed(os.read(self.fd, 65536))
                except OSError:
                    return

    def gezegd(self):
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()

    def wacht_op_scherm(self, tekst):
        einde = time.monotonic() + GRENS
        while not any(tekst in regel for regel in self.scherm.display):
            if time.monotonic() > einde:
                raise AssertionError(f'"{tekst}" kwam niet op het scherm:\n' +
                                     "\n".join(self.scherm.display))
            self.lees(0.1)

    def wacht_tot_stil(self):
        """Reads on until the speech has been quiet for STIL seconds."""
        einde = time.monotonic() + GRENS
        aantal, sinds = len(self.gezegd()), time.monotonic()
        while time.monotonic() - sinds < STIL and time.monotonic() < einde:
            self.lees(0.1)
            if len(self.gezegd()) != aantal:
                aantal, sinds = len(self.gezegd()), time.monotonic()

    def druk(self, toets):
        """The speech that answers one key."""
        voor = len(self.gezegd())
        os.write(self.fd, toets)
        self.wacht_tot_stil()
        return " | ".join(self.gezegd()[voor:])

    def stop(self):
        try:
            os.kill(self.pid, 15)
            os.waitpid(self.pid, 0)
        except OSError:
            pass


def main():
    if shutil.which("fenrir") is None or pyte is None or not os.path.exists(INSTELLINGEN):
        print("overgeslagen: fenrir of python3-pyte ontbreekt (apt-get install fenrir python3-pyte)")
        return OVERSLAAN
    fouten = []
    with tempfile.TemporaryDirectory() as map_:
        lezer = Voorlezer(os.path.abspath(sys.argv[1]), map_)
        try:
            lezer.wacht_op_scherm("Hoofdmenu")
            lezer.wacht_tot_stil()  # it reads the whole first screen
            items = ["Spel Starten", "Informatie", "Afsluiten"]
            for naam, toets, item in [("omlaag", OMLAAG, "Informatie"), ("omlaag", OMLAAG, "Afsluiten"),
                                      ("omhoog", OMHOOG, "Informatie"), ("omhoog", OMHOOG, "Spel Starten"),
                                      ("omlaag", OMLAAG, "Informatie")]:
                gezegd = lezer.druk(toets)
                print(f"{naam}: {gezegd}")
                anders = [ander for ander in items if ander != item and ander in gezegd]
                if item not in gezegd or anders:
                    fouten.append(f'{naam}: "{item}" verwacht, gezegd: "{gezegd}"')
            stappen = [("omhoog", OMHOOG, None),
                       ("Enter: het bos in", ENTER, "Je staat aan het begin van het bos"),
                       ("omlaag: een stap naar het zuiden", OMLAAG, "Je staat in een hoek van het bos")]
            for naam, toets, plek in stappen:
                gezegd = lezer.druk(toets)
                print(f"{naam}: {gezegd}")
                if plek and plek not in gezegd:
                    fouten.append(f'{naam}: "{plek}" verwacht, gezegd: "{gezegd}"')
        finally:
            lezer.stop()
    for fout in fouten:
        print("FOUT:", fout)
    return 1 if fouten else 0


if __name__ == "__main__":
    sys.exit(main())
