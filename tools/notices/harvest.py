#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeps what a static Qt build owes its users, before its build folder is removed.

Writes into OUT:
- attributions.json: every third-party component that the Qt source names in its
  qt_attribution.json files, with the folder and files it covers, its copyright lines and its
  licence texts;
- objects.tsv: for each object file of each static library of the build, the source file it was
  compiled from, so that a program's link map tells which of those components it holds;
- the Qt source's own licence texts, in licenses/.

Usage: harvest.py QT_SOURCE QT_BUILD OUT
"""
import json
import pathlib
import shutil
import subprocess
import sys


def text_of(folder, names):
    return "\n\n".join((folder / name).read_text(encoding="utf-8", errors="replace").strip()
                       for name in names if (folder / name).is_file())


def as_list(value):
    if value is None:
        return []
    return value if isinstance(value, list) else [value]


def attribution_entries(source):
    for path in sorted(source.glob("src/**/qt_attribution.json")):
        entries = json.loads(path.read_text(encoding="utf-8"))
        for entry in entries if isinstance(entries, list) else [entries]:
            folder = (path.parent / entry.get("Path", ".")).resolve()
            files = entry.get("Files", [])
            if isinstance(files, str):
                files = files.split()
            copyright_text = "\n".join(as_list(entry.get("Copyright")))
            if not copyright_text and "CopyrightFile" in entry:
                copyright_text = text_of(path.parent, [entry["CopyrightFile"]])
            licence_files = as_list(entry.get("LicenseFile")) + as_list(entry.get("LicenseFiles"))
            yield {
                "Id": entry.get("Id", ""),
                "Name": entry.get("Name", ""),
                "Version": entry.get("Version", ""),
                "Homepage": entry.get("Homepage", ""),
                "License": entry.get("License", ""),
                "LicenseId": entry.get("LicenseId", ""),
                "Copyright": copyright_text.strip(),
                "LicenseText": text_of(path.parent, licence_files),
                "Directory": folder.relative_to(source.resolve()).as_posix(),
                "Files": files,
            }


def archive_objects(build):
    """Yields (archive name, member name, source path) for each object of each static library."""
    commands = json.loads(subprocess.run(["ninja", "-C", str(build), "-t", "compdb"],
                                         check=True, capture_output=True, text=True).stdout)
    source_of = {command["output"]: command["file"] for command in commands}
    for archive in sorted(build.rglob("*.a")):
        query = subprocess.run(["ninja", "-C", str(build), "-t", "query",
                                archive.relative_to(build).as_posix()],
                               check=True, capture_output=True, text=True).stdout
        for line in query.splitlines():
            name = line.strip()
            if name in source_of:
                yield archive.name, pathlib.PurePath(name).name, source_of[name]


def main(source, build, out):
    source, build, out = pathlib.Path(source), pathlib.Path(build), pathlib.Path(out)
    out.mkdir(parents=True, exist_ok=True)
    entries = list(attribution_entries(source))
    (out / "attributions.json").write_text(json.dumps(entries, indent=1, ensure_ascii=False),
                                           encoding="utf-8")
    with open(out / "objects.tsv", "w", encoding="utf-8") as table:
        for archive, member, file in archive_objects(build):
            compiled = (build / file).resolve()
            # Sources that the build generates (moc, rcc) are Qt's own, not a component's.
            if compiled.is_relative_to(source.resolve()):
                relative = compiled.relative_to(source.resolve()).as_posix()
                table.write(f"{archive}\t{member}\t{relative}\n")
    licences = out / "licenses"
    licences.mkdir(exist_ok=True)
    for text in sorted(source.glob("LICENSE*")) + sorted(source.glob("LICENSES/*")):
        shutil.copyfile(text, licences / text.name)


if __name__ == "__main__":
    main(*sys.argv[1:])
