#!/usr/bin/env python3
"""Checks that a Windows program imports only DLLs that ship with Windows.

Usage: check_imports.py OBJDUMP PROGRAM.exe
"""
import subprocess
import sys

ALLOWED = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
           "shlwapi.dll", "version.dll", "advapi32.dll", "comdlg32.dll",
           "shell32.dll", "msvcrt.dll", "ucrtbase.dll"}
ALLOWED_PREFIXES = ("api-ms-win-crt-",)


def main():
    objdump, program = sys.argv[1], sys.argv[2]
    output = subprocess.run([objdump, "-p", program], check=True,
                            capture_output=True, text=True).stdout
    dlls = sorted({line.split("DLL Name:")[1].strip().lower()
                   for line in output.splitlines() if "DLL Name:" in line})
    if not dlls:
        sys.exit(f"{program}: no import table found")
    bad = [d for d in dlls if d not in ALLOWED and not d.startswith(ALLOWED_PREFIXES)]
    print("imports:", ", ".join(dlls))
    if bad:
        sys.exit("not shipped with Windows: " + ", ".join(bad))


if __name__ == "__main__":
    main()
