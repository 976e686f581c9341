"""The version resources of the built binaries against the version the build declares:
check_versions.py <product version> <file version> <vendor> <Varnok.exe> <hali.dll>."""
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


product, file_version, vendor, program, library = sys.argv[1:]
commas = {v: v.replace(".", ", ") for v in (product, file_version)}  # the program's texts say 1, 0, 0, 1
expected = {
    program: {"file": file_version, "product": product, "FileVersion": commas[file_version],
              "ProductVersion": commas[product], "CompanyName": vendor},
    library: {"file": file_version, "product": product, "FileVersion": file_version, "ProductVersion": product,
              "CompanyName": vendor},
}
faults = []
for path, want in expected.items():
    got = resource(path)
    for name, value in want.items():
        seen = got.get(name, got["strings"].get(name))
        if seen != value:
            faults.append("%s: %s is %r, not %r" % (path, name, seen, value))
print("\n".join(faults) or "both version resources match %s (files %s)" % (product, file_version))
sys.exit(1 if faults else 0)
