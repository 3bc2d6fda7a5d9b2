#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeps what a static Qt build owes its users, before its build folder is removed.

Writes into OUT:
- attributions.json: every third-party component that the Qt source names in its
  qt_attribution.json files, with the folder and files it covers, its copyright lines and its
  licence texts;
- objects.tsv: for each object file of each static library of the build, the files of those
  components it was compiled from (sources and headers), so that a program's link map tells
  which components the program holds;
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
        entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
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
                "Directory": folder.relative_to(source).as_posix(),
                "Files": files,
            }


def compiled_from(build):
    """Maps each object file of the build to the files it was compiled from: its source and
    every header it included, as the compiler reported them to ninja."""
    listing = subprocess.run(["ninja", "-C", str(build), "-t", "deps"],
                             check=True, capture_output=True, text=True).stdout
    inputs, current = {}, None
    for line in listing.splitlines():
        if line and not line.startswith(" "):
            current = inputs.setdefault(line.split(":")[0], [])
        elif line.strip() and current is not None:
            current.append(line.strip())
    return inputs


def archive_members(build):
    """Yields (archive name, member name, object path) for each object of each static library
    that the build installs: Qt's libraries and its plugins."""
    for archive in sorted(build.glob("lib/*.a")) + sorted(build.glob("plugins/*/*.a")):
        query = subprocess.run(["ninja", "-C", str(build), "-t", "query",
                                archive.relative_to(build).as_posix()],
                               check=True, capture_output=True, text=True).stdout
        for line in query.splitlines():
            name = line.strip()
            if name.endswith(".obj"):
                yield archive.name, pathlib.PurePath(name).name, name


def main(source, build, out):
    source, build, out = pathlib.Path(source).resolve(), pathlib.Path(build), pathlib.Path(out)
    out.mkdir(parents=True, exist_ok=True)
    entries = list(attribution_entries(source))
    (out / "attributions.json").write_text(json.dumps(entries, indent=1, ensure_ascii=False),
                                           encoding="utf-8")
    # Only the files that some component covers, a folder or a single file, are kept: the table
    # stays small.
    covered = {entry["Directory"] for entry in entries}
    folders = tuple(sorted(path + "/" for path in covered))
    inputs = compiled_from(build)
    with open(out / "objects.tsv", "w", encoding="utf-8") as table:
        for archive, member, obj in archive_members(build):
            for name in inputs.get(obj, []):
                path = (build / name).resolve()
                if path.is_relative_to(source):
                    relative = path.relative_to(source).as_posix()
                    if relative in covered or relative.startswith(folders):
                        table.write(f"{archive}\t{member}\t{relative}\n")
    licences = out / "licenses"
    licences.mkdir(exist_ok=True)
    for text in sorted(source.glob("LICENSE*")) + sorted(source.glob("LICENSES/*")):
        if not text.is_file():
            continue
        shutil.copyfile(text, licences / text.name)


if __name__ == "__main__":
    main(*sys.argv[1:])
