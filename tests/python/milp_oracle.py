"""A literal transcription of the branch and bound over the LP transcription."""
from __future__ import annotations

import copy
import math
from fractions import Fraction
from typing import List, Optional, Tuple

import lp_oracle


class SpecHeap:
    """Binary min-heap on keys with the fixed push and pop steps."""

    def __init__(self) -> None:
        self.a: List[Tuple[float, int]] = []

    def _up(self, p: int) -> None:
        while p > 0 and self.a[p][0] < self.a[(p - 1) // 2][0]:
            q = (p - 1) // 2
            self.a[p], self.a[q] = self.a[q], self.a[p]
            p = q

    def push(self, key: float, index: int) -> None:
        self.a.append((key, index))
        self._up(len(self.a) - 1)

    def pop(self) -> Optional[Tuple[float, int]]:
        if not self.a:
            return None
        top = self.a[0]
        last = self.a.pop()
        if not self.a:
            return top
        self.a[0] = last
        p, n = 0, len(self.a)
        while 2 * p + 1 < n:
            left, right = 2 * p + 1, 2 * p + 2
            child = left if right >= n or self.a[left][0] < self.a[right][0] else right
            self.a[p], self.a[child] = self.a[child], self.a[p]
            p = child
        self._up(p)
        return top


class InsertionOrderHeap:
    """Smallest key first, equal keys in insertion order (for contrast)."""

    def __init__(self) -> None:
        import heapq
        self.heapq = heapq
        self.a: list = []
        self.count = 0

    def push(self, key: float, index: int) -> None:
        self.heapq.heappush(self.a, (key, self.count, index))
        self.count += 1

    def pop(self):
        if not self.a:
            return None
        key, _, index = self.heapq.heappop(self.a)
        return key, index


def integral(model: dict, integer_vars) -> bool:
    """Exact: the LP reports a value as an int exactly when it is an integer."""
    return all(type(model.get(f"x{v}")) is int for v in integer_vars)


def solve_milp_text(text: str, heap_class=SpecHeap, stats: Optional[dict] = None) -> dict:
    system = lp_oracle.parse(text)
    integer_vars = [v for v in range(system.next_var) if system.integer[v]]
    if not integer_vars:
        return lp_oracle.result_dict(lp_oracle.simplex(system))
    result = search(system, integer_vars, heap_class, stats)
    if result["status"] != "UNBOUNDED":
        return result
    # An unbounded relaxation: the same search without the objective decides
    # whether any integral point exists.
    plain = copy.copy(system)
    plain.objective = None
    found = search(plain, integer_vars, heap_class, stats)
    return {"status": "UNBOUNDED"} if "model" in found else found


def search(system, integer_vars, heap_class, stats: Optional[dict]) -> dict:
    def solve(bounds):
        extra = []
        for var, lower, upper in bounds:
            if lower is not None:
                extra.append(({var: Fraction(1)}, -lower, ">="))
            if upper is not None:
                extra.append(({var: Fraction(1)}, -upper, "<="))
        outcome = lp_oracle.simplex(system, extra)
        return lp_oracle.result_dict(outcome), (outcome[1] if outcome[0] == "OPTIMAL" else None)

    root, root_values = solve([])
    if root["status"] != "OPTIMAL" or integral(root["model"], integer_vars):
        return root
    minimize = system.objective is not None and system.objective[0] == "min"
    best = math.inf if minimize else -math.inf
    incumbent = None
    nodes: List[Tuple[Optional[float], list]] = []
    heap = heap_class()

    def branch(model, values, key, bound, parent_bounds):
        for v in integer_vars:
            x = model.get(f"x{v}")
            if x is None or type(x) is int:
                continue
            down = Fraction(math.floor(values[v]))
            nodes.append((bound, parent_bounds + [(v, None, down)]))
            heap.push(key, len(nodes) - 1)
            nodes.append((bound, parent_bounds + [(v, down + 1, None)]))
            heap.push(key, len(nodes) - 1)
            return

    def pruned(bound) -> bool:
        b = bound if bound is not None else (-math.inf if minimize else math.inf)
        return (b >= best) if minimize else (best >= b)

    branch(root["model"], root_values, root["objective"], None, [])
    counter = 0
    left_open = []
    while True:
        entry = heap.pop()
        if entry is None:
            break
        if counter >= 1000:
            left_open.append(entry)
            while (entry := heap.pop()) is not None:
                left_open.append(entry)
            break
        counter += 1
        bound, bounds = nodes[entry[1]]
        if pruned(bound):
            continue
        result, values = solve(bounds)
        if result["status"] != "OPTIMAL":
            continue
        if integral(result["model"], integer_vars):
            if (result["objective"] < best) if minimize else (result["objective"] > best):
                best, incumbent = result["objective"], dict(result["model"])
            continue
        branch(result["model"], values, result["objective"], result["objective"], bounds)
    if stats is not None:
        stats["examined"] = counter
        stats["created"] = len(nodes)
    if incumbent is not None:
        if any(not pruned(nodes[index][0]) for _, index in left_open):
            return {"status": "FEASIBLE", "model": incumbent}
        return {"status": "OPTIMAL", "model": incumbent, "objective": best}
    if counter >= 1000:
        return {"status": "UNKNOWN (resource limit)"}
    return {"status": "INFEASIBLE"}
