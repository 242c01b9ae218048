#!/usr/bin/env python3
"""Build data/species.csv, the species table that becomes the POKE_DATA resource.

Usage:
    python3 scripts/make_species_csv.py [GAMEDATA_DIR]

GAMEDATA_DIR defaults to ../shared/gamedata relative to the repository root
(relative paths given on the command line are taken from the current
directory). It must hold species_names.csv, dex_numbers.csv, forms.csv,
base_stats_gen5.csv and base_stats_gen6.csv. Only the standard library is
used. Every rule of the table is checked with an assertion; the script stops
with a message and writes nothing when one of them is broken.

Output columns (UTF-8, "\\n", one header line, 854 rows, -1 = absent):
    serialNo,nationalNo,rsHoennNo,ptSinnohNo,hgssJohtoNo,bwUnovaNo,b2w2UnovaNo,
    nationalNo6,xyCentralKalosNo,xyCoastalKalosNo,xyMountainKalosNo,
    orasHoennNo,name,hp,atk,def,spe,spa,spd
Base stats are written in the games' slot order HP, Attack, Defense, Speed,
Sp. Atk, Sp. Def (the input files use HP, Atk, Def, SpA, SpD, Spe).

Layout
------
Rows 1-750: national numbers 1..721 in ascending order, one row per species.
A species of 1..649 whose base stats changed in generation 6 (29 of them,
found by comparing the two base stat files) gets two rows with the same name:
first the generation 3-5 row (nationalNo, older regional numbers, gen-5
stats), then the generation 6 row (nationalNo6, Kalos and ORAS numbers, gen-6
stats). Species 650..721 have no nationalNo.

Rows 751-854: the further forms (104 rows). A form is a further form when
  * it has a base-stat record of its own (PokeAPI pokemon_id 10001..10090:
    alternate formes, Megas, primal forms, cosplay Pikachu), or
  * it is a non-default form of Cherrim (Sunshine), Floette (four flower
    colours) or Furfrou (nine trims). These share the default pokemon's base
    stats but are listed form by form anyway: Floette because of its Eternal
    Flower, Cherrim like the other weather-changed form of Castform, Furfrou
    because the trim is chosen by the player.
All other cosmetic forms (Unown letters, Burmy cloaks, Shellos/Gastrodon seas,
Arceus plates, Genesect drives, seasons, gender looks, Vivillon patterns,
Flabebe/Florges colours, Xerneas' Active Mode, spiky-eared Pichu) get no row.

Ordering of rows 751-854: sort key
    (carries no national number, species is from generation 6,
     is a Mega Evolution or primal form, pokemon_id, form_id)
where forms without a pokemon of their own (the cosmetic ones above) sort
after all pokemon_ids of their group. In words:
  1. the 24 forms counted under their species' number, in PokeAPI pokemon_id
     order (Deoxys, Wormadam, Shaymin, Giratina, Rotom, Tornadus, Thundurus,
     Landorus, Kyurem black/white, Pumpkaboo, Gourgeist, Hoopa Unbound);
  2. forms without a national number of species 1..649: first the ordinary
     forms (Castform, Basculin, Darmanitan, Meloetta, Keldeo, the six cosplay
     Pikachu, Cherrim Sunshine), then the Mega Evolutions and the two primal
     forms, each in pokemon_id order;
  3. forms without a national number of species 650..721 (Meowstic female,
     Aegislash Blade, Floette Eternal, the four other Floette colours, the
     nine Furfrou trims), then Mega Diancie.
This puts Heat Rotom at row 758 and Mega Charizard X at row 790, which the
script checks. Other natural-looking orders (pure pokemon_id order, form_id
order, species order) do not put those two rows there.

National numbers of further forms
---------------------------------
The forms of Deoxys, Wormadam, Giratina, Shaymin, Rotom, Tornadus, Thundurus,
Landorus and Kyurem are counted under the species' number in generations 3-5
and 6: they carry nationalNo, nationalNo6 and every regional number of the
species (e.g. Heat Rotom: 479, Sinnoh 152, Mountain Kalos 68). The forms of
Pumpkaboo, Gourgeist and Hoopa exist from generation 6 only and carry only
nationalNo6 and the Kalos/ORAS numbers. All other further forms carry no
number at all: 48 Megas, 2 primal forms, 9 Furfrou, 6 Pikachu, 5 Floette,
3 Castform and one each of Cherrim, Basculin, Darmanitan, Meloetta, Keldeo,
Meowstic and Aegislash.

Names
-----
A row of a further form is named species + U+3000 + form name. The default
form of a species is named the same way only when its forms differ in base
stats (some further-form row has base stats other than the default's) and the
games show a form name for it: デオキシス　ノーマルフォルム, ミノマダム　くさきのミノ,
ギラティナ　アナザーフォルム, シェイミ　ランドフォルム, ヒヒダルマ　ノーマルモード,
トルネロス/ボルトロス/ランドロス　けしんフォルム, メロエッタ　ボイスフォルム,
フラエッテ　あかいはな (the Eternal Flower differs), ギルガルド　シールドフォルム,
バケッチャ/パンプジン　ふつうのサイズ and フーパ　いましめられしフーパ (the games
call confined Hoopa by that name).
The default row is the plain species name otherwise:
  * when all its further forms share its base stats: ポワルン, チェリム, バスラオ,
    ケルディオ, トリミアン, ニャオニクス, so that a player who types the species
    name finds it;
  * ロトム, キュレム, カイオーガ, グラードン - PokeAPI's "...のすがた" names for
    these defaults are not used;
  * species whose default form has no form name at all (all species with Mega
    Evolutions, ピカチュウ).
Species without further-form rows are always named plainly (ミノムッチ,
アルセウス, ゲノセクト, ゼルネアス, ...).
Corrections to upstream names:
  * Pikachu Libre is spelled マスク・ド・ピカチュウ as in the games (PokeAPI:
    マスクド・ピカチュウ);
  * the primal forms are named ゲンシカイオーガ and ゲンシグラードン (PokeAPI:
    ゲンシカイキのすがた for both).

Base stats
----------
Rows with nationalNo take the generation-5 file, all other rows the
generation-6 file (looked up by pokemon_id; cosmetic forms use their default
pokemon). Eternal Floette (pokemon 10061, marked Unobtainable upstream because
it was never released) is the fifth Floette row and takes its generation-6
stats 74/65/67/92/125/128. Alternate forms that carry both national numbers
must have equal stats in both files (checked).

Upstream Black/White Unova numbers 153-155 (Keldeo, Meloetta, Genesect) were
only assigned after those games came out and are dropped.
"""

