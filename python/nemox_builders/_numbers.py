"""Numbers written so that the text readers take them as the caller meant."""

from __future__ import annotations

import math
from decimal import Decimal
from fractions import Fraction
from typing import TYPE_CHECKING, Union

if TYPE_CHECKING:  # typing has it from 3.10 on
    from typing import TypeGuard

Number = Union[int, float, Fraction]

INT64_MIN = -(2**63)
INT64_MAX = 2**63 - 1


def is_number(value: object) -> TypeGuard[Number]:
    return isinstance(value, (int, float, Fraction)) and not isinstance(value, bool)


def lp_number(value: Number) -> str:
    """A number in positional notation: an exponent would carry a sign that
    the LP reader splits terms at ('1e-05*x0' is '1e - 5*x0')."""
    if not is_number(value):
        raise TypeError(f"expected an int, float or Fraction, got {value!r}")
    if isinstance(value, int):
        return str(value)
    as_float = float(value)
    if not math.isfinite(as_float):
        raise ValueError(f"a coefficient or bound must be finite, got {value!r}")
    if as_float == 0:
        return "0"
    # repr is the shortest text that reads back as the same double.
    return format(Decimal(repr(as_float)), "f")


def cp_integer(value: int, what: str) -> str:
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError(f"{what} must be an int, got {value!r}")
    if not INT64_MIN <= value <= INT64_MAX:
        raise ValueError(f"{what} {value} is outside the signed 64-bit range")
    return str(value)
