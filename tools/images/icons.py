"""The desktop icon in the hicolor sizes below 256 pixels, each scaled down
from the one 256-pixel picture titles.py draws (packaging/jadeloom.png), so
that every size shows the same drawing. Deterministic: PNG output carries no
time stamp."""
from PIL import Image

from common import out_path

SIZES = (16, 32, 48, 64, 128)


def main():
    source = Image.open(out_path("packaging", "jadeloom.png")).convert("RGB")
    assert source.size == (256, 256), source.size
    for size in SIZES:
        icon = source.resize((size, size), Image.LANCZOS)
        icon.save(out_path("packaging", "icons", f"{size}x{size}", "jadeloom.png"), format="PNG", optimize=True)


if __name__ == "__main__":
    main()
