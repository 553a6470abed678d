#!/usr/bin/env python3
"""Writes the seed corpora of the store's fuzz targets (items_file_fuzz,
customers_file_fuzz, suppliers_file_fuzz, reminders_file_fuzz,
store_heading_fuzz, receipt_words_fuzz, received_log_fuzz, activity_log_fuzz,
till_config_fuzz, till_start_fuzz) from a data folder that `ovixinit --demo`
made:  python3 tests/fuzz/store_seeds.py DEMO_FOLDER
The parts of a seed follow the Chunks layout of tests/fuzz/fuzz_folder.h."""
import os
import struct
import sys

demo = sys.argv[1]
here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def read(name):
    with open(os.path.join(demo, name), "rb") as f:
        return f.read()


def seed(target, name, data):
    folder = os.path.join(here, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def n3(value):
    return struct.pack("<I", value)[:3]


def absent():
    return b"\x00"


def raw(data):
    return b"\x01" + n3(len(data)) + data


def over(offset, data):
    return b"\x02" + n3(offset) + n3(len(data)) + data


def cut(size):
    return b"\x03" + n3(size)


def record_seeds(target, name, size):
    whole = read(name)[:20 * size]  # a corpus stays small
    seed(target, "sample", whole)
    seed(target, "one-free", struct.pack("<q", -1) + bytes(size - 8))
    seed(target, "short", whole[:100])
    seed(target, "torn", whole[:4 * size] + whole[:size // 2])
    # Two records with one number, one with a negative number, a free one
    # whose description was left behind.
    twin = bytearray(whole[:3 * size])
    twin[size:size + 8] = twin[0:8]
    twin[2 * size:2 * size + 8] = struct.pack("<q", -7)
    seed(target, "damaged", bytes(twin))


record_seeds("items_file_fuzz", "film.dat", 1874)
record_seeds("customers_file_fuzz", "member.dat", 2094)
record_seeds("suppliers_file_fuzz", "mans.dat", 1058)
seed("suppliers_file_fuzz", "placeholder", bytes(66))

entry = struct.pack("<i", 2) + bytes(796) + struct.pack("<i", 1)
seed("reminders_file_fuzz", "blank", over(0, b"") + b"\x01")
seed("reminders_file_fuzz", "one-each-day",
     b"".join([]) + over(12932 * 2 + 4, entry + bytes(4) + b"MRS SMITH\x00") + b"\x03")
seed("reminders_file_fuzz", "count-too-high",
     over(804, struct.pack("<i", 100000)) + b"\x00")
seed("reminders_file_fuzz", "short", cut(12932 * 3 + 17) + b"\x02")
seed("reminders_file_fuzz", "missing", absent() + b"\x05")
seed("reminders_file_fuzz", "past", over(0, b"") + b"\x1f")

heading = read("ADDRESS.VT")
seed("store_heading_fuzz", "sample", heading)
seed("store_heading_fuzz", "short", heading[:50])
seed("store_heading_fuzz", "no-ends", b"\xa3" * 400)

words = bytearray(4640)
for slot, text in enumerate([b"English", b"Qty", b"Total", b"Change"]):
    words[slot * 80:slot * 80 + len(text)] = text
seed("receipt_words_fuzz", "english", b"\x00" + bytes(words))
seed("receipt_words_fuzz", "cut", b"\x02" + bytes(words[:1000]))
seed("receipt_words_fuzz", "no-ends", b"\x07" + b"x" * 500)

items = read("film.dat")[:1874 * 12]
received = struct.pack("<qq", 1, 5) + struct.pack("<qq", 4, -2) + struct.pack("<qq", 999, 1)
seed("received_log_fuzz", "sample", raw(items) + received)
seed("received_log_fuzz", "torn", raw(items[:1874 * 2]) + received + b"\x01\x02\x03")
seed("received_log_fuzz", "no-items", absent() + received)

log = (b"\r\n09:00 04/03/2026  Switched on.\r\n"
       b"\r\n17:30 04/03/2026  Switched off.  Clerk 1\r\n"
       b"\r\n09:00 05/03/2026  Switched on.\r\n")
seed("activity_log_fuzz", "two-days", raw(log) + raw(log[:40]) + b"\x00" + b"04/03/2026")
seed("activity_log_fuzz", "full", cut(150001) + absent() + b"\x01" + b"05/03/2026")
seed("activity_log_fuzz", "torn", raw(log[:-5] + b"\x00\xff") + absent() + b"\xff" + b"31/02/2026")

config = read("wr.cfg")
seed("till_config_fuzz", "sample", config)
seed("till_config_fuzz", "short", config[:3000])
damaged = bytearray(config)
damaged[76:80] = struct.pack("<i", 99)           # day of last use
damaged[7954:7962] = b"\xff" * 8                 # a takings history entry: not a number
for at in range(100, 40000, 997):                # garbage across the block
    damaged[at] = 0xEE
seed("till_config_fuzz", "damaged", bytes(damaged))

# till_start_fuzz: wr.cfg, film.dat, member.dat, mans.dat, bun4.dat, bun2.dat,
# resn.dat, ADDRESS.VT, language.ini, ovix.jnl; then days and the answer.
keep = over(0, b"")
sample_shop = keep * 4 + absent() * 2 + keep * 2 + absent() * 2
seed("till_start_fuzz", "sample-next-day", sample_shop + b"\x01\x00")
seed("till_start_fuzz", "sample-week-later", sample_shop + b"\x07\x00")
seed("till_start_fuzz", "short-config",
     cut(5000) + keep * 3 + raw(log) + absent() + keep * 2 + absent() * 2 + b"\x02\x00")
seed("till_start_fuzz", "damaged-config",
     over(76, struct.pack("<i", 77)) + keep * 3 + absent() * 2 + cut(99) + keep
     + raw(bytes(words)) + absent() + b"\x01\x01")
seed("till_start_fuzz", "torn-items",
     keep + cut(1874 * 3 + 20) + keep * 2 + absent() * 2 + keep * 2 + absent()
     + raw(b"OVIXJNL\x00garbage") + b"\x01\x00")
seed("till_start_fuzz", "missing-members",
     keep * 2 + absent() + keep + absent() * 6 + b"\x00\x00")
