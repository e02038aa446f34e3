#!/usr/bin/env python3
"""Load on the live site's server as in a full hall, on this machine only.

Start Quobel with the live site first, e.g.  quobel --live=8099 turnier.quobel
then:  scripts/lastprobe.py --port 8099 [--telefone 500] [--langsame 100] [--dauer 60]

- Phones: each asks for "/" over a connection it keeps while the server does,
  as a browser does, and reloads 2 s after each answer.
- Slow clients: each sends a request's bytes one every 2 s and opens a new
  connection when the server has dropped it; how long each connection lived
  is recorded.
- A visitor asks for "/" on a fresh connection every half second.

Each phone, slow client and the visitor has an address of its own in 127/8,
which Linux routes to this machine: the server's limit per address applies
as it would in a hall. Phones, slow clients and the visitor run in processes
of their own, and each says how late its own loop woke up: that much of a
time measured may be the script's, not the server's. Prints what was answered, the times of the answers and
how long the slow clients' connections lived; the exit code is 1 if a phone's
request went unanswered.
"""

import argparse
import asyncio
import concurrent.futures
import multiprocessing
import os
import random
import resource
import statistics
import sys
import time

NEULADEN_S = 2.0
TROEPFELN_S = 2.0
BESUCH_S = 0.5
ANTWORT_MAX_S = 30.0


