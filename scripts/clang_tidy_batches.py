#!/usr/bin/env python3
"""Runs clang-tidy over the programs' sources (not tests/, not the build folders) of a
configured build's compile_commands.json, in parallel, and fails on any finding.

Two things make it fast enough for ./test.sh:
- Sources of one library share their compile flags, so several of them are checked
  as one translation unit that #includes them: Qt's and the C++ library's headers
  are parsed and matched once per batch instead of once per file. Two sources that
  cannot share a unit (a helper of the same name in each) are first found with a
  plain syntax check and checked apart.
- A source found clean is remembered under ${XDG_CACHE_HOME:-~/.cache}/ovix-clang-tidy,
  keyed by the tool's version, .clang-tidy, this script, the compile command and the
  contents of every file the source includes (listed by clang-scan-deps), so a second
  run checks only what changed.

Usage: scripts/clang-tidy.sh [build-dir [source...]]
Environment: OVIX_TIDY_JOBS (default: the number of cores), OVIX_TIDY_BATCH (most
sources in one unit, default 16; 1 checks every source alone), OVIX_TIDY_NO_CACHE=1.
"""

import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile
import time

ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), ".."))
CLANG_TIDY = os.environ.get("CLANG_TIDY", "clang-tidy-14")
CLANGXX = os.environ.get("CLANGXX", "clang++-14")
SCAN_DEPS = os.environ.get("CLANG_SCAN_DEPS", "clang-scan-deps-14")
CONFIG = os.path.join(ROOT, ".clang-tidy")
# The programs' folders; bench/ (benchmarks, never shipped nor run as tests) is not
# among them.
SUBSYSTEMS = ("platform", "store", "comms", "sales", "print", "inventory", "accounts",
              "reports", "exchange", "till", "sync", "tools")
HEADER_FILTER = "^" + re.sub(r"([.^$|()\[\]*+?{}\\])", r"\\\1", ROOT) + "/(" + "|".join(SUBSYSTEMS) + ")/"
DIAGNOSTIC = re.compile(r"^(/[^:]+):(\d+):(\d+): (warning|error): ")


