#!/usr/bin/env python3
"""Fails when Orvo.exe imports a function that Windows XP SP3 lacks, or
asks in its header for a newer subsystem than XP's (5.1).

The loader resolves every import before the first instruction runs: one
function newer than the oldest supported Windows and the program cannot even
say that the system must be upgraded. The allowed functions are listed in
xp_imports.txt beside this script, each with the minimum client the platform
documentation names. A function that XP lacks is loaded at run time with a
fallback and listed there under "runtime"; importing it is an error too.

Usage: check_imports.py <Orvo.exe> [<list>]
The objdump used is $ORVO_OBJDUMP, else i686-w64-mingw32-objdump."""
import os
import re
import subprocess
import sys

# What the documentation may name as minimum client for an import.
XP_OR_OLDER = ("Windows 95", "Windows 98", "Windows NT", "Windows 2000", "Windows XP")


def read_list(path):
    """Returns ({dll!function: minimum}, {dll!function: minimum}, [problems])."""
    imports, runtime, problems = {}, {}, []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.split("#", 1)[0].strip()
            if not line:
                continue
            fields = [field.strip() for field in line.split("|")]
            is_runtime = fields[0].startswith("runtime ")
            name = key(fields[0][len("runtime "):].strip() if is_runtime else fields[0])
            where = f"{path}:{number}"
            if is_runtime:
                if len(fields) != 3 or not fields[2]:
                    problems.append(f"{where}: a run-time entry needs 'runtime DLL!function | minimum | fallback'")
                runtime[name] = fields[1] if len(fields) > 1 else ""
            elif len(fields) != 2 or not fields[1].startswith(XP_OR_OLDER):
                problems.append(f"{where}: '{line}' needs a documented minimum client of Windows XP or older")
            else:
                imports[name] = fields[1]
    return imports, runtime, problems


def key(entry):
    """DLL names compare without case, function names exactly."""
    dll, _, function = entry.strip().partition("!")
    return f"{dll.lower()}!{function}"


def read_image(exe):
    """Returns ([DLL!function or DLL!#ordinal], (subsystem major, minor))."""
    objdump = os.environ.get("ORVO_OBJDUMP") or "i686-w64-mingw32-objdump"
    try:
        text = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as error:
        sys.exit(f"{exe}: cannot read the import table with {objdump}: {getattr(error, 'stderr', '') or error}")
    found, dll, subsystem = [], None, [0, 0]
    for line in text.splitlines():
        version = re.match(r"(Major|Minor)SubsystemVersion\s+(\d+)", line)
        if version:
            subsystem[0 if version.group(1) == "Major" else 1] = int(version.group(2))
        if line.startswith("PE File Base Relocations") or line.startswith("The Export Tables"):
            dll = None
        named = re.match(r"\s+DLL Name: (\S+)", line)
        if named:
            dll = named.group(1)
            continue
        # "<thunk> <hint or ordinal> <name>", the name "<none>" for an import by ordinal.
        entry = re.match(r"\t[0-9a-fA-F]+\s+(\d+)\s+(\S+)", line)
        if dll and entry:
            ordinal, name = entry.groups()
            found.append(f"{dll}!#{ordinal}" if name == "<none>" else f"{dll}!{name}")
    return found, tuple(subsystem)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    exe = sys.argv[1]
    listing = sys.argv[2] if len(sys.argv) == 3 else os.path.join(os.path.dirname(__file__), "xp_imports.txt")
    allowed, runtime, problems = read_list(listing)
    imported, subsystem = read_image(exe)
    if not imported:
        problems.append(f"{exe}: no import table read")
    # XP's loader refuses an image that asks for a later subsystem version.
    if subsystem > (5, 1):
        problems.append(f"subsystem version {subsystem[0]}.{subsystem[1]}: XP loads 5.1 or lower "
                        "(link with --major-subsystem-version)")
    for name in imported:
        if key(name) in allowed:
            continue
        if key(name) in runtime:
            problems.append(f"{name}: needs {runtime[key(name)]}; it is looked up at run time, never imported")
        else:
            problems.append(f"{name}: not known to exist on Windows XP SP3")
    if problems:
        print(f"{exe} would not load on every Windows it supports ({listing}):", file=sys.stderr)
        for problem in problems:
            print(f"  {problem}", file=sys.stderr)
        print("A function XP lacks is loaded at run time with a fallback; one XP has is listed with the "
              "minimum client its documentation names.", file=sys.stderr)
        sys.exit(1)
    print(f"{exe}: {len(imported)} imports, all available on Windows XP SP3")


if __name__ == "__main__":
    main()
