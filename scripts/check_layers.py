#!/usr/bin/env python3
"""Checks that every #include of the source tree points down the layers.

Logic, lowest first: platform <- store <- comms <- sales <- print <-
{reports, accounts, inventory, exchange} <- till; sync beside them, on
platform, store and comms only. Every widgets library sits above all the
logic, in the same order: platform/widgets <- sales/widgets <- print/widgets
<- {reports, accounts, inventory, exchange}/widgets <- till/widgets;
sync/widgets on platform/widgets and the logic sync may use.
Folders of one level may include each other only where SIBLINGS allows it
(docs/architecture.md says why). Tests, benchmarks and tools are not checked.

Usage: check_layers.py [SOURCE_DIR]   exits 1 and lists each upward include
       check_layers.py --self-test    checks that an upward include is caught
"""

import os
import re
import sys
import tempfile

LOGIC = {"platform": 0, "store": 1, "comms": 2, "sales": 3, "print": 4,
         "reports": 5, "accounts": 5, "inventory": 5, "exchange": 5, "till": 6}
WIDGETS = {"platform": 0, "sales": 1, "print": 2,
           "reports": 3, "accounts": 3, "inventory": 3, "exchange": 3, "till": 4}
SYNC_LOGIC = {"platform", "store", "comms", "sync"}
# (from, to) pairs of one level that may include each other, as folders.
SIBLINGS = set()
CHECKED = set(LOGIC) | {"sync"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def unit(path):
    """The library a file or include path belongs to: ("store", False),
    ("sales", True) for sales/widgets, None for what is not layered."""
    parts = path.split("/")
    if len(parts) < 2 or parts[0] not in CHECKED:
        return None
    if parts[1] == "main.cpp":
        return parts[0], True  # a program's main sits on top of its widgets
    return parts[0], len(parts) > 2 and parts[1] == "widgets"


def allowed(source, target):
    (sfolder, swidgets), (tfolder, twidgets) = source, target
    if source == target:
        return True
    if sfolder == "sync" or tfolder == "sync":
        if tfolder == "sync":
            return sfolder == "sync" and (swidgets or not twidgets)
        if twidgets:
            return swidgets and tfolder == "platform"
        return tfolder in SYNC_LOGIC
    if twidgets and not swidgets:
        return False
    if swidgets and not twidgets:
        return True  # every widgets library sits above all the logic
    levels = WIDGETS if swidgets else LOGIC
    if levels[tfolder] < levels[sfolder]:
        return True
    return levels[tfolder] == levels[sfolder] and (sfolder, tfolder) in SIBLINGS


def violations(root):
    found = []
    for folder, _, files in os.walk(root):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")
            source = unit(path)
            if source is None:
                continue
            with open(os.path.join(root, path), encoding="utf-8", errors="replace") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    target = unit(match.group(1)) if match else None
                    if target is not None and not allowed(source, target):
                        found.append(f"{path}:{number}: includes {match.group(1)} "
                                     "from a higher layer")
    return found


def self_test():
    cases = [
        ("store/a.h", "sales/logic/b.h", True),
        ("sales/logic/a.cpp", "till/logic/b.h", True),
        ("print/logic/a.cpp", "print/widgets/b.h", True),
        ("sync/logic/a.cpp", "sales/logic/b.h", True),
        ("inventory/logic/a.cpp", "accounts/logic/b.h", True),
        ("till/widgets/a.cpp", "sync/widgets/b.h", True),
        ("sales/widgets/a.cpp", "print/widgets/b.h", True),
        ("sales/logic/a.cpp", "store/b.h", False),
        ("sales/widgets/a.cpp", "till/logic/b.h", False),
        ("sync/widgets/a.cpp", "platform/widgets/b.h", False),
        ("sync/logic/a.cpp", "comms/logic/b.h", False),
        ("till/logic/a.cpp", "inventory/logic/b.h", False),
    ]
    failures = 0
    for source, target, upward in cases:
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, os.path.dirname(source)))
            with open(os.path.join(root, source), "w") as file:
                file.write(f'#include "{target}"\n#include <vector>\n')
            caught = bool(violations(root))
            if caught != upward:
                print(f"{source} including {target}: "
                      f"{'caught' if caught else 'passed'}, expected the other")
                failures += 1
    print("self-test", "failed" if failures else "passed")
    return 1 if failures else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = violations(root)
    for line in found:
        print(line)
    print(f"{len(found)} upward include(s)" if found else "every include points down the layers")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
