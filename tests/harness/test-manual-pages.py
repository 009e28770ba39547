#!/usr/bin/env python3
"""Every command line option a program's --help lists is in its manual page, and the manual
page names no option the program does not have; in a Spanish environment --help answers in
Spanish with the same options.
    test-manual-pages.py <source folder> <program folder>"""
import os
import re
import subprocess
import sys

source, programs = sys.argv[1], sys.argv[2]
failures = []
for program in ("lectorum", "lectorum-mkdb"):
    # --help needs no display: it is answered before any window system is reached.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    run = subprocess.run([os.path.join(programs, program), "--help"], capture_output=True,
                         text=True, env=env, timeout=60)
    if run.returncode != 0:
        failures.append(f"{program} --help exited with {run.returncode}: {run.stderr.strip()}")
        continue
    in_help = set(re.findall(r"(?<![\w-])--[a-z][a-z-]*", run.stdout))
    with open(os.path.join(source, "desktop", program + ".1"), encoding="utf-8") as page:
        # troff's escaped hyphens and font changes ("\\fB\\-\\-help") read as plain text
        text = re.sub(r"\\f[BIRP]", "", page.read()).replace("\\-", "-")
    in_page = set(re.findall(r"(?<![\w-])--[a-z][a-z-]*", text))
    for option in sorted(in_help - in_page):
        failures.append(f"{program}: {option} is in --help but not in {program}.1")
    for option in sorted(in_page - in_help):
        failures.append(f"{program}: {option} is in {program}.1 but not in --help")
    spanish = subprocess.run([os.path.join(programs, program), "--help"], capture_output=True,
                             text=True, env=dict(env, LANGUAGE="es"), timeout=60)
    in_spanish = set(re.findall(r"(?<![\w-])--[a-z][a-z-]*", spanish.stdout))
    if not spanish.stdout.startswith("Uso:") or in_spanish != in_help:
        failures.append(f"{program}: --help in Spanish does not read as the English one "
                        f"translated: {spanish.stdout[:80]!r}")
for failure in failures:
    print("FAIL:", failure)
print("PASS" if not failures else f"{len(failures)} difference(s)")
sys.exit(1 if failures else 0)
