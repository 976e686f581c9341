"""The version resources of the built binaries against the version the build declares:
check_versions.py <product version> <file version> <vendor> <Varnok.exe> <hali.dll> <halic.dll> <hali.exe>."""
import os
import sys

import pefile


def fixed_version(ms, ls):
    return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)


def resource(path):
    pe = pefile.PE(path)
    fixed = pe.VS_FIXEDFILEINFO[0]
    strings = {k.decode(): v.decode() for info in pe.FileInfo[0] if info.Key == b"StringFileInfo"
               for table in info.StringTable for k, v in table.entries.items()}
    return {"file": fixed_version(fixed.FileVersionMS, fixed.FileVersionLS),
            "product": fixed_version(fixed.ProductVersionMS, fixed.ProductVersionLS), "strings": strings}


product, file_version, vendor, program, *others = sys.argv[1:]
# The program's texts say 1, 0, 0, 1; the libraries' and the command's 1.0.0.1.
commas = {v: v.replace(".", ", ") for v in (product, file_version)}
texts = {program: {"FileVersion": commas[file_version], "ProductVersion": commas[product]},
         **{path: {"FileVersion": file_version, "ProductVersion": product} for path in others}}
faults = []
for path, strings in texts.items():
    got = resource(path)
    want = {"file": file_version, "product": product, "CompanyName": vendor,
            "OriginalFilename": os.path.basename(path), **strings}
    for name, value in want.items():
        seen = got.get(name, got["strings"].get(name))
        if seen != value:
            faults.append("%s: %s is %r, not %r" % (path, name, seen, value))
print("\n".join(faults) or "the version resources match %s (files %s)" % (product, file_version))
sys.exit(1 if faults else 0)
