#!/usr/bin/env python3
"""Fails when a module reaches into another module by path instead of linking its target.

A module is a folder with its own CMakeLists.txt directly under the top, or under companions/,
lookup/, tests/ or tools/ (the folders that only group modules). Two things are refused:

  - a module's CMake files naming a path inside another module (an include folder added by path,
    another module's sources compiled in): link the other module's target instead, and let its
    public include folder come with it;
  - a source file whose #include climbs out of its own module ("../other/src/x.h") or names a
    src/ folder on the way ("translator/src/x.h").

Paths in CMake files are resolved where they can be read without running CMake: the source-
folder variables, relative paths, and variables the same file sets from those. Everything else
(build folders, the dependency cache, generator expressions) is left alone.

usage: module_boundaries.py SOURCE_ROOT [KNOWN_CROSSINGS_FILE]
       module_boundaries.py --self-test    (the check on a small tree of known faults)
"""
import os
import re
import sys

GROUPS = ("companions", "lookup", "tests", "tools")
SOURCE_SUFFIXES = (".c", ".cpp", ".h", ".inc", ".rc", ".idl", ".in")
SKIP_TOP = {".git", "build", "out"}


def find_modules(root):
    modules = []
    for name in sorted(os.listdir(root)):
        path = os.path.join(root, name)
        if name in SKIP_TOP or not os.path.isdir(path):
            continue
        if name in GROUPS:
            for sub in sorted(os.listdir(path)):
                if os.path.isfile(os.path.join(path, sub, "CMakeLists.txt")):
                    modules.append(f"{name}/{sub}")
        elif os.path.isfile(os.path.join(path, "CMakeLists.txt")):
            modules.append(name)
    return modules


def module_of(rel, modules):
    """The module holding the repository-relative path `rel`, or None."""
    for m in modules:
        if rel == m or rel.startswith(m + "/"):
            return m
    return None


def cmake_files(root, module):
    base = os.path.join(root, module)
    if module in GROUPS:
        # A grouping folder's own list only adds its modules.
        yield os.path.join(base, "CMakeLists.txt")
        return
    for folder, dirs, files in os.walk(base):
        dirs[:] = [d for d in dirs if d != "corpus"]
        for f in files:
            if f == "CMakeLists.txt" or f.endswith(".cmake"):
                yield os.path.join(folder, f)


def strip_comments(text):
    out = []
    for line in text.splitlines():
        # A '#' outside a quoted string starts a comment.
        in_quote = False
        for i, ch in enumerate(line):
            if ch == '"':
                in_quote = not in_quote
            elif ch == "#" and not in_quote:
                line = line[:i]
                break
        out.append(line)
    return "\n".join(out)


TOKEN = re.compile(r'"[^"]*"|[^\s()"]+')
SET = re.compile(r"\bset\(\s*(\w+)\s+([^)]*)\)", re.IGNORECASE)
VAR = re.compile(r"\$\{(\w+)\}")


def resolve(token, folder, root, variables):
    token = token.strip('"')
    if token.startswith("-I"):
        token = token[2:]
    if "$<" in token:
        return None

    def value(match):
        name = match.group(1)
        if name in ("CMAKE_SOURCE_DIR", "PROJECT_SOURCE_DIR", "Lexiton_SOURCE_DIR"):
            return root
        if name in ("CMAKE_CURRENT_SOURCE_DIR", "CMAKE_CURRENT_LIST_DIR", "CMAKE_CURRENT_FUNCTION_LIST_DIR"):
            return folder
        if name in variables:
            return variables[name]
        raise KeyError(name)

    try:
        for _ in range(4):
            if not VAR.search(token):
                break
            token = VAR.sub(value, token)
    except KeyError:
        return None
    if VAR.search(token) or not token:
        return None
    if not os.path.isabs(token):
        # Keywords and target names are not paths; only what exists or looks like a file is.
        if "/" not in token and "." not in token:
            return None
        token = os.path.join(folder, token)
    return os.path.normpath(token)


def check_cmake(root, module, modules, problems):
    for path in cmake_files(root, module):
        folder = os.path.dirname(path)
        text = strip_comments(open(path, encoding="utf-8").read())
        variables = {}
        for name, val in SET.findall(text):
            first = TOKEN.findall(val)
            if first:
                resolved = resolve(first[0], folder, root, variables)
                if resolved:
                    variables[name] = resolved
        for line_no, line in enumerate(text.splitlines(), 1):
            for token in TOKEN.findall(line):
                resolved = resolve(token, folder, root, variables)
                if not resolved or not resolved.startswith(root + os.sep):
                    continue
                rel = os.path.relpath(resolved, root)
                owner = module_of(rel, modules)
                if owner and owner != module:
                    problems.append((os.path.relpath(path, root), line_no, owner,
                                     f"names {rel} inside module {owner}: link its target instead"))


INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')


def check_sources(root, module, modules, problems):
    base = os.path.join(root, module)
    for folder, dirs, files in os.walk(base):
        dirs[:] = [d for d in dirs if d != "corpus"]
        for f in files:
            if not f.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(folder, f)
            try:
                lines = open(path, encoding="utf-8", errors="replace").read().splitlines()
            except OSError:
                continue
            for line_no, line in enumerate(lines, 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                target = m.group(1)
                rel_file = os.path.relpath(path, root)
                if "/src/" in "/" + target:
                    problems.append((rel_file, line_no, target, f'includes "{target}" through a src/ folder'))
                elif target.startswith("../") or "/../" in target:
                    resolved = os.path.relpath(os.path.normpath(os.path.join(folder, target)), root)
                    if module_of(resolved, modules) != module:
                        problems.append((rel_file, line_no, target, f'includes "{target}" from outside {module}'))


def crossings(root):
    modules = find_modules(root)
    problems = []
    for module in modules:
        check_cmake(root, module, modules, problems)
        check_sources(root, module, modules, problems)
    for group in GROUPS:
        if os.path.isfile(os.path.join(root, group, "CMakeLists.txt")):
            check_cmake(root, group, modules, problems)
    return modules, problems


def self_test():
    import tempfile

    files = {
        "a/CMakeLists.txt": "add_library(a src/a.cpp)\n"
        "target_include_directories(a PRIVATE include ${CMAKE_SOURCE_DIR}/b/include)\n"
        "set(b_src ${CMAKE_SOURCE_DIR}/b/src)  # ${CMAKE_SOURCE_DIR}/b in a comment is fine\n"
        "add_library(a2 ${b_src}/b.cpp)\n",
        "a/src/a.cpp": '#include "../../b/src/b.h"\n#include "../include/a.h"\n',
        "a/include/a.h": "",
        "b/CMakeLists.txt": "add_library(b src/b.cpp)\ntarget_include_directories(b PUBLIC include)\n",
        "b/src/b.cpp": '#include "b.h"\n',
        "companions/c/CMakeLists.txt": "add_library(c c.cpp)\ntarget_link_libraries(c PRIVATE b)\n",
        "companions/c/c.cpp": '#include "b/src/b.h"\n#include <b/b.h>\n',
        "companions/CMakeLists.txt": "add_subdirectory(c)\n",
        "data/x.txt": "",
    }
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(root, name)), exist_ok=True)
            with open(os.path.join(root, name), "w", encoding="utf-8") as f:
                f.write(text)
        modules, problems = crossings(os.path.realpath(root))
    found = sorted((p[0], p[1]) for p in problems)
    expected = [("a/CMakeLists.txt", 2), ("a/CMakeLists.txt", 3), ("a/CMakeLists.txt", 4), ("a/src/a.cpp", 1),
                ("companions/c/c.cpp", 1)]
    if modules != ["a", "b", "companions/c"] or found != expected:
        print(f"self-test: modules {modules}, found {found}, expected {expected}")
        return 1
    print("self-test: the five crossings of the sample tree were found")
    return 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    root = os.path.realpath(sys.argv[1])
    known = set()
    if len(sys.argv) > 2:
        for line in open(sys.argv[2], encoding="utf-8"):
            line = line.split("#", 1)[0].strip()
            if line:
                known.add(line)
    modules, problems = crossings(root)
    # A known crossing is a file and the module (or include) it reaches.
    unexpected = [p for p in problems if f"{p[0]} {p[2]}" not in known]
    # A known crossing that is gone must leave the list too, or the list would hide a new one.
    seen = {f"{p[0]} {p[2]}" for p in problems}
    stale = sorted(k for k in known if k not in seen)
    for file, line, _, what in unexpected:
        print(f"{file}:{line}: {what}")
    for k in stale:
        print(f"known crossing no longer found, remove it from the list: {k}")
    print(f"{len(modules)} modules, {len(problems)} crossings ({len(problems) - len(unexpected)} known)")
    return 1 if unexpected or stale else 0


if __name__ == "__main__":
    sys.exit(main())