def adresse(netz, i):
    return "127.%d.%d.%d" % (netz, i // 250, i % 250 + 1)


def anfrage(schliessen=False):
    return ("GET / HTTP/1.1\r\nHost: quobel\r\nUser-Agent: lastprobe\r\n%s\r\n"
            % ("Connection: close\r\n" if schliessen else "")).encode()


async def lies_antwort(leser):
    """Status, whether the server closes afterwards, and the body's length."""
    kopf = await leser.readuntil(b"\r\n\r\n")
    zeilen = kopf.decode("latin-1").split("\r\n")
    status = int(zeilen[0].split()[1])
    felder = {}
    for zeile in zeilen[1:]:
        if ":" in zeile:
            name, wert = zeile.split(":", 1)
            felder[name.strip().lower()] = wert.strip()
    laenge = int(felder.get("content-length", "0"))
    if laenge:
        await leser.readexactly(laenge)
    return status, felder.get("connection", "").lower() == "close", laenge


class Messung:
    def __init__(self):
        self.zeiten = []
        self.fehler = {}
        self.gesendet = 0

    def fehler_dazu(self, art):
        self.fehler[art] = self.fehler.get(art, 0) + 1


async def telefon(i, port, ende, messung):
    von = adresse(1, i)
    await asyncio.sleep(random.uniform(0, NEULADEN_S))
    leser = schreiber = None
    while time.monotonic() < ende:
        messung.gesendet += 1
        beginn = time.monotonic()
        beantwortet = False
        # A connection the server has closed meanwhile is opened anew, as a
        # browser does; the time counts from the first try.
        for versuch in range(2):
            neu = schreiber is None
            try:
                if neu:
                    leser, schreiber = await asyncio.wait_for(
                        asyncio.open_connection("127.0.0.1", port, local_addr=(von, 0)), ANTWORT_MAX_S)
                schreiber.write(anfrage())
                status, schliessen, _ = await asyncio.wait_for(lies_antwort(leser), ANTWORT_MAX_S)
            except (OSError, asyncio.IncompleteReadError, asyncio.TimeoutError, ValueError, IndexError) as e:
                if schreiber is not None:
                    schreiber.close()
                leser = schreiber = None
                if neu:
                    messung.fehler_dazu(type(e).__name__)
                    break
                continue
            if status == 200:
                messung.zeiten.append(time.monotonic() - beginn)
                beantwortet = True
            else:
                messung.fehler_dazu("Status %d" % status)
            if schliessen:
                schreiber.close()
                leser = schreiber = None
            break
        if not beantwortet:
            await asyncio.sleep(NEULADEN_S)
            continue
        await asyncio.sleep(NEULADEN_S)
    if schreiber is not None:
        schreiber.close()


async def langsam(j, port, ende, lebensdauern, offen_am_ende):
    von = adresse(2, j)
    text = b"GET / HTTP/1.1\r\nHost: quobel\r\nX-Langsam: " + b"a" * 10000
    while time.monotonic() < ende:
        try:
            leser, schreiber = await asyncio.open_connection("127.0.0.1", port, local_addr=(von, 0))
        except OSError:
            await asyncio.sleep(TROEPFELN_S)
            continue
        beginn = time.monotonic()
        # Ends when the server closes the connection (or answers, which it
        # does only with an error).
        weg = asyncio.ensure_future(leser.read(1 << 16))
        pos = 0
        while time.monotonic() < ende and not weg.done():
            try:
                schreiber.write(text[pos:pos + 1])
            except OSError:
                break
            pos = (pos + 1) % len(text)
            await asyncio.wait([weg], timeout=TROEPFELN_S)
        if not weg.done():
            await asyncio.wait([weg], timeout=0.5)
        if weg.done():
            if not weg.cancelled():
                weg.exception()
            lebensdauern.append(time.monotonic() - beginn)
        else:
            weg.cancel()
            offen_am_ende.append(time.monotonic() - beginn)
        schreiber.close()


async def besucher(port, ende, zeiten, fehler):
    von = adresse(3, 0)
    await asyncio.sleep(1.0)
    while time.monotonic() < ende:
        beginn = time.monotonic()
        try:
            leser, schreiber = await asyncio.wait_for(
                asyncio.open_connection("127.0.0.1", port, local_addr=(von, 0)), ANTWORT_MAX_S)
            schreiber.write(anfrage(schliessen=True))
            status, _, _ = await asyncio.wait_for(lies_antwort(leser), ANTWORT_MAX_S)
            schreiber.close()
            if status == 200:
                zeiten.append(time.monotonic() - beginn)
            else:
                fehler.append("Status %d" % status)
        except (OSError, asyncio.IncompleteReadError, asyncio.TimeoutError, ValueError, IndexError) as e:
            fehler.append(type(e).__name__)
        await asyncio.sleep(max(0.0, BESUCH_S - (time.monotonic() - beginn)))


async def takt(ende, verzug):
    """How late this script's own loop wakes up: what it adds to every time measured."""
    while time.monotonic() < ende:
        soll = time.monotonic() + 0.1
        await asyncio.sleep(0.1)
        verzug.append(time.monotonic() - soll)


def rechenzeit(pid):
    """Seconds of CPU the process has used, or None."""
    if not pid:
        return None
    try:
        with open("/proc/%d/stat" % pid) as datei:
            felder = datei.read().rsplit(")", 1)[1].split()
        return (int(felder[11]) + int(felder[12])) / os.sysconf("SC_CLK_TCK")
    except (OSError, IndexError, ValueError):
        return None


def quantil(werte, q):
    if not werte:
        return float("nan")
    werte = sorted(werte)
    return werte[min(len(werte) - 1, int(q * len(werte)))]


async def teil(rolle, port, anzahl, ende):
    """One part of the load in a process of its own, so that one part's work
    never shows up as another one's wait."""
    random.seed(1)
    ergebnis = {"verzug": []}
    if rolle == "telefone":
        messung = Messung()
        aufgaben = [telefon(i, port, ende, messung) for i in range(anzahl)]
    elif rolle == "langsame":
        ergebnis.update(lebensdauern=[], noch_offen=[])
        aufgaben = [langsam(j, port, ende, ergebnis["lebensdauern"], ergebnis["noch_offen"])
                    for j in range(anzahl)]
    else:
        ergebnis.update(zeiten=[], fehler=[])
        aufgaben = [besucher(port, ende, ergebnis["zeiten"], ergebnis["fehler"])]
    aufgaben = [asyncio.ensure_future(a) for a in aufgaben + [takt(ende, ergebnis["verzug"])]]
    # Everything ends by itself after the last request's longest wait.
    _, haengend = await asyncio.wait(aufgaben, timeout=ende - time.monotonic() + ANTWORT_MAX_S + NEULADEN_S + 5)
    for aufgabe in haengend:
        aufgabe.cancel()
    if rolle == "telefone":
        ergebnis.update(zeiten=messung.zeiten, fehler=messung.fehler, gesendet=messung.gesendet)
    return ergebnis


def lauf(rolle, port, anzahl, ende):
    return asyncio.run(teil(rolle, port, anzahl, ende))


def ms(werte):
    return "Median %.1f, 95 %% %.1f, 99 %% %.1f, längste %.1f" % (
        1e3 * statistics.median(werte), 1e3 * quantil(werte, 0.95), 1e3 * quantil(werte, 0.99), 1e3 * max(werte))


def probe(args):
    start = time.monotonic()
    ende = start + args.dauer
    cpu_vorher = rechenzeit(args.pid)
    with concurrent.futures.ProcessPoolExecutor(3, mp_context=multiprocessing.get_context("fork")) as pool:
        auftraege = {rolle: pool.submit(lauf, rolle, args.port, anzahl, ende)
                     for rolle, anzahl in (("telefone", args.telefone), ("langsame", args.langsame),
                                           ("besucher", 1))}
        t, l, b = (auftraege[rolle].result() for rolle in ("telefone", "langsame", "besucher"))
    cpu_nachher = rechenzeit(args.pid)

    print("Telefone: %d für %d s, alle %.0f s nach der Antwort neu geladen"
          % (args.telefone, args.dauer, NEULADEN_S))
    print("  Anfragen %d, beantwortet %d, Fehler %d %s"
          % (t["gesendet"], len(t["zeiten"]), sum(t["fehler"].values()), t["fehler"] or ""))
    if t["zeiten"]:
        print("  Antwortzeit ms: " + ms(t["zeiten"]))
    print("Langsame: %d, ein Byte alle %.0f s" % (args.langsame, TROEPFELN_S))
    if l["lebensdauern"]:
        print("  getrennt %d Verbindungen, nach s: kürzeste %.1f, Median %.1f, längste %.1f"
              % (len(l["lebensdauern"]), min(l["lebensdauern"]), statistics.median(l["lebensdauern"]),
                 max(l["lebensdauern"])))
    print("  am Ende offen %d, die älteste seit %.1f s"
          % (len(l["noch_offen"]), max(l["noch_offen"]) if l["noch_offen"] else 0.0))
    print("Besucher: %d Anfragen, Fehler %d %s" % (len(b["zeiten"]) + len(b["fehler"]), len(b["fehler"]),
                                                 b["fehler"][:5] if b["fehler"] else ""))
    if b["zeiten"]:
        print("  Antwortzeit ms: " + ms(b["zeiten"]))
    for name, teil_ in (("Telefone", t), ("Langsame", l), ("Besucher", b)):
        if teil_["verzug"]:
            print("Verspätung der Probe selbst (%s), ms: %s" % (name, ms(teil_["verzug"])))
    if cpu_vorher is not None and cpu_nachher is not None:
        print("Server (Prozess %d): %.0f %% eines Kerns" % (args.pid, 100 * (cpu_nachher - cpu_vorher)
                                                          / (time.monotonic() - start)))
    print("Last des Rechners (1 min): %.1f" % os.getloadavg()[0])
    return 0 if len(t["zeiten"]) == t["gesendet"] and not b["fehler"] else 1


def main():
    teil = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    teil.add_argument("--port", type=int, required=True)
    teil.add_argument("--telefone", type=int, default=500)
    teil.add_argument("--langsame", type=int, default=100)
    teil.add_argument("--dauer", type=int, default=60)
    teil.add_argument("--pid", type=int, help="Quobels Prozess: seine Rechenzeit wird mit ausgegeben")
    args = teil.parse_args()
    if not (0 <= args.telefone <= 60000 and 0 <= args.langsame <= 60000 and 1 <= args.dauer <= 3600):
        teil.error("zu viele Telefone oder Langsame, oder keine sinnvolle Dauer")
    # A socket per phone and slow client, and some to spare.
    bedarf = 2 * (args.telefone + args.langsame) + 100
    weich, hart = resource.getrlimit(resource.RLIMIT_NOFILE)
    if weich != resource.RLIM_INFINITY and weich < bedarf:
        resource.setrlimit(resource.RLIMIT_NOFILE, (min(bedarf, hart) if hart != resource.RLIM_INFINITY
                                                    else bedarf, hart))
    sys.exit(probe(args))


if __name__ == "__main__":
    main()
