"""Reads the Hungarian dialogue of a few Debian game packages: characters talking, campaign stories,
tutorials and quiz questions addressed to the player, in the second person, the imperative and the
past of narration, much nearer to speech than help files and manual pages.

Only the files named in DIALOGUE are read; a package's interface, item and encyclopedia catalogues
are left out as descriptions, not speech. A message catalogue gives its translations without its
header, a .po file its translated entries that are neither fuzzy nor obsolete; hedgewars' locale
file gives the values of its "NN:NN=" lines and its tips file the text of each <tip>. Markup,
escapes and placeholders ("$name", "{count}", "%s", "%1$s", "[...]") are taken out.

    mkdir -p DIR && cd DIR && apt-get download freedroidrpg-data widelands-data freedink-data \\
        wesnoth-1.16-data gbrainy hedgewars-data flare-game
"""
import fnmatch
import re

from . import package_texts

# package -> the members that hold its dialogue (shell patterns on the path inside the package)
DIALOGUE = {
    "freedroidrpg-data": ["*/locale/hu/LC_MESSAGES/freedroidrpg-dialogs.mo"],
    "widelands-data": ["*/widelands/data/locale/hu/LC_MESSAGES/" + name for name in
                       ("scenario_*.mo", "mp_scenario_*.mo", "map_*.mo", "training_wheels.mo")],
    "freedink-data": ["*/dink/l10n/hu/LC_MESSAGES/dink.mo"],
    "wesnoth-1.16-data": ["*/wesnoth/1.16/locale/hu/LC_MESSAGES/wesnoth-" + name + ".mo"
                          for name in ("tutorial", "multiplayer", "anl")],
    "gbrainy": ["*/locale/hu/LC_MESSAGES/gbrainy.mo"],
    "hedgewars-data": ["*/hedgewars/Data/Locale/hu.txt", "*/hedgewars/Data/Locale/tips_hu.xml"],
    "flare-game": ["*/flare/mods/*/languages/data.hu.po"],
}

PLACEHOLDER = re.compile(r"<[^>]*>|\\[nt]|\$\w+|\{[^}]*\}|%\d*\$?[sdif]|%\d|%\(\w+\)[sd]|@\w+@|\[[^\]]*\]")
LOCALE_LINE = re.compile(r"^\d\d:\d\d=(.*)$", re.M)
TIP = re.compile(r"<tip>(.*?)</tip>", re.S)
PO_STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')


def po_translations(text):
    """The translations of the entries of a .po file that are translated, not fuzzy and not obsolete,
    without the header."""
    out = []
    for entry in re.split(r"\n\s*\n", text):
        lines = entry.strip().splitlines()
        if any(line.startswith("#,") and "fuzzy" in line for line in lines):
            continue
        msgid, msgstr, part = [], [], None
        for line in lines:
            if line.startswith("#"):
                continue  # comments and obsolete entries ("#~")
            if line.startswith(("msgid", "msgctxt")):
                part = msgid if line.startswith("msgid") else None
            elif line.startswith("msgstr"):
                part = msgstr
                msgstr.append("\0")
            if part is not None:
                part.extend(m.group(1) for m in PO_STRING.finditer(line))
        translation = "".join(msgstr).replace("\0", "\n").strip()
        if "".join(msgid) and translation:
            out.append(translation)
    return "\n".join(out)


def text_of_member(name, data):
    """The dialogue text of one named file."""
    if name.endswith(".mo"):
        text = package_texts.mo_translations(data, header=False)
    else:
        text = data.decode("utf-8", errors="replace")
        if name.endswith(".po"):
            text = po_translations(text)
        elif name.endswith(".xml"):
            text = "\n".join(TIP.findall(text))
        else:
            text = "\n".join(LOCALE_LINE.findall(text)).replace("|", " ")
    return PLACEHOLDER.sub(" ", text)


def package_of(deb):
    return deb.rsplit("/", 1)[-1].split("_")[0]


def dialogue_text(deb):
    """The dialogue of one downloaded package of DIALOGUE ("" for another package)."""
    patterns = DIALOGUE.get(package_of(deb), [])
    if not patterns:
        return ""
    named = package_texts.deb_members(deb, lambda name: any(fnmatch.fnmatch(name, p) for p in patterns))
    return "\n".join(text_of_member(name, data) for name, data in named)
