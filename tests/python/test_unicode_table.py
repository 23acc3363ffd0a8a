"""The Alphabetic ranges: one committed file, from which the reader's table
and the oracle are both made."""
import random
import sys
from pathlib import Path

import pytest

import lp_oracle

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "scripts"))
import gen_alphabetic  # noqa: E402

RANGES_TEXT = gen_alphabetic.RANGES.read_text(encoding="utf-8")
VERSION, RANGES = gen_alphabetic.read_ranges(RANGES_TEXT)


def test_committed_header_is_generated_from_the_ranges_file():
    header = gen_alphabetic.HEADER.read_text(encoding="utf-8")
    assert header == gen_alphabetic.render_header(VERSION, RANGES)


def test_ranges_file_is_what_the_generator_writes():
    assert VERSION == "15.0.0"
    assert gen_alphabetic.render_ranges(VERSION, RANGES) == RANGES_TEXT


def test_database_file_gives_the_same_ranges():
    # The database lists the property in pieces, among other properties and
    # not in order; the generator must merge them back.
    rng = random.Random(7)
    rows = []
    for lo, hi in RANGES:
        start = lo
        while start <= hi:
            end = min(hi, start + rng.randint(0, 40))
            rows.append(f"{start:04X}" if start == end else f"{start:04X}..{end:04X}")
            start = end + 1
    rows = [f"{r:<14}; Alphabetic # Lo  comment" for r in rows]
    rows += ["0030..0039    ; Math", "00AA          ; Lowercase # Lo", "# 0660 ; Alphabetic"]
    rng.shuffle(rows)
    text = f"# DerivedCoreProperties-{VERSION}.txt\n# Date: none\n\n" + "\n".join(rows) + "\n"
    version, ranges = gen_alphabetic.ranges_from_ucd(text)
    assert gen_alphabetic.render_ranges(version, ranges) == RANGES_TEXT


@pytest.mark.parametrize(
    "text, message",
    [
        ("0041..005A\n", "names no Unicode version"),
        ("# Unicode 15.0.0\n", "holds no ranges"),
        ("# Unicode 15.0.0\n0041-005A\n", "line 2: expected 'lo..hi'"),
        ("# Unicode 15.0.0\n0041..005a\n", "line 2: expected 'lo..hi'"),
        ("# Unicode 15.0.0\n005A..0041\n", "line 2: range 005A..0041"),
        ("# Unicode 15.0.0\n0061..007A\n0041..005A\n", "line 3: range 0041..005A"),
        ("# Unicode 15.0.0\n0041..005A\n005B..0060\n", "line 3: range 005B..0060"),
    ],
)
def test_malformed_ranges_file_is_refused(text, message):
    with pytest.raises(ValueError, match=message):
        gen_alphabetic.read_ranges(text)


def test_oracle_reads_the_same_ranges():
    assert lp_oracle.ALPHABETIC == RANGES


@pytest.mark.parametrize(
    "ch, alphabetic",
    [("a", True), ("\u00e9", True), ("\u2160", True), ("\U00031350", True),
     ("1", False), ("\u0663", False), ("\u00b2", False), ("\U000323B0", False)],
)
def test_oracle_classifies(ch, alphabetic):
    assert lp_oracle.is_alphabetic(ch) is alphabetic


def test_oracle_refuses_a_missing_ranges_file(tmp_path):
    with pytest.raises(FileNotFoundError, match="missing"):
        lp_oracle._load_alphabetic(tmp_path / "alphabetic.txt")