import csv
import os
import sys

IDEOGRAPHIC_SPACE = "\u3000"
ROW_COUNT = 854
MAIN_ROWS = 750

HEADER = ("serialNo,nationalNo,rsHoennNo,ptSinnohNo,hgssJohtoNo,bwUnovaNo,"
          "b2w2UnovaNo,nationalNo6,xyCentralKalosNo,xyCoastalKalosNo,"
          "xyMountainKalosNo,orasHoennNo,name,hp,atk,def,spe,spa,spd")

OLD_DEX = ("hoenn_rse", "sinnoh_pt", "johto_hgss", "unova_bw", "unova_b2w2")
NEW_DEX = ("kalos_central", "kalos_coastal", "kalos_mountain", "hoenn_oras")

# Inclusive ranges of every number column.
RANGES = {
    "nationalNo": (1, 649),
    "rsHoennNo": (1, 202),
    "ptSinnohNo": (1, 210),
    "hgssJohtoNo": (1, 256),
    "bwUnovaNo": (0, 152),
    "b2w2UnovaNo": (0, 300),
    "nationalNo6": (1, 721),
    "xyCentralKalosNo": (1, 153),
    "xyCoastalKalosNo": (1, 153),
    "xyMountainKalosNo": (1, 151),
    "orasHoennNo": (1, 211),
}
NUMBER_FIELDS = list(RANGES)
FIELD_OF_DEX = dict(zip(OLD_DEX + NEW_DEX, NUMBER_FIELDS[1:6] + NUMBER_FIELDS[7:]))

