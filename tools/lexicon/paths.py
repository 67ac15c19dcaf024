"""Where the tools find their inputs, and the one way they fail when an input is missing."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(REPO, "lexicon", "data")
HEADLESS = os.path.join(REPO, "build", "tools", "headless", "igeragozo-headless")
SOURCES_VARIABLE = "IGERAGOZO_LEXICON_SOURCES"


def default_sources():
    """The shared candidate sources: $IGERAGOZO_LEXICON_SOURCES, else shared/lexicon-sources beside
    the repository (a checkout) or one level further up (a worktree inside the checkout's folder)."""
    if os.environ.get(SOURCES_VARIABLE):
        return os.environ[SOURCES_VARIABLE]
    near = [os.path.join(REPO, *[".."] * n, "shared", "lexicon-sources") for n in (1, 2)]
    return os.path.normpath(next((d for d in near if os.path.isdir(d)), near[0]))


SOURCES_HELP = ("folder of the shared candidate sources (default: $%s, else ../shared/lexicon-sources "
                "beside the repository)" % SOURCES_VARIABLE)


def require(path, what):
    """`path`, or a clear error naming what is missing: a missing input must never read as empty data."""
    if not path or not os.path.exists(path):
        raise SystemExit("missing input: %s (%s)" % (what, path or "no path given"))
    return path
