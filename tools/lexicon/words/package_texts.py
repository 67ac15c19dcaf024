"""Reads the Hungarian texts inside downloaded Debian packages (.deb files), without installing them.

A file counts as Hungarian when its path has a directory "hu" or "hu_HU" (message catalogues, help
pages, documentation) or its name ends in "hu", "_hu" or "-hu" before the extension (Qt catalogues,
.po files, translated tutorials). Message catalogues give their translations only; Qt catalogues
their UTF-16 strings; markup loses its tags. The packages to fetch are listed in text-packages.txt:

    mkdir -p DIR && cd DIR && apt-get download $(grep -v '^#' .../text-packages.txt)
"""
import gzip
import html
import io
import os
import re
import struct
import subprocess
import tarfile

HU_DIR = re.compile(r"/(?:hu|hu_HU)(?:\.UTF-8|\.lproj)?/")
TEXTUAL = (".html", ".htm", ".xhtml", ".txt", ".svg", ".xml", ".page", ".ftl", ".properties", ".dtd", ".json", ".js",
           ".po", ".dat", ".py", ".tex", ".md", ".docbook", ".kvtml", ".php", ".inc", ".yml", ".yaml", ".ini", ".lang",
           ".ts", ".csv", ".rb", ".go", ".pl", ".feature", ".sql", ".TXT")
HU_NAME = re.compile(r"(?:^|[._-])hu(?:_HU)?\.(?:mo|qm|gz|" + "|".join(e[1:] for e in TEXTUAL) + ")$")
TAG = re.compile(r"<[^>]+>")
UTF16 = re.compile(rb"(?:\x00[\x20-\x7e\xc0-\xff]|\x01[\x00-\x7f]){4,}")


def mo_translations(data, header=True):
    """The translated strings of a GNU message catalogue; with header=False, without the catalogue's
    header (the translation of the empty string: translator, language, plural rule)."""
    if len(data) < 20:
        return ""
    magic = struct.unpack("<I", data[:4])[0]
    order = "<" if magic == 0x950412de else ">" if magic == 0xde120495 else None
    if order is None:
        return ""
    n, originals, trans = struct.unpack(order + "III", data[8:20])
    out = []
    for k in range(n):
        if not header and struct.unpack(order + "I", data[originals + 8 * k:originals + 8 * k + 4])[0] == 0:
            continue
        length, offset = struct.unpack(order + "II", data[trans + 8 * k:trans + 8 * k + 8])
        out.append(data[offset:offset + length].decode("utf-8", errors="replace"))
    return "\n".join(out)


def qm_strings(data):
    """The UTF-16 strings of a Qt message catalogue (its translations)."""
    return "\n".join(m.decode("utf-16-be", errors="replace") for m in UTF16.findall(data))


def text_of_member(name, data):
    if name.endswith(".gz"):
        try:
            data = gzip.decompress(data)
        except OSError:
            return ""
        name = name[:-3]
    if name.endswith(".mo"):
        return mo_translations(data)
    if name.endswith(".qm"):
        return qm_strings(data)
    base = os.path.basename(name)
    man = "/man/" in name and re.search(r"\.\d\w*$", base)
    if not (name.endswith(TEXTUAL) or man or "." not in base):
        return ""
    text = data.decode("utf-8", errors="replace")
    return html.unescape(TAG.sub(" ", text))


def is_hungarian(name):
    return bool(HU_DIR.search("/" + name) or HU_NAME.search(os.path.basename(name)))


def deb_members(deb, wanted=lambda name: True):
    """(name, data) of every regular file of one .deb whose name is `wanted`."""
    proc = subprocess.run(["dpkg-deb", "--fsys-tarfile", deb], capture_output=True, check=False)
    if proc.returncode != 0:
        return
    with tarfile.open(fileobj=io.BytesIO(proc.stdout)) as tar:
        for member in tar:
            if member.isfile() and wanted(member.name):
                yield member.name, tar.extractfile(member).read()


def package_texts(deb):
    """(package, text) for every Hungarian file of one .deb."""
    package = os.path.basename(deb).split("_")[0]
    for name, data in deb_members(deb, is_hungarian):
        text = text_of_member(name, data)
        if text:
            yield package, text