def product_sources(build_dir, chosen):
    """The compile commands of the programs' own sources, one per source file."""
    with open(os.path.join(build_dir, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    wanted = {os.path.realpath(p) for p in chosen}
    result = {}
    for entry in entries:
        path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        relative = os.path.relpath(path, ROOT)
        if relative.split(os.sep)[0] not in SUBSYSTEMS or not path.endswith(".cpp"):
            continue
        if wanted and path not in wanted:
            continue
        args = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
        flags = []
        skip = False
        for arg in args[1:]:
            if skip:
                skip = False
            elif arg in ("-o", "-c"):
                skip = True
            elif arg != entry["file"] and arg != path:
                flags.append(arg)
        result.setdefault(path, {"dir": entry["directory"], "flags": flags})
    return result


def dependencies(sources, jobs):
    """Every file each source includes, by clang-scan-deps; None when it cannot tell."""
    with tempfile.TemporaryDirectory() as folder:
        database = [{"directory": s["dir"], "file": path,
                     "arguments": [CLANGXX] + s["flags"] + ["-c", path, "-o", path + ".o"]}
                    for path, s in sources.items()]
        with open(os.path.join(folder, "compile_commands.json"), "w", encoding="utf-8") as f:
            json.dump(database, f)
        try:
            run = subprocess.run([SCAN_DEPS, "-compilation-database",
                                  os.path.join(folder, "compile_commands.json"),
                                  "-j", str(jobs)], capture_output=True, text=True, check=False)
        except OSError:
            return None
    if run.returncode != 0:
        return None
    deps = {}
    for rule in run.stdout.replace("\\\n", " ").splitlines():
        if ":" not in rule:
            continue
        files = rule.split(":", 1)[1].split()
        if files:
            deps[os.path.realpath(files[0])] = [os.path.realpath(p) for p in files]
    return deps


def cache_keys(sources, deps):
    """A key per source that changes when anything its check depends on changes."""
    version = subprocess.run([CLANG_TIDY, "--version"], capture_output=True, text=True,
                             check=True).stdout
    common = hashlib.sha256(version.encode())
    for path in (CONFIG, os.path.abspath(__file__)):
        with open(path, "rb") as f:
            common.update(f.read())
    content = {}

    def digest(path):
        if path not in content:
            try:
                with open(path, "rb") as f:
                    content[path] = hashlib.sha256(f.read()).hexdigest()
            except OSError:
                content[path] = "missing"
        return content[path]

    keys = {}
    for path, source in sources.items():
        if path not in deps:
            continue
        key = common.copy()
        key.update("\0".join([source["dir"]] + source["flags"]).encode())
        for dep in deps[path]:
            key.update(("\0" + dep + "\0" + digest(dep)).encode())
        keys[path] = key.hexdigest()
    return keys


def batches(sources, todo, size):
    """Sources with the same flags, in groups of at most `size`."""
    groups = {}
    for path in sorted(todo):
        s = sources[path]
        groups.setdefault((s["dir"], tuple(s["flags"])), []).append(path)
    result = []
    for paths in groups.values():
        count = -(-len(paths) // size)
        for i in range(count):
            result.append(paths[i * len(paths) // count:(i + 1) * len(paths) // count])
    return result


def unit_text(paths):
    return "".join('#include "%s"\n' % p for p in paths)


def clash_free(paths, source, folder):
    """Splits `paths` into sets that compile together as one unit."""
    pending = list(paths)
    parts = []
    while pending:
        if len(pending) == 1:
            parts.append(pending)
            break
        unit = os.path.join(folder, "syntax.cpp")
        with open(unit, "w", encoding="utf-8") as f:
            f.write(unit_text(pending))
        run = subprocess.run([CLANGXX] + source["flags"] + ["-fsyntax-only", "-w", unit],
                             cwd=source["dir"], capture_output=True, text=True, check=False)
        if run.returncode == 0:
            parts.append(pending)
            break
        failing = set()
        for line in run.stderr.splitlines():
            match = DIAGNOSTIC.match(line)
            if match and match.group(4) == "error":
                failing.add(os.path.realpath(match.group(1)))
        moved = [p for p in pending if p in failing]
        if not moved or moved == pending:
            # The error is in a shared header, or every source has one: alone each.
            parts.extend([p] for p in pending)
            break
        parts.extend(clash_free(moved, source, folder))
        pending = [p for p in pending if p not in failing]
    return parts


def findings(output):
    """The diagnostics of clang-tidy's output, each with its notes, by their first line."""
    blocks = {}
    current = None
    for line in output.splitlines():
        match = DIAGNOSTIC.match(line)
        if match:
            current = line
            blocks.setdefault(current, [line])
            blocks[current] = [line]
        elif current and not re.match(r"^\d+ (warning|error)s? (generated|treated)", line):
            blocks[current].append(line)
    return blocks


def check(paths, source, cache, keys):
    """Checks one batch; returns its findings and the sources left unchecked."""
    with tempfile.TemporaryDirectory() as folder:
        parts = clash_free(paths, source, folder) if len(paths) > 1 else [paths]
        found = {}
        for part in parts:
            if len(part) == 1:
                target = part[0]
            else:
                target = os.path.join(folder, "unit.cpp")
                with open(target, "w", encoding="utf-8") as f:
                    f.write(unit_text(part))
            run = subprocess.run([CLANG_TIDY, "--quiet", "--config-file=" + CONFIG,
                                  "--header-filter=" + HEADER_FILTER, target, "--"]
                                 + source["flags"], cwd=source["dir"], capture_output=True,
                                 text=True, check=False)
            blocks = findings(run.stdout + run.stderr)
            # The unit's own lines only #include the sources it checks.
            blocks = {k: v for k, v in blocks.items() if not k.startswith(target + ":")}
            # Status 1 with nothing shown: findings in the library's headers, which
            # are filtered out. Anything else unexplained is a failure of the tool.
            failed = run.returncode not in (0, 1) or "Stack dump" in run.stderr
            if failed and not blocks:
                blocks = {"clang-tidy failed on " + " ".join(part):
                          [run.stdout + run.stderr]}
            found.update(blocks)
            remember_clean(part, blocks, cache, keys)
        return found, len(parts)


DEPS = {}


def remember_clean(paths, blocks, cache, keys):
    """Marks as clean the sources none of whose files has a finding."""
    if cache is None:
        return
    flagged = {os.path.realpath(DIAGNOSTIC.match(b).group(1))
               for b in blocks if DIAGNOSTIC.match(b)}
    if any(not DIAGNOSTIC.match(b) for b in blocks):
        return
    for path in paths:
        if path in keys and not flagged.intersection(DEPS.get(path, [path])):
            with open(os.path.join(cache, keys[path]), "w", encoding="utf-8"):
                pass


def main():
    started = time.monotonic()
    build_dir = sys.argv[1] if len(sys.argv) > 1 else "build"
    if not os.path.isabs(build_dir):
        build_dir = os.path.join(os.getcwd(), build_dir)
    jobs = int(os.environ.get("OVIX_TIDY_JOBS", os.cpu_count() or 1))
    size = max(1, int(os.environ.get("OVIX_TIDY_BATCH", "16")))
    sources = product_sources(build_dir, sys.argv[2:])
    if not sources:
        print("clang-tidy: no sources of the programs in %s/compile_commands.json" % build_dir)
        return 1

    cache = None
    keys = {}
    if os.environ.get("OVIX_TIDY_NO_CACHE") != "1":
        deps = dependencies(sources, jobs)
        if deps is not None:
            DEPS.update(deps)
            keys = cache_keys(sources, deps)
            cache = os.path.join(os.environ.get("XDG_CACHE_HOME")
                                 or os.path.expanduser("~/.cache"), "ovix-clang-tidy")
            os.makedirs(cache, mode=0o700, exist_ok=True)
    todo = [p for p in sources
            if cache is None or p not in keys or not os.path.exists(os.path.join(cache, keys[p]))]
    work = batches(sources, todo, size)
    # The dearest first (widgets units parse the most headers), so the cores end together.
    work.sort(key=lambda b: (-len(sources[b[0]]["flags"]), -len(b)))

    found = {}
    units = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for blocks, count in pool.map(lambda b: check(b, sources[b[0]], cache, keys), work):
            for first, block in sorted(blocks.items()):
                if first not in found:
                    print("\n".join(block), flush=True)
            found.update(blocks)
            units += count
    cpu = os.times()
    print("clang-tidy: %d sources, %d found clean before, %d checked in %d units, "
          "%d findings, %.0f s (%.0f s of processor time)"
          % (len(sources), len(sources) - len(todo), len(todo), units, len(found),
             time.monotonic() - started, cpu.children_user + cpu.children_system))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
