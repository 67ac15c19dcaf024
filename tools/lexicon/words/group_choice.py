"""Chooses the supplied words of one letter group together, as one small integer program.

Each stretch of free elements takes exactly as many of its candidates as it has elements; each
stated total of the group counts the fixed words plus the chosen ones and must come out at its
figure; within that, the summed cost of the chosen words (evidence less use) is as low as it can
be. Each word a total is off costs its `miss` (the caller sets it above what any trade between
the candidates it wants used can gain), so a missed total shows a shortage of such candidates.
The program goes to CBC (Debian package coinor-cbc) in LP format.
"""
import os
import shutil
import subprocess
import tempfile

from ..paths import require

SOLVER = "cbc"


class Stretch:
    """Elements to fill with `need` of the `candidates`: [(cost, forced)]."""

    def __init__(self, need, candidates):
        self.need, self.candidates = need, candidates


class Total:
    """A stated figure: `fixed` words already count, and so does each chosen candidate of `counts`
    ((stretch number, candidate number) pairs); each word it is off costs `miss`."""

    def __init__(self, name, target, fixed, counts, miss):
        self.name, self.target, self.fixed, self.counts, self.miss = name, target, fixed, counts, miss


def _terms(pairs):
    """LP-format sum of (coefficient, variable), a few terms a line."""
    out, line = [], []
    for coefficient, name in pairs:
        line.append(f"{'+' if coefficient >= 0 else '-'} {abs(coefficient):.6g} {name}")
        if len(line) == 8:
            out.append(" ".join(line))
            line = []
    if line:
        out.append(" ".join(line))
    return "\n  ".join(out)


def program(stretches, totals):
    """The integer program in LP format: x_s_c chooses candidate c of stretch s; over_t and under_t
    are the words total t is missed by."""
    objective = [(cost, f"x_{s}_{c}") for s, st in enumerate(stretches) for c, (cost, _) in enumerate(st.candidates)]
    objective += [(t.miss, f"{side}_{n}") for n, t in enumerate(totals) for side in ("over", "under")]
    rows = []
    for s, st in enumerate(stretches):
        if not st.candidates:
            continue  # nothing to choose (the caller asks for no more than there are)
        rows.append(f" need_{s}: {_terms((1, f'x_{s}_{c}') for c in range(len(st.candidates)))} = {st.need}")
    for n, t in enumerate(totals):
        terms = [(1, f"x_{s}_{c}") for s, c in t.counts] + [(-1, f"over_{n}"), (1, f"under_{n}")]
        rows.append(f" total_{n}: {_terms(terms)} = {t.target - t.fixed}")
    bounds = [f" x_{s}_{c} = 1" for s, st in enumerate(stretches) for c, (_, forced) in enumerate(st.candidates)
              if forced]
    binaries = [f"x_{s}_{c}" for s, st in enumerate(stretches) for c in range(len(st.candidates))]
    return "\n".join(["Minimize", f" cost: {_terms(objective)}", "Subject To", *rows, "Bounds", *bounds,
                      "Binaries", *(" " + b for b in binaries), "End", ""])


def solve(stretches, totals, seconds=900):
    """(chosen: for each stretch the numbers of its chosen candidates; missed: [(total, got)] for
    each total not met; the solver's status line)."""
    require(shutil.which(SOLVER) or SOLVER, "integer program solver (apt-get install coinor-cbc)")
    with tempfile.TemporaryDirectory() as work:
        model, solution = os.path.join(work, "group.lp"), os.path.join(work, "group.sol")
        with open(model, "w", encoding="utf-8") as f:
            f.write(program(stretches, totals))
        subprocess.run([SOLVER, model, "-threads", "1", "-sec", str(seconds), "-solve", "-solu", solution],
                       check=True, capture_output=True, text=True)
        with open(solution, encoding="utf-8") as f:
            status = f.readline().strip()
            values = {}
            for line in f:
                parts = line.split()
                if len(parts) >= 3:
                    values[parts[1]] = float(parts[2])
    if not status.startswith(("Optimal", "Stopped on time")) or "infeasible" in status.lower():
        raise SystemExit(f"the group's program has no solution: {status}")
    chosen = [[c for c in range(len(st.candidates)) if values.get(f"x_{s}_{c}", 0) > 0.5]
              for s, st in enumerate(stretches)]
    missed = []
    for n, t in enumerate(totals):
        off = round(values.get(f"over_{n}", 0) - values.get(f"under_{n}", 0))
        if off:
            missed.append((t, t.target + off))
    return chosen, missed, status
