"""Building blocks of the HTML vocabulary table.

The table itself lives in html_table.py; this module holds the small record types
it is written with and the value kinds an attribute can have. Everything
upper case: the editor looks names and values up by their upper-case spelling.
"""

from dataclasses import dataclass, field

# Value kinds. Each maps to the tag file keywords of the argument body.
STRING = "string"  # any value
LINK = "link"  # names a file or page: checked by link validation, browse button
URLISH = "url"  # an address that is not a file of the site (any value, browse button)
INT = "int"  # digits and signs
INTPCT = "intpct"  # a number or a percentage
COLOR = "color"  # a colour name or #RRGGBB
SCRIPT = "script"  # script code
WINDOW = "window"  # a window or frame name
FONT = "font"  # font face names
BOOL = "bool"  # boolean attribute: bare, or its own name as value
FLAG = "flag"  # a bare word without any value
ENUM = "enum"  # only the listed values
OPEN = "open"  # the listed values are suggestions; any value is accepted

KEYWORDS = {
    STRING: ["(STRING)"],
    LINK: ["(LINK)", "(URL)"],
    URLISH: ["(URL)"],
    INT: ["(INTEGER)"],
    INTPCT: ["(INTEGER)", "(PERCENT)"],
    COLOR: ["(COLOR)"],
    SCRIPT: ["(JAVASCRIPT)"],
    WINDOW: ["(WINDOWNAME)"],
    FONT: ["(FONT)"],
    BOOL: [],
    FLAG: [],
    ENUM: [],
    OPEN: ["(STRING)"],
}


@dataclass
class Attr:
    name: str
    kind: str = STRING
    values: tuple = ()
    info: str | None = None


@dataclass
class Element:
    name: str
    group: str
    info: str
    attrs: list = field(default_factory=list)
    within: tuple = ("ROOT",)
    void: bool = False
    suspend: bool = False
    globals: str = "html"  # which shared attribute set follows its own: html, svg, math, none


def a(name, kind=STRING, values=(), info=None):
    """One attribute. Values are given as one blank-separated string or a tuple."""
    if isinstance(values, str):
        values = tuple(values.split())
    return Attr(name, kind, tuple(values), info)


def e(name, group, info, *attrs, within=("ROOT",), void=False, suspend=False, globals="html"):
    if isinstance(within, str):
        within = tuple(within.split())
    return Element(name, group, info, list(attrs), within, void, suspend, globals)