# Species listed form by form although their extra forms share base stats.
COSMETIC_LISTED = {421, 670, 676}  # Cherrim, Floette, Furfrou

# Species whose further forms are counted under the species' national number.
NUMBERED_FORM_SPECIES = {386, 413, 479, 487, 492, 641, 642, 645, 646,
                         710, 711, 720}

# Defaults with forms of other base stats for which PokeAPI has a "...のすがた"
# name the games do not show.
PLAIN_DEFAULT = {382, 383, 479, 646}

# Defaults named plainly because all their forms share their base stats.
SAME_STATS_DEFAULTS = ["ポワルン", "チェリム", "バスラオ", "ケルディオ", "トリミアン",
                       "ニャオニクス"]

FORM_NAME_FIXES = {
    "pikachu-libre": ("マスクド・ピカチュウ", "マスク・ド・ピカチュウ"),
    "kyogre-primal": ("ゲンシカイキのすがた", "ゲンシカイオーガ"),
    "groudon-primal": ("ゲンシカイキのすがた", "ゲンシグラードン"),
}

EXPECTED_PAIRS = [
    "バタフリー", "スピアー", "ピジョット", "ピカチュウ", "ライチュウ", "ニドクイン",
    "ニドキング", "ピクシー", "プクリン", "ラフレシア", "ニョロボン", "フーディン",
    "ウツボット", "ゴローニャ", "デンリュウ", "キレイハナ", "マリルリ", "ワタッコ",
    "アゲハント", "バクオング", "ムクホーク", "ロズレイド", "ムーランド", "ケンホロウ",
    "ギガイアス", "ガマゲロゲ", "ハハコモリ", "ペンドラー", "ワルビアル",
]

# Rows that must come out exactly (numbers, name, stats in slot order).
TELLING_ROWS = {
    1: ([1, 1, -1, -1, 231, -1, -1, 1, 80, -1, -1, -1], "フシギダネ",
        [45, 49, 49, 45, 65, 65]),
    28: ([28, 25, 156, 104, 22, -1, -1, -1, -1, -1, -1, -1], "ピカチュウ",
         [35, 55, 30, 90, 50, 40]),
    29: ([29, -1, -1, -1, -1, -1, -1, 25, 36, -1, -1, 163], "ピカチュウ",
         [35, 55, 40, 90, 50, 50]),
    311: ([311, 292, 44, -1, -1, -1, -1, 292, 113, -1, -1, 45], "ヌケニン",
          [1, 90, 45, 40, 30, 30]),
    516: ([516, 494, -1, -1, -1, 0, 0, 494, -1, -1, -1, -1], "ビクティニ",
          [100] * 6),
    758: ([758, 479, -1, 152, -1, -1, -1, 479, -1, -1, 68, -1],
          "ロトム　ヒートロトム", [50, 65, 107, 86, 105, 107]),
    790: ([790] + [-1] * 11, "リザードン　メガリザードンＸ",
          [78, 130, 111, 100, 130, 85]),
}


class DataError(Exception):
    pass


def check(cond, message):
    if not cond:
        raise DataError(message)


def read_csv(folder, name):
    path = os.path.join(folder, name)
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def to_int(text):
    return int(text) if text != "" else -1


def utf16_len(text):
    return len(text.encode("utf-16-le")) // 2


def slot_stats(record):
    # Input order hp,atk,def,spa,spd,spe -> slot order HP,Atk,Def,Spe,SpA,SpD.
    return [int(record[k]) for k in ("hp", "atk", "def", "spe", "spa", "spd")]


