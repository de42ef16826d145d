#!/usr/bin/env python3
"""Write samples of the HTML the editor itself writes into a directory.

    python3 tools/vocabulary/program_output.py OUTDIR

The format commands, Font, Insert Anchor, Insert Image, Insert Table and
Insert Frames each build their text in a fixed way; these samples build it
the same way, once with every value the dialogs offer from the vocabulary
(A TARGET, IMG ALIGN and SUPPRESS, TABLE ALIGN, CAPTION ALIGN, FRAMESET
FRAMEBORDER). Every sample is written twice: as the bare fragment that the
command inserts, and inside a small HTML5 page. All of them must check with 0
errors against the default vocabulary.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, ".."))

import gen_tags  # noqa: E402

PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Sample</title>
</head>
<body>
{body}
</body>
</html>
"""


def offered_values(tag, argument):
    """What the dialogs list: the argument's predefined values in file order."""
    for element in gen_tags.all_elements():
        if element.name == tag:
            for attr in gen_tags.all_attrs(element):
                if attr.name == argument:
                    return list(attr.values)
    raise KeyError(f"{tag} {argument} is missing from the vocabulary")


def format_commands():
    pairs = ["B", "I", "U", "CENTER"] + [f"H{level}" for level in range(1, 7)]
    text = "".join(f"<{name}>selected text</{name}>\n" for name in pairs)
    return text + "line one<BR>line two\n<P>A paragraph\n<B></B>\n"


def font(face, bold, italic, underline, strike, rgb, tenths):
    opening, closing = "", ""
    for wanted, name in ((bold, "B"), (italic, "I"), (underline, "U"), (strike, "STRIKE")):
        if wanted:
            opening += f"<{name}>"
            closing = f"</{name}>" + closing
    closing = "</FONT>" + closing
    opening += f'<FONT FACE="{face}" COLOR=' if face else "<FONT COLOR="
    opening += '"#%06x"' % rgb + f" SIZE={tenths // 102}>"
    return opening + "formatted text" + closing + "\n"


def font_samples():
    return (font("Arial", True, True, False, False, 0xFF0000, 120)
            + font("", False, False, False, False, 0x000000, 100)
            + font("Times New Roman", True, True, True, True, 0x00FF7F, 360)
            + font("Courier New", False, False, True, False, 0x0A0B0C, 240))


def anchor(path, target, name, caption):
    opening = "<A"
    opening += f" HREF={path}" if path else ""
    opening += f" TARGET={target}" if target else ""
    opening += f" NAME={name}" if name else ""
    return opening + ">" + caption + "</A>\n"


def anchor_samples():
    text = anchor("", "", "", "") + anchor("", "", "top", "Top of the page")
    text += anchor("index.html", "", "", "Home")
    text += anchor("products\\breads.html#rye", "", "", "Rye")
    for target in offered_values("A", "TARGET") + ["main"]:
        text += anchor("../about.html", target, "about", "About us")
    return text


def image(src="", lowsrc="", name="", alt="", align="", suppress="", sizes=(), ismap=False):
    text = "<IMG"
    text += f' SRC="{src}"' if src else ""
    text += f' LOWSRC="{lowsrc}"' if lowsrc else ""
    text += f" NAME={name}" if name else ""
    text += f' ALT="{alt}"' if alt else ""
    text += f" ALIGN={align}" if align else ""
    text += f" SUPPRESS={suppress}" if suppress else ""
    for label, value in zip(("WIDTH", "HEIGHT", "BORDER", "VSPACE", "HSPACE"), sizes):
        text += f" {label}={value}" if value else ""
    return text + (" ISMAP" if ismap else "") + ">\n"


def image_samples():
    text = image() + image(src="logo.gif")
    suppress_values = offered_values("IMG", "SUPPRESS")
    for index, align in enumerate(offered_values("IMG", "ALIGN")):
        text += image("images\\logo.gif", "images\\logo-low.gif", "logo", "The bakery's logo",
                      align, suppress_values[index % len(suppress_values)],
                      ("120", "48", "0", "4", "4"), ismap=index % 2 == 0)
    return text


