#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Licence headers on every tracked source, header, form, CMake and script file.
#   scripts/spdx.sh add     put the two SPDX lines at the top of each file that lacks them
#   scripts/spdx.sh check   list the files that lack them; exit status 1 if there are any
# The lines go after a #! line or an <?xml?> declaration, in the comment syntax of the file;
# running `add` again changes nothing.
set -euo pipefail
# Parsed as one block before it runs, so `add` can rewrite this very file safely.
{
mode=${1:-}
case "$mode" in
add|check) ;;
*) sed -n '2,/^set -e/{/^#/p}' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
cd "$(git -C "$(dirname "${BASH_SOURCE[0]}")" rev-parse --show-toplevel)"

git ls-files -z -- '*.cpp' '*.h' '*.in' '*.ui' '*CMakeLists.txt' '*.cmake' '*.sh' '*.py' '.ci/run' |
python3 -c '
import sys

mode = sys.argv[1]
holder = "2026 The libWidgetDeck authors"
tags = ("SPDX-FileCopyrightText: " + holder, "SPDX-License-Identifier: MIT")

def style(path):
    name = path.rsplit("/", 1)[-1]
    if name.endswith(".ui"):
        return "xml"
    if name.endswith((".cpp", ".h", ".cpp.in", ".h.in")):
        return "c"
    return "hash"   # CMake, pkg-config templates, shell, Python

def has_header(text):
    return "SPDX-License-Identifier:" in "\n".join(text.splitlines()[:6])

def header(kind):
    if kind == "xml":
        return "<!--\n" + "".join("    " + t + "\n" for t in tags) + "-->\n"
    mark = "//" if kind == "c" else "#"
    return "".join(mark + " " + t + "\n" for t in tags)

missing = []
for path in sys.stdin.read().split("\0"):
    if not path:
        continue
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    if has_header(text):
        continue
    missing.append(path)
    if mode != "add":
        continue
    kind = style(path)
    lines = text.splitlines(keepends=True)
    # A #! line or an XML declaration must stay first.
    keep = 1 if lines and (lines[0].startswith("#!") or lines[0].startswith("<?xml")) else 0
    block = header(kind)
    if kind != "xml":
        block += "\n"
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("".join(lines[:keep]) + block + "".join(lines[keep:]))

if mode == "check":
    for path in missing:
        print(path)
    if missing:
        print("%d file(s) lack an SPDX licence header; run scripts/spdx.sh add" % len(missing),
              file=sys.stderr)
        sys.exit(1)
else:
    print("added licence headers to %d file(s)" % len(missing))
' "$mode"
exit
}