def load(folder):
    species = {int(r["species_id"]): r for r in read_csv(folder, "species_names.csv")}
    check(sorted(species) == list(range(1, 722)), "species_names.csv: ids are not 1..721")
    dex = {int(r["species_id"]): r for r in read_csv(folder, "dex_numbers.csv")}
    check(sorted(dex) == list(range(1, 722)), "dex_numbers.csv: ids are not 1..721")
    for sid, r in dex.items():
        check(to_int(r["national"]) == sid, "dex_numbers.csv: national != species_id for %d" % sid)
    forms = read_csv(folder, "forms.csv")
    gen5 = {int(r["pokemon_id"]): r for r in read_csv(folder, "base_stats_gen5.csv")}
    gen6 = {int(r["pokemon_id"]): r for r in read_csv(folder, "base_stats_gen6.csv")}
    return species, dex, forms, gen5, gen6


def regional_numbers(dex_row, columns):
    numbers = {}
    for col in columns:
        value = to_int(dex_row[col])
        if col == "unova_bw" and value > 152:
            value = -1  # Keldeo, Meloetta, Genesect: numbered after B/W came out
        numbers[FIELD_OF_DEX[col]] = value
    return numbers


def make_row(name, stats, national=-1, national6=-1, numbers=None):
    row = {f: -1 for f in NUMBER_FIELDS}
    row["nationalNo"] = national
    row["nationalNo6"] = national6
    row.update(numbers or {})
    row["name"] = name
    row["stats"] = stats
    return row


def form_name(form):
    name = form["form_name_ja"]
    fix = FORM_NAME_FIXES.get(form["form_identifier"])
    if fix:
        check(name == fix[0], "forms.csv: unexpected name %r for %s"
              % (name, form["form_identifier"]))
        name = fix[1]
    return name


def build(species, dex, forms, gen5, gen6):
    stat_keys = ("hp", "atk", "def", "spa", "spd", "spe")

    def same_stats(pid):
        return all(gen5[pid][k] == gen6[pid][k] for k in stat_keys)

    pairs = sorted(sid for sid in range(1, 650) if not same_stats(sid))
    pair_names = [species[sid]["name_ja"] for sid in pairs]
    check(pair_names == EXPECTED_PAIRS,
          "species with changed gen-6 stats differ from the expected 29: %r" % pair_names)

    # Further forms and the names of defaults.
    further = []
    default_form = {}
    for f in forms:
        sid = int(f["species_id"])
        own_pokemon = f["pokemon_is_default"] == "0"
        if f["form_order"] == "1":
            default_form[sid] = f
        if own_pokemon or (sid in COSMETIC_LISTED and f["form_is_default"] == "0"):
            further.append(f)
    def further_stats(f):
        pid = int(f["pokemon_id"])
        return slot_stats(gen6[pid] if pid in gen6 else gen5[pid])

    # Species with a further form whose base stats differ from the default's.
    differing = {int(f["species_id"]) for f in further
                 if further_stats(f) != slot_stats(gen6[int(f["species_id"])])}

    def default_name(sid):
        base = species[sid]["name_ja"]
        if sid not in differing or sid in PLAIN_DEFAULT:
            return base
        fname = default_form[sid]["form_name_ja"]
        return base + IDEOGRAPHIC_SPACE + fname if fname else base

    # Rows 1-750.
    rows = []
    for sid in range(1, 722):
        d = dex[sid]
        name = default_name(sid)
        if sid in pairs:
            rows.append(make_row(name, slot_stats(gen5[sid]), national=sid,
                                 numbers=regional_numbers(d, OLD_DEX)))
            rows.append(make_row(name, slot_stats(gen6[sid]), national6=sid,
                                 numbers=regional_numbers(d, NEW_DEX)))
        elif sid <= 649:
            rows.append(make_row(name, slot_stats(gen5[sid]), national=sid, national6=sid,
                                 numbers=regional_numbers(d, OLD_DEX + NEW_DEX)))
        else:
            rows.append(make_row(name, slot_stats(gen6[sid]), national6=sid,
                                 numbers=regional_numbers(d, NEW_DEX)))
    check(len(rows) == MAIN_ROWS, "rows 1-%d: got %d rows" % (MAIN_ROWS, len(rows)))

    # Rows 751-854.
    def order_key(f):
        sid = int(f["species_id"])
        own = f["pokemon_is_default"] == "0"
        special = f["is_mega"] == "1" or form_name(f).startswith("ゲンシ")
        return (sid not in NUMBERED_FORM_SPECIES, sid > 649, special,
                int(f["pokemon_id"]) if own else 1 << 30, int(f["form_id"]))

    for f in sorted(further, key=order_key):
        sid = int(f["species_id"])
        pid = int(f["pokemon_id"])
        name = species[sid]["name_ja"] + IDEOGRAPHIC_SPACE + form_name(f)
        check(form_name(f) != "", "further form %s has no name" % f["form_identifier"])
        if sid in NUMBERED_FORM_SPECIES and sid <= 649:
            check(sid not in pairs, "numbered form of a paired species: %s" % name)
            check(same_stats(pid), "form %s changed stats in gen 6" % name)
            rows.append(make_row(name, slot_stats(gen5[pid]), national=sid, national6=sid,
                                 numbers=regional_numbers(dex[sid], OLD_DEX + NEW_DEX)))
        elif sid in NUMBERED_FORM_SPECIES:
            rows.append(make_row(name, slot_stats(gen6[pid]), national6=sid,
                                 numbers=regional_numbers(dex[sid], NEW_DEX)))
        else:
            rows.append(make_row(name, slot_stats(gen6[pid])))

    for i, row in enumerate(rows, 1):
        row["serialNo"] = i
    return rows, pairs


