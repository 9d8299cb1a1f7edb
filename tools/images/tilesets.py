"""The two built-in tile sets as data, and the writer of their tile set and
material files. The game builds the same sets in code; the files written
here describe them exactly so that the file reader has real input."""

from common import out_path

CLEAR_SOUND = "Assets/Sounds/clear.wav"
SELECT_SOUND = "Assets/Sounds/click.wav"

KANA_SYLLABLES = [
    "A", "I", "U", "E", "O", "KA", "KI", "KU", "KE", "KO", "SA", "SHI", "SU", "SE", "SO",
    "TA", "CHI", "TSU", "TE", "TO", "NA", "NI", "NU", "NE", "NO", "HA", "HI", "HU", "HE", "HO",
    "MA", "MI", "MU", "ME", "MO", "YA", "YU", "YO", "RA", "RI", "RU", "RE", "RO", "WA", "WO", "N",
]
KANA = list("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん")
assert len(KANA) == len(KANA_SYLLABLES) == 46


def standard_templates():
    """(name, column, row, repeat, matches) in the set's order."""
    t = []
    for suit, row in (("Bamboo", 0), ("Chinese", 1), ("Wheel", 2)):
        for i in range(9):
            n = "%s%d" % (suit, i + 1)
            t.append((n, i, row, 4, [n]))
    for i, n in enumerate(["North", "South", "East", "West"]):
        t.append((n, i, 3, 4, [n]))
    seasons = ["Spring", "Summer", "Fall", "Winter"]
    for i, n in enumerate(seasons):
        t.append((n, 4 + i, 3, 1, list(seasons)))
    flowers = ["Bam", "Crys", "Plum", "Orc"]
    for i, n in enumerate(flowers):
        t.append((n, i, 4, 1, list(flowers)))
    for i, n in enumerate(["Green", "Red", "White"]):
        t.append((n, 4 + i, 4, 4, [n]))
    return t


def hiragana_templates():
    t = []
    for k, syl in enumerate(KANA_SYLLABLES):
        col, row = k % 17, k // 17
        t.append(("Japanese-" + syl, col, row, 2, ["Romaji-" + syl]))
        t.append(("Romaji-" + syl, col, row + 3, 2, ["Japanese-" + syl]))
    return t


def tls_text(name, preview, stamp, templates):
    lines = [
        "<Name> " + name,
        "<PreviewImage> " + preview,
        "<TextureScaleX> 1.0",
        "<TextureScaleY> 1.0",
        "<Stamp> " + stamp,
    ]
    for tname, col, row, repeat, matches in templates:
        lines += [
            "<Tile>",
            "\tName: " + tname,
            "\tTexturePos: %d %d" % (col, row),
            "\tStandardRepeat: %d" % repeat,
            "\tClearSound: " + CLEAR_SOUND,
            "\tSelectSound: " + SELECT_SOUND,
            "\tMatches: " + " ".join(matches),
            "</Tile>",
        ]
    return "\n".join(lines) + "\n"


def mtl_text(material, picture):
    # Only the diffuse map is used when faces are drawn; the colours are
    # neutral so the material also looks right on any plain model.
    return "\n".join([
        "newmtl " + material,
        "Ka 0.200000 0.200000 0.200000",
        "Kd 1.000000 1.000000 1.000000",
        "Ks 0.000000 0.000000 0.000000",
        "Ns 2.000000",
        "d 1.000000",
        "illum 1",
        "map_Kd " + picture,
    ]) + "\n"


STANDARD = dict(
    name="Standard",
    dir="Assets/Tiles/Standard",
    picture="standard_tiles.png",
    mtl="standard_tiles.mtl",
    tls="standard_tiles_demo.tls",
    preview="standard_tiles_preview.png",
)
HIRAGANA = dict(
    name="Hiragana(Basic)",
    dir="Assets/Tiles/Hiragana",
    picture="hiragana_basic_tiles.png",
    mtl="hiragana_basic_tiles_demo.mtl",
    tls="hiragana_basic_tiles_demo.tls",
    preview="hiragana_basic_tiles_preview_demo.png",
)


def write_set_files(info, templates):
    sub = info["dir"].split("/")[-1]
    with open(out_path(info["dir"], info["mtl"]), "w", newline="\n") as f:
        f.write(mtl_text(info["name"], info["picture"]))
    with open(out_path(info["dir"], info["tls"]), "w", newline="\n") as f:
        f.write(tls_text(info["name"], sub + "/" + info["preview"], sub + "/" + info["mtl"], templates))


def main():
    write_set_files(STANDARD, standard_templates())
    write_set_files(HIRAGANA, hiragana_templates())


if __name__ == "__main__":
    main()
