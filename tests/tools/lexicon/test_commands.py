"""The lexicon tools refuse missing inputs, and keep the recorded package versions in place."""
import contextlib
import io
import os
import tempfile
import unittest

from tools.lexicon import paths, versions
from tools.lexicon.__main__ import main

MISSING = "/nonexistent/lexicon-input"


class MissingInputs(unittest.TestCase):
    def test_a_missing_input_stops_the_command_naming_it(self):
        # each of these once read as empty data and went on to write thinner tables
        with tempfile.TemporaryDirectory() as empty, tempfile.TemporaryDirectory() as sources:
            with open(os.path.join(sources, "verb-candidates.tsv"), "w", encoding="utf-8") as f:
                f.write("word\tkind\tpreverb\tstem\tamb\tsources\ttier\n")
            cases = [
                (["build-words", "--sources", MISSING], "candidate verb list"),
                (["audit-words", "--sources", MISSING], "candidate verb list"),
                (["build-words", "--sources", sources, "--corpus", MISSING], "corpus compounds"),
                (["build-words", "--sources", sources, "--use", MISSING], "verb use table"),
                (["assign-codes", "--data", empty], "fill file"),
                (["verb-use", "--debs", MISSING], "folder of downloaded packages"),
                (["collect-objective-use", "--debs", MISSING], "folder of downloaded packages"),
            ]
            for argv, what in cases:
                with self.subTest(argv=argv), contextlib.redirect_stderr(io.StringIO()):
                    with self.assertRaises(SystemExit) as stop:
                        main(argv)
                    self.assertIn("missing input: " + what, str(stop.exception.code))
                    self.assertIn(MISSING if MISSING in argv else empty, str(stop.exception.code))

    def test_an_unknown_command_fails(self):
        with contextlib.redirect_stderr(io.StringIO()) as err:
            self.assertEqual(main(["no-such-command"]), 2)
        self.assertIn("assign-codes", err.getvalue())


def versions_file(folder, rows):
    """A versions file in `folder` holding the header and `rows` (tab-separated lines)."""
    path = os.path.join(folder, "versions.tsv")
    with open(path, "w", encoding="utf-8") as f:
        f.write(versions.HEADER + rows)
    return path


class PackageVersions(unittest.TestCase):
    def test_recording_a_table_again_keeps_the_file_as_it_was(self):
        # rerunning a tool on the same packages must leave the file byte-identical
        with tempfile.TemporaryDirectory() as folder:
            path = versions_file(folder, "a\tp\t1\nb\tq\t2\nb\tr\t3\nc\ts\t4\n")
            before = open(path, encoding="utf-8").read()
            versions.record("b", [("q", "2"), ("r", "3")], path)
            self.assertEqual(open(path, encoding="utf-8").read(), before)
            versions.record("b", [("q", "5")], path)
            self.assertEqual(versions.read(path), [("a", "p", "1"), ("b", "q", "5"), ("c", "s", "4")])

    def test_only_a_table_of_the_repository_is_recorded(self):
        # trial builds in scratch folders once left rows for paths like ../../tmp/dumpdata/fill*.tsv
        with tempfile.TemporaryDirectory() as folder:
            path = versions_file(folder, "a\tp\t1\n")
            before = open(path, encoding="utf-8").read()
            for outside in (os.path.join(folder, "fill*.tsv"), os.path.dirname(paths.REPO),
                            os.path.join(paths.REPO, "..", "other", "t.tsv")):
                with self.subTest(outside=outside):
                    versions.record_table(outside, others=[("q", "2")], path=path)
                    self.assertEqual(open(path, encoding="utf-8").read(), before)
            versions.record_table(os.path.join(paths.REPO, "lexicon", "data", "fill*.tsv"), others=[("q", "2")],
                                  path=path)
            self.assertEqual([row for row in versions.read(path) if row[1] == "q"],
                             [("lexicon/data/fill*.tsv", "q", "2")])

    def test_a_version_other_than_the_recorded_one_is_stated(self):
        with tempfile.TemporaryDirectory() as folder:
            path = versions_file(folder, "t.tsv\tno-such-package-here\t1.0\n")
            out = io.StringIO()
            self.assertIsNone(versions.check("no-such-package-here", path, out))
            self.assertIn("no-such-package-here is not installed", out.getvalue())
            self.assertIn("t.tsv was built with 1.0", out.getvalue())
