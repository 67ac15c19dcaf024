"""The Debian package versions that the tables were built from, kept in one file
(package-versions.tsv): a tool that writes a table records the versions it read there, and a tool
that runs hunspell-hu compares the installed version with the recorded ones, so that a table built
on other evidence is never taken silently for this one's."""
import os
import subprocess
import sys

from . import paths

PATH = os.path.join(paths.HERE, "package-versions.tsv")
HEADER = """# Debian package versions read to build each table (written by the tool that builds it).
# table\tpackage\tversion
"""


def read(path=PATH):
    """[(table, package, version)] in file order."""
    with open(paths.require(path, "package versions"), encoding="utf-8") as f:
        return [tuple(line.rstrip("\n").split("\t")) for line in f if line.strip() and not line.startswith("#")]


def record(table, read_packages, path=PATH):
    """Replaces the rows of `table` by `read_packages` [(package, version)], where they stood."""
    rows = read(path)
    at = next((n for n, row in enumerate(rows) if row[0] == table), len(rows))
    new = [(table, p, v) for p, v in read_packages]
    rows = [row for row in rows[:at] if row[0] != table] + new + [row for row in rows[at:] if row[0] != table]
    with open(path, "w", encoding="utf-8") as f:
        f.write(HEADER + "".join("\t".join(row) + "\n" for row in rows))


def deb_version(deb):
    """The version in a downloaded package's file name (name_version_arch.deb)."""
    return os.path.basename(deb)[:-4].split("_")[1].replace("%3a", ":")


def installed(package):
    """The installed version of `package`, or None."""
    try:
        proc = subprocess.run(["dpkg-query", "-W", "-f=${Status}\t${Version}", package],
                              capture_output=True, text=True, check=False)
    except FileNotFoundError:  # not a Debian system
        return None
    status, _, version = proc.stdout.partition("\t")
    return version if proc.returncode == 0 and status.endswith(" installed") else None


def check(package, path=PATH, out=sys.stderr):
    """States on `out` where the installed `package` differs from the versions the tables were built
    with, or that it is not installed; returns the installed version."""
    version = installed(package)
    for table, name, recorded in read(path):
        if name != package:
            continue
        if version is None:
            print("note: %s is not installed (or not by dpkg); %s was built with %s" % (package, table, recorded),
                  file=out)
        elif version != recorded:
            print("note: %s %s is installed; %s was built with %s" % (package, version, table, recorded), file=out)
    return version


def record_table(out_path, debs=(), others=(), path=PATH):
    """Records for the table written to `out_path` the installed hunspell-hu, the downloaded packages
    `debs` (paths of .deb files) and `others` [(package, version)]. A table written outside the
    repository (a trial build in a scratch folder) records nothing: no table of the repository was
    built from those versions."""
    table = os.path.relpath(os.path.abspath(out_path), paths.REPO)
    if table == os.pardir or table.startswith(os.pardir + os.sep):
        return
    rows = [("hunspell-hu", installed("hunspell-hu") or "not installed")]
    rows += [(os.path.basename(deb).split("_")[0], deb_version(deb)) for deb in debs] + list(others)
    record(table, rows, path)


def tesseract_words():
    """The row for tesseract-ocr-hun's word list, which is given as a file: the installed package it is
    taken from (README: dawg2wordlist of its model), where it is installed."""
    return ("tesseract-ocr-hun", installed("tesseract-ocr-hun") or "word list given, version not recorded")
