#!/usr/bin/env python3
"""Packs data/species.csv, data/natures.csv and data/species_gen7-9.csv into
the three binary resources.

POKE_DATA:   854 records of 70 bytes: twelve little-endian signed 16-bit
             numbers, the name as 20 UTF-16LE code units (zero-terminated,
             zero-padded), six base-stat bytes in slot order HP, Attack,
             Defense, Speed, Sp. Atk, Sp. Def.
NATURE_DATA: 25 records of 18 bytes: the name as 6 UTF-16LE code units, six
             percentage bytes in stat order HP, Attack, Defense, Sp. Atk,
             Sp. Def, Speed.
MODERN_DATA: 1098 records of 83 bytes for generations 7 to 9: eleven
             little-endian signed 16-bit numbers (row id, national number, the
             nine regional numbers in MODERN_DEX_FIELDS order, -1 when
             absent), three bytes 0/1 (listed in generation 7, 8, 9), the
             name as 20 UTF-16LE code units, then eighteen base-stat bytes:
             six per generation 7, 8, 9 in slot order, 0 where not listed.

Usage: pack_gamedata.py SPECIES_CSV NATURES_CSV MODERN_CSV OUT_DIR
"""
import csv
import struct
import sys
from pathlib import Path

NUMBER_FIELDS = ["serialNo", "nationalNo", "rsHoennNo", "ptSinnohNo",
                 "hgssJohtoNo", "bwUnovaNo", "b2w2UnovaNo", "nationalNo6",
                 "xyCentralKalosNo", "xyCoastalKalosNo", "xyMountainKalosNo",
                 "orasHoennNo"]
BASE_FIELDS = ["hp", "atk", "def", "spe", "spa", "spd"]
NATURE_FIELDS = ["hp", "atk", "def", "spa", "spd", "spe"]
MODERN_DEX_FIELDS = ["alola_sm", "alola_usum", "galar", "isle_of_armor",
                     "crown_tundra", "sinnoh_bdsp", "paldea", "kitakami",
                     "blueberry"]
MODERN_GENERATIONS = [7, 8, 9]
MODERN_COUNT = 1098
MODERN_RECORD_BYTES = 83


def fail(message):
    sys.exit("pack_gamedata: " + message)


def encode_name(name, units):
    data = name.encode("utf-16-le")
    if len(data) // 2 > units - 1:
        fail(f"name too long: {name!r}")
    return data.ljust(units * 2, b"\0")


def pack_species(path):
    out = bytearray()
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    if len(rows) != 854:
        fail(f"{path}: {len(rows)} rows, expected 854")
    for k, row in enumerate(rows, 1):
        numbers = [int(row[field]) for field in NUMBER_FIELDS]
        if numbers[0] != k:
            fail(f"{path}: row {k} has serialNo {numbers[0]}")
        stats = [int(row[field]) for field in BASE_FIELDS]
        if not all(1 <= s <= 255 for s in stats):
            fail(f"{path}: row {k} has a base stat outside 1..255")
        out += struct.pack("<12h", *numbers)
        out += encode_name(row["name"], 20)
        out += bytes(stats)
    assert len(out) == 854 * 70
    return bytes(out)


def pack_natures(path):
    out = bytearray()
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    if len(rows) != 25:
        fail(f"{path}: {len(rows)} rows, expected 25")
    for row in rows:
        out += encode_name(row["name"], 6)
        percentages = [int(row[field]) for field in NATURE_FIELDS]
        if any(p not in (90, 100, 110) for p in percentages):
            fail(f"{path}: nature {row['name']} has a percentage other than 90/100/110")
        out += bytes(percentages)
    assert len(out) == 25 * 18
    return bytes(out)


def pack_modern(path):
    out = bytearray()
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    if len(rows) != MODERN_COUNT:
        fail(f"{path}: {len(rows)} rows, expected {MODERN_COUNT}")
    for k, row in enumerate(rows, 1):
        if int(row["row_id"]) != k:
            fail(f"{path}: row {k} has row_id {row['row_id']}")
        national = int(row["national"])
        if not 1 <= national <= 32767 or national != int(row["species_id"]):
            fail(f"{path}: row {k} has national number {national}")
        regional = [int(row[f]) if row[f] else -1 for f in MODERN_DEX_FIELDS]
        if any(not -1 <= n <= 32767 for n in regional):
            fail(f"{path}: row {k} has a regional number out of range")
        flags, stats = [], []
        for g in MODERN_GENERATIONS:
            flag = row[f"in_gen{g}"]
            if flag not in ("0", "1"):
                fail(f"{path}: row {k} has in_gen{g} {flag!r}")
            fields = [row[f"{s}{g}"] for s in BASE_FIELDS]
            if flag == "1":
                values = [int(v) for v in fields]
                if not all(1 <= v <= 255 for v in values):
                    fail(f"{path}: row {k} has a generation-{g} base stat outside 1..255")
            elif any(fields):
                fail(f"{path}: row {k} has generation-{g} base stats but is not listed there")
            else:
                values = [0] * 6
            flags.append(int(flag))
            stats += values
        out += struct.pack("<11h", k, national, *regional)
        out += bytes(flags)
        out += encode_name(row["name"], 20)
        out += bytes(stats)
    assert len(out) == MODERN_COUNT * MODERN_RECORD_BYTES
    return bytes(out)


def write_if_changed(path, data):
    if path.exists() and path.read_bytes() == data:
        return
    path.write_bytes(data)


def main():
    if len(sys.argv) != 5:
        fail("usage: pack_gamedata.py SPECIES_CSV NATURES_CSV MODERN_CSV OUT_DIR")
    out_dir = Path(sys.argv[4])
    out_dir.mkdir(parents=True, exist_ok=True)
    write_if_changed(out_dir / "POKE_DATA.bin", pack_species(sys.argv[1]))
    write_if_changed(out_dir / "NATURE_DATA.bin", pack_natures(sys.argv[2]))
    write_if_changed(out_dir / "MODERN_DATA.bin", pack_modern(sys.argv[3]))


if __name__ == "__main__":
    main()
