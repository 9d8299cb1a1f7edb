"""Writes the Standard set's atlas, material, tile set file and preview."""

from atlas import build_atlas
from common import out_path
from preview import set_preview
from standard_faces import draw_face
from tilesets import STANDARD, standard_templates, write_set_files


def main():
    info = STANDARD
    templates = standard_templates()
    atlas = build_atlas(templates, draw_face, out_path(info["dir"], info["picture"]))
    write_set_files(info, templates)
    picks = ["Red", "Bamboo1", "Wheel1", "East", "Chinese5", "Plum", "Spring", "Green", "Wheel5", "Bamboo7"]
    set_preview(atlas, templates, picks, "Standard", out_path(info["dir"], info["preview"]))


if __name__ == "__main__":
    main()
