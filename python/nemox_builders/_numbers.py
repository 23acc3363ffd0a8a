"""Numbers written so that the text readers take them as the caller meant."""

from __future__ import annotations

import math
import numbers
import operator
from decimal import Decimal
from fractions import Fraction
from typing import TYPE_CHECKING, SupportsFloat, SupportsIndex, Union, cast

if TYPE_CHECKING:  # typing has it from 3.10 on
    from typing import TypeGuard

# What as_number gives: the caller's number as a plain Python one.
Number = Union[int, float, Fraction]
# What the LP builder keeps: every number exactly as the solver takes it.
Exact = Union[int, Fraction]
# What they accept: any real number, numpy scalars included (type checkers
# do not see the registration with the `numbers` ABCs, hence the protocols).
NumberLike = Union[int, float, Fraction, Decimal, SupportsIndex, SupportsFloat]

INT64_MIN = -(2**63)
INT64_MAX = 2**63 - 1


def is_number(value: object) -> TypeGuard[NumberLike]:
    # bool is an Integral, but True as a coefficient is a mistake, not a 1.
    if isinstance(value, bool):
        return False
    return isinstance(value, (numbers.Real, Decimal))


def as_number(value: object) -> Number:
    """`value` as an int, float or Fraction of the same value; numpy scalars
    become Python numbers, so no fixed-width arithmetic follows."""
    if not is_number(value):
        raise TypeError(f"expected a real number (int, float, Fraction, Decimal), got {value!r}")
    if isinstance(value, numbers.Integral):
        return operator.index(cast(SupportsIndex, value))
    if isinstance(value, Decimal):
        if not value.is_finite():
            raise ValueError(f"a coefficient or bound must be finite, got {value!r}")
        return Fraction(value)
    if isinstance(value, Fraction):
        return value
    if isinstance(value, numbers.Rational):
        return Fraction(int(value.numerator), int(value.denominator))
    as_float = float(cast(SupportsFloat, value))
    if not math.isfinite(as_float):
        raise ValueError(f"a coefficient or bound must be finite, got {value!r}")
    return as_float


def exact(value: object) -> Exact:
    """The exact value the LP solve takes for `value`: an int, Fraction or
    Decimal as it is, a float as the LP text reads it (rounded to the nearest
    multiple of 1e-9), so that a model solves alike with and without the text."""
    number = as_number(value)
    if isinstance(number, float):
        number = _read_back(number)
    if isinstance(number, Fraction) and number.denominator == 1:
        return number.numerator
    return number


def _read_back(v: float) -> Fraction:
    """The exact value the LP reader makes of the double `v`: integral doubles
    as they are, others rounded to the nearest multiple of 1e-9, halves away
    from zero (scaled in double arithmetic while that fits 64 bits, exactly
    beyond)."""
    if v.is_integer():
        return Fraction(int(v))
    scaled = abs(v * 1e9)
    n = int(scaled)
    if scaled - n >= 0.5:  # exact: the fractional part of a double
        n += 1
    if n > 2**63 or (n == 2**63 and v > 0):
        n = math.floor(abs(Fraction(v)) * 10**9 + Fraction(1, 2))
    return Fraction(-n if v < 0 else n, 10**9)


def _exact_double(value: Union[int, Fraction]) -> float:
    """A double that the reader turns into exactly `value`, or ValueError."""
    try:
        nearest = float(value)
    except OverflowError:
        nearest = math.inf
    if math.isfinite(nearest):
        for v in (nearest, math.nextafter(nearest, -math.inf), math.nextafter(nearest, math.inf)):
            if _read_back(v) == value:
                return v
    raise ValueError(
        f"the LP text cannot hold {value!r} exactly: it reads every number as a double and rounds "
        "a fractional one to a multiple of 1e-9; round it yourself, or pass a float to accept that rounding"
    )


def lp_number(value: NumberLike) -> str:
    """A number in positional notation: an exponent would carry a sign that
    the LP reader splits terms at ('1e-05*x0' is '1e - 5*x0')."""
    number = as_number(value)
    if isinstance(number, float):
        # The caller's double as repr shows it; the reader rounds it to 1e-9.
        as_float = number
    else:
        as_float = _exact_double(number)
        if isinstance(number, int):
            return str(number)
    if as_float == 0:
        return "0"
    # repr is the shortest text that reads back as the same double.
    return format(Decimal(repr(as_float)), "f")


def cp_integer(value: object, what: str) -> str:
    if isinstance(value, bool) or not isinstance(value, numbers.Integral):
        raise TypeError(f"{what} must be an int, got {value!r}")
    number = operator.index(cast(SupportsIndex, value))
    if not INT64_MIN <= number <= INT64_MAX:
        raise ValueError(f"{what} {number} is outside the signed 64-bit range")
    return str(number)
