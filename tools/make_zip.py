#!/usr/bin/env python3
"""Writes the download: a zip of tintspot.exe and the Windows README, byte for byte the same
from the same inputs. Every entry has the same fixed date (1980-01-01, the earliest a zip can
hold), fixed permissions and compression, in a fixed order; the README gets the version and
Windows line endings.

  tools/make_zip.py EXE README_TEMPLATE VERSION OUT.zip     prints OUT.zip's SHA-256
"""

import hashlib
import sys
import zipfile

FIXED_DATE = (1980, 1, 1, 0, 0, 0)


def entry(name):
    info = zipfile.ZipInfo(name, date_time=FIXED_DATE)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 3  # Unix, so that the permissions below are read as such
    info.external_attr = 0o100644 << 16
    return info


def main(exe, readme, version, out):
    with open(readme, encoding="utf-8") as f:
        text = f.read().replace("@VERSION@", version)
    files = [("README.txt", text.replace("\n", "\r\n").encode("utf-8")), ("tintspot.exe", open(exe, "rb").read())]
    with zipfile.ZipFile(out, "w") as z:
        for name, data in files:
            z.writestr(entry(name), data, compresslevel=9)
    with open(out, "rb") as f:
        print(hashlib.sha256(f.read()).hexdigest())


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
