# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts Orca with its debug file written line by line, so that a test reads what
Orca said while it runs. Usage: orca_logged.py DEBUG_FILE PREFS_DIR."""
import builtins
import sys

log, prefs = sys.argv[1], sys.argv[2]
_open = builtins.open


def _line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)


builtins.open = _line_buffered
sys.argv = ["/usr/bin/orca", "-u", prefs, "--debug-file=" + log]
with _open("/usr/bin/orca") as script:
    exec(compile(script.read(), "/usr/bin/orca", "exec"))
