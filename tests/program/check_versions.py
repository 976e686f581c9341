"""The version resources of the shipped binaries as Windows reads them (VerQueryValue, through probe.exe under Wine),
against what the build declares: the fixed versions, then for each language and code page the Translation names, a
block of strings under that name, and in it the texts Windows shows for the file and matches it by.
check_versions.py <wine-run> <probe.exe> <product> <product version> <file version> <vendor> <program> <binary>...
The program's version texts say 1, 0, 0, 1; the libraries' and the command's 1.0.0.1."""
import ast
import os
import subprocess
import sys

wine_run, probe, name, product, file_version, vendor, program, *others = sys.argv[1:]


def read(path, strings):
    """None, or ((file version, product version), [(block, found, {string: text or None})]); two tries, as under
    load Wine has failed a probe's look with status 1 once in some thousands of runs."""
    windows_path = "Z:" + os.path.abspath(path).replace("/", "\\")
    for _ in range(2):
        out = subprocess.run([wine_run, probe, "version", windows_path, *strings], capture_output=True, timeout=120)
        if out.returncode == 0:
            return ast.literal_eval(out.stdout.decode("ascii"))
    sys.exit("probe version %s failed: %d\n%s" % (path, out.returncode, out.stderr.decode(errors="replace")))


faults = []
for path in (program, *others):
    base = os.path.basename(path)
    spell = (lambda version: version.replace(".", ", ")) if path == program else str
    texts = {"CompanyName": vendor, "ProductName": name, "OriginalFilename": base,
             "InternalName": os.path.splitext(base)[0], "FileVersion": spell(file_version),
             "ProductVersion": spell(product), "FileDescription": None}  # each binary's own words; there must be some
    resource = read(path, texts)
    if resource is None:
        faults.append("%s: no version resource" % base)
        continue
    fixed, translations = resource
    if fixed != (file_version, product):
        faults.append("%s: the fixed file and product versions are %r, not %r" % (base, fixed, (file_version, product)))
    if not translations:
        faults.append("%s: the Translation names no language and code page" % base)
    for block, found, strings in translations:
        if not found:
            faults.append("%s: the Translation names %s %s, and there is no block %s of strings"
                          % (base, block[:4], block[4:], block))
            continue
        for string, want in texts.items():
            seen = strings[string] and strings[string].decode("utf-8")
            if seen != want and not (want is None and seen):
                faults.append("%s: %s in block %s is %r, not %r" % (base, string, block, seen, want or "some text"))
print("\n".join(faults) or "the version resources read %s (files %s)" % (product, file_version))
sys.exit(1 if faults else 0)