def table(arguments, caption, caption_align, rows, indent=""):
    text = "<TABLE" + "".join(f" {name}={value}" for name, value in arguments if value) + ">\n"
    if caption:
        text += indent + "\t<CAPTION"
        text += f" ALIGN={caption_align}" if caption_align else ""
        text += ">" + caption + "</CAPTION>\n"
    for cells in rows:
        text += indent + "\t<TR>\n"
        text += "".join(f"{indent}\t\t<TD>{cell}\n" for cell in cells)
        text += indent + "\t</TR>\n"
    return text + indent + "</TABLE>"


def table_samples():
    text = table([("COLS", "2")], "", "", [["", ""]]) + "\n"
    caption_aligns = offered_values("CAPTION", "ALIGN")
    for index, align in enumerate(offered_values("TABLE", "ALIGN")):
        arguments = [("BORDER", "1"), ("CELLPADDING", "2"), ("HEIGHT", "100"),
                     ("WIDTH", "400"), ("VSPACE", "3"), ("HSPACE", "3"),
                     ("BGCOLOR", "#ffcc00" if index % 2 else "AliceBlue"), ("COLS", "3"),
                     ("ALIGN", align)]
        text += table(arguments, "Prices", caption_aligns[index % len(caption_aligns)],
                      [["", "", ""], ["", "", ""]], "\t\t") + "\n"
    for align in caption_aligns:
        text += table([("COLS", "1")], "Caption", align, [[""]]) + "\n"
    # From the clipboard: two lines of three cells, each ending in a line feed.
    text += table([("COLS", "3")], "", "", [["Rye", "3.20", "800 g"], ["Spelt", "3.60", "750 g"],
                                          []]) + "\n"
    return text


def frames(widths, heights, frameborder="", border="", bordercolor="", indent=""):
    text = "<FRAMESET"
    if len(widths) > 1:
        text += ' COLS="' + ", ".join(width or "*" for width in widths) + '"'
    if len(heights) > 1:
        text += ' ROWS="' + ", ".join(height or "*" for height in heights) + '"'
    text += f" FRAMEBORDER={frameborder}" if frameborder else ""
    text += f" BORDER={border}" if border else ""
    text += f" BORDERCOLOR={bordercolor}" if bordercolor else ""
    text += ">\n" + (indent + '\t<FRAME SRC="">\n') * (len(widths) * len(heights))
    return text + indent + "</FRAMESET>"


def frame_samples():
    text = frames(["", ""], [""]) + "\n"
    text += frames(["100", "", "20%"], ["", "50"], indent="\t") + "\n"
    for index, value in enumerate(offered_values("FRAMESET", "FRAMEBORDER")):
        color = "#000000" if index % 2 else "Navy"
        text += frames([""], ["", ""], value, str(index), color) + "\n"
    return text


SAMPLES = {
    "format": format_commands, "font": font_samples, "anchor": anchor_samples,
    "image": image_samples, "table": table_samples, "frames": frame_samples,
}


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, build in SAMPLES.items():
        fragment = build()
        with open(os.path.join(outdir, f"{name}-fragment.html"), "w", newline="\n") as out:
            out.write(fragment)
        frameset = name == "frames"
        page = fragment if frameset else PAGE.format(body=fragment)
        if frameset:
            page = ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Frameset//EN" '
                    '"http://www.w3.org/TR/html4/frameset.dtd">\n<HTML>\n<HEAD>\n'
                    "<TITLE>Frames</TITLE>\n</HEAD>\n" + fragment + "</HTML>\n")
        with open(os.path.join(outdir, f"{name}-page.html"), "w", newline="\n") as out:
            out.write(page)
    print(f"wrote {2 * len(SAMPLES)} samples to {outdir}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