def verify(rows, pairs):
    check(len(rows) == ROW_COUNT, "expected %d rows, got %d" % (ROW_COUNT, len(rows)))

    for row in rows:
        name = row["name"]
        check(utf16_len(name) <= 18, "name too long: %r" % name)
        check("," not in name and '"' not in name and "\n" not in name, "bad name %r" % name)
        for field, (lo, hi) in RANGES.items():
            v = row[field]
            check(v == -1 or lo <= v <= hi, "%s=%d out of range in %r" % (field, v, name))
        check(len(row["stats"]) == 6 and all(1 <= s <= 255 for s in row["stats"]),
              "bad stats for %r" % name)
        if row["nationalNo"] == -1 and row["nationalNo6"] == -1:
            check(all(row[f] == -1 for f in NUMBER_FIELDS), "numberless row with regional numbers: %r" % name)
        if row["nationalNo"] == -1:
            check(all(row[f] == -1 for f in NUMBER_FIELDS[1:6]),
                  "gen-6-only row with old regional numbers: %r" % name)
        if row["nationalNo6"] == -1:
            check(all(row[f] == -1 for f in NUMBER_FIELDS[7:]),
                  "gen-3-5-only row with Kalos/ORAS numbers: %r" % name)
        if row["nationalNo"] != -1 and row["nationalNo6"] != -1:
            check(row["nationalNo"] == row["nationalNo6"], "national numbers differ: %r" % name)

    # Rows 1-750 run through 1..721.
    main = rows[:MAIN_ROWS]
    seen = []
    for row in main:
        n = row["nationalNo"] if row["nationalNo"] != -1 else row["nationalNo6"]
        check(n != -1, "row %d has no national number" % row["serialNo"])
        seen.append(n)
    check(seen == sorted(seen) and sorted(set(seen)) == list(range(1, 722)),
          "rows 1-750 do not run through 1..721")
    doubled = [n for n in range(1, 722) if seen.count(n) == 2]
    check(doubled == pairs and len(doubled) == 29 and max(seen.count(n) for n in seen) == 2,
          "doubled species are not the 29 pairs")
    doubled_names = []
    for i, row in enumerate(main):
        if i + 1 < len(main) and seen[i] == seen[i + 1]:
            nxt = main[i + 1]
            check(row["name"] == nxt["name"], "pair names differ at row %d" % row["serialNo"])
            check(row["nationalNo6"] == -1 and nxt["nationalNo"] == -1
                  and row["nationalNo"] == nxt["nationalNo6"], "pair layout wrong at row %d" % row["serialNo"])
            doubled_names.append(row["name"])
    check(doubled_names == EXPECTED_PAIRS, "doubled names in row order: %r" % doubled_names)
    for row in main:
        if row["nationalNo6"] >= 650:
            check(row["nationalNo"] == -1, "gen-6 species with nationalNo: %r" % row["name"])

    # Further forms.
    extra = rows[MAIN_ROWS:]
    check(len(extra) == 104, "expected 104 further forms")
    check(all(IDEOGRAPHIC_SPACE in r["name"] for r in extra), "further form without form name")
    numberless = [r for r in extra if r["nationalNo"] == -1 and r["nationalNo6"] == -1]
    check(len(numberless) == 80, "expected 80 numberless rows, got %d" % len(numberless))
    form_part = [r["name"].split(IDEOGRAPHIC_SPACE, 1) for r in numberless]
    megas = [f for s, f in form_part if f.startswith("メガ")]
    primals = [f for s, f in form_part if f.startswith("ゲンシ")]
    check(len(megas) == 48, "expected 48 Megas, got %d" % len(megas))
    check(primals == ["ゲンシカイオーガ", "ゲンシグラードン"], "primal forms: %r" % primals)
    others = {}
    for s, f in form_part:
        if not f.startswith("メガ") and not f.startswith("ゲンシ"):
            others[s] = others.get(s, 0) + 1
    check(others == {"トリミアン": 9, "ピカチュウ": 6, "フラエッテ": 5, "ポワルン": 3,
                     "チェリム": 1, "バスラオ": 1, "ヒヒダルマ": 1, "メロエッタ": 1,
                     "ケルディオ": 1, "ニャオニクス": 1, "ギルガルド": 1},
          "other numberless forms: %r" % others)
    check(len(extra) - len(numberless) == 24, "expected 24 numbered further forms")

    # Totals by kind of numbering.
    both = sum(1 for r in rows if r["nationalNo"] != -1 and r["nationalNo6"] != -1)
    only5 = sum(1 for r in rows if r["nationalNo"] != -1 and r["nationalNo6"] == -1)
    only6 = sum(1 for r in rows if r["nationalNo"] == -1 and r["nationalNo6"] != -1)
    neither = sum(1 for r in rows if r["nationalNo"] == -1 and r["nationalNo6"] == -1)
    check((both, only5, only6, neither) == (637, 29, 108, 80),
          "totals both/only5/only6/neither = %r" % ((both, only5, only6, neither),))

    # Generation modes.
    modes = {
        "gen3": [r for r in rows if 1 <= r["nationalNo"] <= 386],
        "gen4": [r for r in rows if 1 <= r["nationalNo"] <= 493],
        "gen5": [r for r in rows if 1 <= r["nationalNo"] <= 649],
        "gen6": [r for r in rows if 1 <= r["nationalNo6"] <= 721],
    }
    sizes = {m: len(v) for m, v in modes.items()}
    check(sizes == {"gen3": 389, "gen4": 505, "gen5": 666, "gen6": 745},
          "mode list sizes %r" % sizes)
    for m, listed in modes.items():
        names = [r["name"] for r in listed]
        check(len(set(names)) == len(names), "duplicate names in mode %s" % m)

    def sinnoh(listed):
        chosen = [r for r in listed if 0 <= r["ptSinnohNo"] <= 151]
        return sorted(chosen, key=lambda r: (r["ptSinnohNo"], r["serialNo"]))

    check(len(sinnoh(modes["gen3"])) == 70, "gen3 Sinnoh list size %d" % len(sinnoh(modes["gen3"])))
    gen6_sinnoh = sinnoh(modes["gen6"])
    check(len(gen6_sinnoh) == 144 and gen6_sinnoh[0]["name"] == "ナエトル",
          "gen6 Sinnoh list: %d entries" % len(gen6_sinnoh))

    deoxys = [r["name"] for r in sorted(modes["gen3"], key=lambda r: (r["nationalNo"], r["serialNo"]))
              if r["nationalNo"] == 386]
    check(deoxys == ["デオキシス　ノーマルフォルム", "デオキシス　アタックフォルム",
                     "デオキシス　ディフェンスフォルム", "デオキシス　スピードフォルム"],
          "Deoxys rows: %r" % deoxys)

    kana = sorted(r["name"] for r in modes["gen6"])
    kana.sort(key=lambda s: s.encode("utf-16-be"))
    i = kana.index("ロトム")
    check(kana[i + 1:i + 7] == sorted(["ロトム　ヒートロトム", "ロトム　ウォッシュロトム",
                                       "ロトム　フロストロトム", "ロトム　スピンロトム",
                                       "ロトム　カットロトム"]) + ["ローブシン"],
          "kana order around ロトム: %r" % kana[i:i + 7])

    for serial, (numbers, name, stats) in TELLING_ROWS.items():
        row = rows[serial - 1]
        got = ([row["serialNo"]] + [row[f] for f in NUMBER_FIELDS], row["name"], row["stats"])
        check(got == (numbers, name, stats), "row %d is %r" % (serial, got))

    # A default row carries a form name only when a further form of its
    # species has other base stats.
    stats_of = {}
    for r in extra:
        stats_of.setdefault(r["name"].split(IDEOGRAPHIC_SPACE, 1)[0], []).append(r["stats"])
    for row in main:
        if IDEOGRAPHIC_SPACE not in row["name"]:
            continue
        plain = row["name"].split(IDEOGRAPHIC_SPACE, 1)[0]
        check(any(s != row["stats"] for s in stats_of.get(plain, [])),
              "form name on a default whose forms share its base stats: %r" % row["name"])
    for plain in SAME_STATS_DEFAULTS:
        check(plain in stats_of and all(s == stats_of[plain][0] for s in stats_of[plain]),
              "forms of %r do not share base stats" % plain)

    # Named decisions that other code relies on.
    names = {r["name"] for r in rows}
    for must in ("ロトム", "キュレム", "ポワルン", "カイオーガ", "グラードン", "リザードン",
                 "ミノマダム　くさきのミノ", "ピカチュウ　マスク・ド・ピカチュウ",
                 "カイオーガ　ゲンシカイオーガ", "グラードン　ゲンシグラードン",
                 "フラエッテ　えいえんのはな", "フラエッテ　あかいはな",
                 "デオキシス　ノーマルフォルム", *SAME_STATS_DEFAULTS):
        check(must in names, "missing row %r" % must)


def write(rows, path):
    lines = [HEADER]
    for r in rows:
        fields = [r["serialNo"]] + [r[f] for f in NUMBER_FIELDS] + [r["name"]] + r["stats"]
        lines.append(",".join(str(x) for x in fields))
    data = ("\n".join(lines) + "\n").encode("utf-8")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    repo_root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if len(argv) > 2:
        sys.stderr.write("usage: make_species_csv.py [GAMEDATA_DIR]\n")
        return 2
    folder = argv[1] if len(argv) == 2 else os.path.join(repo_root, "..", "shared", "gamedata")
    try:
        rows, pairs = build(*load(folder))
        verify(rows, pairs)
    except (DataError, KeyError, ValueError, OSError) as e:
        sys.stderr.write("make_species_csv: FAILED: %s: %s\n" % (type(e).__name__, e))
        return 1
    out = os.path.join(repo_root, "data", "species.csv")
    write(rows, out)
    print("wrote %d rows to %s" % (len(rows), out))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
