#!/usr/bin/env python3
"""Makes the page's web font: Noto Sans CJK JP cut down to the characters the calculator shows.

    subset_font.py FONT.ttc OUT.woff2 SOURCE...

Every character of the SOURCE files (the window's captions, the messages' fixed texts and the
sentences' parts, which those files hold as their only non-ASCII text), every printable ASCII
character, the full-width forms of ASCII (digits, signs and letters typed with a Japanese input
method) and the ideographic space. Whatever else is typed falls back to the system's fonts.
The font's licence (SIL Open Font License, no reserved font name) allows the cut and its name;
its licence text ships beside it."""
import subprocess
import sys
from pathlib import Path

font, out, *sources = sys.argv[1:]
characters = {chr(c) for c in range(0x20, 0x7F)} | {chr(c) for c in range(0xFF01, 0xFF5F)}
characters.add("\u3000")
for source in sources:
    characters |= set(Path(source).read_text(encoding="utf-8"))
text = "".join(sorted(c for c in characters if c.isprintable()))
subprocess.run(["pyftsubset", font, "--font-number=0", f"--text={text}", "--flavor=woff2",
                "--no-hinting", "--desubroutinize", "--name-IDs=0,1,2,3,4,5,6,13,14",
                f"--output-file={out}"], check=True)
