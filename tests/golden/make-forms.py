#!/usr/bin/env python3
"""Writes the form files behind the golden images (tests/golden/forms/*.frm).

Every style in every orientation and both 3D looks, plus the multi-row cases. Run it on purpose
when the set of golden forms changes, then regenerate the images with make-goldens.sh and look at
each one that changed."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
STYLES = ["normal", "chamfered", "rounded", "slanted", "square"]
ORIENTATIONS = ["top", "right", "bottom", "left"]


def form(name, props, captions, width=320, height=200, active=None, script=None):
    lines = [
        "VERSION 1.0",
        "Begin Form frmGolden",
        '   Caption         =   "%s"' % name,
        "   ScaleMode       =   3",
        "   ClientWidth     =   %d" % ((width + 16) * 15),
        "   ClientHeight    =   %d" % ((height + 16) * 15),
        "   Begin VNTabCtl VNTabCtl1",
        "      Left            =   8",
        "      Top             =   8",
        "      Width           =   %d" % width,
        "      Height          =   %d" % height,
        "      BeginProperty TabCaptionFont",
        '         Name            =   "Arial"',
        "         Size            =   8",
        "      EndProperty",
    ]
    for key, value in props:
        lines.append("      %-16s=   %s" % (key, value))
    lines.append("      NumTabs         =   %d" % len(captions))
    for i, caption in enumerate(captions, 1):
        lines.append('      TabCaption%-6d=   "%s"' % (i, caption))
    lines += ["   End", "End", ""]
    with open(os.path.join(HERE, "forms", name + ".frm"), "w") as f:
        f.write("\n".join(lines))
    events = os.path.join(HERE, "forms", name + ".events")
    if active or script:
        with open(events, "w") as f:
            if active:
                f.write("set TabActive %d\n" % active)
            if script:
                f.write(script + "\n")
    elif os.path.exists(events):
        os.remove(events)


def main():
    os.makedirs(os.path.join(HERE, "forms"), exist_ok=True)
    four = ["&One", "&Two", "T&hree", "&Four"]
    for look in (1, 2):
        for s, style in enumerate(STYLES):
            for o, orientation in enumerate(ORIENTATIONS):
                props = [("OrientationConstants", o), ("Tab3DAppearance", look), ("TabStyle", s),
                         ("TabWidth", 64), ("TabHeight", 22)]
                form("%s-%s-look%d" % (style, orientation, look), props, four, active=2)
    seven = ["Tab &%d" % i for i in range(1, 8)]
    base = [("TabWidth", 72), ("TabHeight", 20), ("TabRows", 3)]
    form("rows3-front", base, seven)
    form("rows3-back-active", base, seven, active=7)
    form("rows3-offset0", base + [("TabRowOffset", 0)], seven, active=4)
    form("rows3-offset10", base + [("TabRowOffset", 10)], seven, active=4)
    form("separation3", [("TabWidth", 60), ("TabSeparation", 3)], four, active=3)
    form("rows3-look2", base + [("Tab3DAppearance", 2)], seven, active=6)
    form("rows2-left", [("OrientationConstants", 3), ("TabWidth", 60), ("TabsPerRow", 3)], seven[:5], active=4,
         height=240)
    form("proportional", [("TabJustification", 2), ("TabRows", 2)], seven, active=3)
    form("no-panel", [("TabWidth", 60), ("TabActiveInflate", 0)], four, height=20, active=2)


if __name__ == "__main__":
    main()
