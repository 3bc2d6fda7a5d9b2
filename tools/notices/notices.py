#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the notices file of a statically linked program: the third-party components that its
link map shows it holds, each with its copyright lines and licence text.

The Qt components come from what harvest.py kept beside the static Qt; the libraries of the
compiler's runtime from the copyright files of the Debian packages that installed them.

Usage: notices.py LINK_MAP QT_PREFIX QT_VERSION PROGRAM OUTPUT OWN_BUILD
where OWN_BUILD is the program's build folder, whose own libraries need no notice.
"""
import collections
import json
import pathlib
import re
import subprocess
import sys

RULE = "-" * 78
# The libjpeg licence asks that the documentation of a program shipped as executable code say so.
IJG_STATEMENT = "This software is based in part on the work of the Independent JPEG Group."


def linked_members(link_map):
    """The archive members that the linker took into the program: {archive path: {member}}."""
    members = collections.defaultdict(set)
    for line in pathlib.Path(link_map).read_text(encoding="utf-8", errors="replace").splitlines():
        found = re.match(r"^(\S+\.a)\((.+)\)$", line)
        if found:
            members[pathlib.Path(found[1]).resolve()].add(found[2])
    return members


def covers(entry, path):
    folder = entry["Directory"]
    if path != folder and not path.startswith(folder + "/"):
        return False
    files = [f"{folder}/{name}" for name in entry["Files"]]
    return not files or any(path == name or path.startswith(name + "/") for name in files)


def qt_components(attributions, members):
    objects = collections.defaultdict(set)
    for line in (attributions / "objects.tsv").read_text(encoding="utf-8").splitlines():
        archive, member, path = line.split("\t")
        objects[archive, member].add(path)
    used = {path for archive, names in members.items() for name in names
            for path in objects.get((archive.name, name), ())}
    entries = json.loads((attributions / "attributions.json").read_text(encoding="utf-8"))
    chosen = [entry for entry in entries if any(covers(entry, path) for path in used)]
    return sorted(chosen, key=lambda entry: (entry["Name"].lower(), entry["Id"]))


def component_notice(entry):
    title = " ".join(part for part in (entry["Name"], entry["Version"]) if part)
    lines = [RULE, title]
    if entry["Homepage"]:
        lines.append(f"Homepage: {entry['Homepage']}")
    licence = entry["License"] or entry["LicenseId"]
    if entry["LicenseId"] and entry["LicenseId"] != licence:
        licence += f" ({entry['LicenseId']})"
    lines.append(f"Licence: {licence}")
    if "IJG" in entry["LicenseId"]:
        lines.append(IJG_STATEMENT)
    lines += ["", entry["Copyright"]]
    if entry["LicenseText"]:
        lines += ["", entry["LicenseText"]]
    return "\n".join(lines) + "\n"


def copyright_of(archive):
    """The copyright file of the Debian package that installed the archive, or None."""
    found = subprocess.run(["dpkg-query", "-S", str(archive)], capture_output=True, text=True)
    if found.returncode != 0:
        return None
    package = found.stdout.split(":")[0]
    copyright_file = pathlib.Path("/usr/share/doc", package, "copyright")
    return copyright_file.read_text(encoding="utf-8", errors="replace").strip() \
        if copyright_file.is_file() else None


def runtime_notices(archives):
    """The compiler's runtime libraries, grouped by the copyright file of the Debian packages
    that installed them: the C++ library and the compiler's own share one."""
    by_copyright = collections.defaultdict(list)
    for archive in archives:
        by_copyright[copyright_of(archive)].append(archive.name)
    for text, names in sorted(by_copyright.items(), key=lambda item: sorted(item[1])):
        lines = [RULE, f"Compiler runtime: {', '.join(sorted(names))}"]
        if text:
            lines += ["The copyright file of the Debian packages that hold them follows.", "",
                      text]
        else:
            lines.append("The copyright and licence of these libraries are those of the "
                         "compiler that built the program.")
        yield "\n".join(lines) + "\n"


def main(link_map, qt_prefix, qt_version, program, output, own_build):
    qt_prefix = pathlib.Path(qt_prefix).resolve()
    own_build = pathlib.Path(own_build).resolve()
    attributions = qt_prefix / "share" / "attributions"
    members = linked_members(link_map)
    qt_archives = sorted(archive for archive in members if archive.is_relative_to(qt_prefix))
    runtime = sorted(archive for archive in members
                     if not archive.is_relative_to(qt_prefix) and not archive.is_relative_to(own_build))
    source = (attributions / "source.txt").read_text(encoding="utf-8").strip()
    header = f"""Third-party software in {program}
{'=' * (len(program) + 24)}

{program} is licensed under the GNU General Public License, version 3 or later (COPYING.txt).
It holds, linked in statically, the software listed below, each with its copyright lines and
licence. The list is made by the build, from the libraries that the linker took into the
program.

{RULE}
Qt {qt_version}
Libraries: {', '.join(archive.name for archive in qt_archives)}
Licence: GNU Lesser General Public License, version 3 (LGPL-3.0-only); its text is in
LGPL-3.0.txt, and the GNU General Public License it extends in COPYING.txt.
Copyright (C) The Qt Company Ltd. and other contributors.
Built from Debian's source package {source}, with the patch scripts/windows-qt.patch of the
program's source archive; readme.txt says how to rebuild the program with another Qt.
"""
    parts = [header] + [component_notice(entry)
                        for entry in qt_components(attributions, members)]
    parts += list(runtime_notices(runtime))
    text = "\n".join(parts)
    pathlib.Path(output).write_text(text.replace("\r\n", "\n").replace("\n", "\r\n"),
                                    encoding="utf-8", newline="")


if __name__ == "__main__":
    main(*sys.argv[1:])
