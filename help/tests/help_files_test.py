#!/usr/bin/env python3
"""Checks the compiled help files against their sources.

    help_files_test.py HELP_SOURCE_DIR BIN_DIR HELP_BUILD_DIR

For each language: chmcmd's log has no warning (a link to a missing page, a page left out of
the project); chmlib's extract_chmLib, a reader independent of the compiler, reads the file back;
every page comes back byte for byte as its UTF-8 source once converted back from the help file's
code page; the file's language, title and first page are the ones the viewer needs; the
contents, the index and every link inside the pages lead to a page and an anchor that exist; and
both languages cover the same pages and anchors.
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

LANGUAGES = [
    # folder, file name, code page, language id, title
    ("en", "kvoHelpEN", "cp1252", 0x0809, "Lexiton Help"),
    ("hu", "kvoHelpHU", "cp1250", 0x040E, "Lexiton súgó"),
]

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def read_system(path):
    """The #SYSTEM entries of a CHM, code -> data (version DWORD, then code, length, data)."""
    with open(path, "rb") as f:
        data = f.read()
    entries = {}
    pos = 4
    while pos + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, pos)
        entries[code] = data[pos + 4 : pos + 4 + length]
        pos += 4 + length
    return entries


def sitemap_targets(text):
    return re.findall(r'<param name="Local" value="([^"]*)"', text)


def anchors(text):
    return set(re.findall(r'<a name="([^"]+)"', text))


def links(text):
    return re.findall(r'href="([^"]+)"', text)


def check_language(source_root, bin_dir, build_dir, folder, name, codepage, lcid, title, work):
    source = os.path.join(source_root, folder)
    chm = os.path.join(bin_dir, name + ".chm")
    if not os.path.isfile(chm):
        fail(f"{chm} was not built")
        return None
    log = os.path.join(build_dir, name + ".log")
    if not os.path.isfile(log):
        fail(f"chmcmd's log {log} is missing")
    else:
        for line in open(log, encoding="latin-1"):
            if line.startswith(("Warning", "Error")):
                fail(f"{name}: chmcmd: {line.strip()}")

    out = os.path.join(work, folder)
    done = subprocess.run(["extract_chmLib", chm, out], capture_output=True, text=True)
    if done.returncode != 0 or not os.path.isdir(out):
        fail(f"extract_chmLib could not read {chm}: {done.stdout}{done.stderr}")
        return None

    pages = sorted(p for p in os.listdir(source) if p.endswith(".html"))
    texts = {}
    for page in pages:
        packed = os.path.join(out, page)
        if not os.path.isfile(packed):
            fail(f"{name}: {page} is not in the help file")
            continue
        want = open(os.path.join(source, page), encoding="utf-8").read()
        raw = open(packed, "rb").read()
        try:
            got = raw.decode(codepage)
        except UnicodeDecodeError as e:
            fail(f"{name}: {page} is not {codepage}: {e}")
            continue
        declared = f"charset=windows-{codepage[2:]}"
        if declared not in got:
            fail(f"{name}: {page} does not declare {declared}")
        if got.replace(declared, "charset=utf-8") != want:
            fail(f"{name}: {page} differs from its source once read back from {codepage}")
        texts[page] = want
        if not re.search(r"<title>[^<]+</title>", want):
            fail(f"{name}: {page} has no title")
    if not os.path.isfile(os.path.join(out, "help.css")):
        fail(f"{name}: help.css is not in the help file")

    system = read_system(os.path.join(out, "#SYSTEM")) if os.path.isfile(os.path.join(out, "#SYSTEM")) else {}
    if not system:
        fail(f"{name}: no #SYSTEM in the help file")
    else:
        if 4 not in system or struct.unpack_from("<I", system[4])[0] != lcid:
            fail(f"{name}: language is not {lcid:#06x}")
        if system.get(3, b"").rstrip(b"\0").decode(codepage, "replace") != title:
            fail(f"{name}: title is {system.get(3)!r}, not {title!r}")
        if system.get(2, b"").rstrip(b"\0") != b"index.html":
            fail(f"{name}: first page is {system.get(2)!r}, not index.html")
    if not os.path.isfile(os.path.join(out, "$FIftiMain")):
        fail(f"{name}: the help file has no full-text search index")

    def resolves(target, where):
        page, _, anchor = target.partition("#")
        if page not in texts:
            fail(f"{name}: {where} leads to {target}, a page the help file does not hold")
        elif anchor and anchor not in anchors(texts[page]):
            fail(f"{name}: {where} leads to {target}, an anchor {page} does not have")

    toc = open(os.path.join(source, "toc.hhc"), encoding="utf-8").read()
    index = open(os.path.join(source, "index.hhk"), encoding="utf-8").read()
    for target in sitemap_targets(toc):
        resolves(target, "the contents")
    for target in sitemap_targets(index):
        resolves(target, "the index")
    in_toc = {t.partition("#")[0] for t in sitemap_targets(toc)}
    for page in pages:
        if page not in in_toc:
            fail(f"{name}: {page} is not in the contents")
    for page, text in texts.items():
        for target in links(text):
            if target.endswith(".css") or target.startswith(("http:", "https:", "mailto:")):
                continue
            resolves(target if not target.startswith("#") else page + target, page)
    project = open(os.path.join(source, name + ".hhp"), encoding="utf-8").read()
    for page in pages:
        if not re.search(r"^" + re.escape(page) + r"$", project, re.M):
            fail(f"{name}: {page} is not listed in {name}.hhp")
    return {page: anchors(text) for page, text in texts.items()}


def main():
    source_root, bin_dir, build_dir = sys.argv[1:4]
    if not shutil.which("extract_chmLib"):
        fail("extract_chmLib is missing: run 'make deps' (Debian's libchm-bin)")
        return 1
    work = tempfile.mkdtemp(prefix="help_files_test.")
    try:
        structure = {}
        for folder, name, codepage, lcid, title in LANGUAGES:
            structure[folder] = check_language(source_root, bin_dir, build_dir, folder, name, codepage,
                                               lcid, title, work)
        en, hu = structure.get("en"), structure.get("hu")
        if en is not None and hu is not None and en != hu:
            fail(f"the two help files differ in pages or anchors: {sorted(set(en) ^ set(hu))} "
                 f"{[p for p in en if p in hu and en[p] != hu[p]]}")
        # Hungarian text must carry its own long vowels, not the look-alikes of other code pages.
        for page in os.listdir(os.path.join(source_root, "hu")):
            text = open(os.path.join(source_root, "hu", page), encoding="utf-8").read()
            for wrong in "õûÕÛ":
                if wrong in text:
                    fail(f"hu/{page} writes {wrong!r} where Hungarian has ő or ű")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"help files: {len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
