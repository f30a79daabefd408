#!/usr/bin/python3
"""Reads a stamped Windows program with python3-pefile, an independent reader, and prints what
the publishing tests check: one "key=value" line per version string (value in brackets so that
trailing spaces show), the fixed file version words, and the icon groups by name."""
import sys

import pefile

pe = pefile.PE(sys.argv[1])
for info in getattr(pe, "FileInfo", [])[0] if getattr(pe, "FileInfo", None) else []:
    if info.Key == b"StringFileInfo":
        for table in info.StringTable:
            for key, value in table.entries.items():
                print(f"{table.LangID.decode()}/{key.decode()}=[{value.decode('utf-8', 'replace')}]")
fixed = pe.VS_FIXEDFILEINFO[0]
print(f"FileVersionMS={fixed.FileVersionMS:#010x}")
print(f"FileVersionLS={fixed.FileVersionLS:#010x}")
print(f"overlay={len(pe.get_overlay() or b'')}")
