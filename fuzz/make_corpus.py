#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets from a list of example inputs.

Run from anywhere: python3 fuzz/make_corpus.py. Files are named after a hash of
their content, so running it again changes nothing; inputs that once found a
fault are kept in corpus/<target>/ by hand (named regress-*)."""

import hashlib
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))

EXPRESSIONS = [
    "1+2", "2*3", "2*(1+SIN30)", "[1+2]*{3}", "1+\r\n2", "1 - - 2", "2*()", "( )", "", "  \r\n ",
    "1+-+-2", "PI", "SQR(2)", "ASN(0.5)+LOG(100)", "EXP(1)", "SIN30", "SIN-30", "SINCOS(0)",
    "SIN(30", "((2)", "(((2)", "2)", "(", ")", "1)+(2", "2(3)", "(2)(3)", "2PI", "PI2", "2SIN(1)",
    "(2)3", "*2", "^2", "2+", "2*", "2^", "-2", "+2", "2^-3", "2*-3", "2-^3", "2-*3", "2**3",
    "2^^3", "2*/3", "SIN^2", "SIN(30)^2", "SIN+COS(0)", "SIN*COS(0)", ".5", "5.", ".", "1.2.3",
    "1..2", "PI.5", "5.PI", "(2).5", "5.SIN(1)", "X1", "2,5", "2e3", "1" * 101, "1" * 102,
    "1" * 102 + ".5", "0." + "0" * 99 + "1", "0." + "0" * 100 + "1", "0." + "0" * 150,
    "2E5", "1.5E-3", "2E+03", ".5E2", "5.E2", "12E3+4", "EXP(1)+2E3+1", "1E2+3E4", "SIN2E1",
    "2^3E2", "1E2E3", "E3", "PIE3", "(2)E3", "2E", "2E+", "2E3.5", "2E(3)", "1.2.3E4", ".E3",
    "8/2/2", "6/2*3", "1-2-3", "2*-3+1", "1-2*3", "((((5))))", "1/0", "1/(2-2)", "1E50*1E50",
    "1E50*1E51", "1.5-(2+3)/4", "((1+2)*(3-4))", "1+2*3", "2^3^2", "2^-2", "-2^2", "(-2)^3",
    "2^-(1+2)", "2^0.5", "10^101", "10^102", "SIN(180)", "COS(90)", "TAN(45)", "TAN(90)",
    "ASN(1)", "ACS(-1)", "ATN(1)", "SIN(COS(0.5))", "2^SIN(1)", "EXP(232)", "EXP(233)",
    "EXP(-1000)", "(-8)^1.5", "(1E-5)^-100", "0^0", "0^-1", "(-8)^-0.5", "(-8)^(1/3)",
    "10^150", "0.5^400", "1^1E300", "1.0000001^1E20", "2+(", "SIN(", "2^(3)^2", "SIN(3)^2",
    "12345.678", "1/3", "2/3", "10/3", "100/3", "31/3", "1/300", "123456789", "9999999999",
    "10000000000", "-12.5", "-0.5", "-0.00123", "0.000123", "0.0000000001", "0.00000000015",
    "0.0000123456789", "SQR2", "1E100", "-0", "+3", "1E-101*1", "LN0", "LOG-1", "SQR-1",
    "EXP(1000)", "0.999^100000",
]

# Function mode: (input, formula, state) with the pending variable, if any.
FORMULAS = [
    ("", "X0*2+X1", "a,X0*2+X1"), ("X0=3", "X0*2+X1", "X0,X0*2+X1"),
    ("X1=4", "X0*2+X1", "X1,(3)*2+X1"), ("", "X1+X0", "a,X1+X0"), ("", "1+2", "a,1+2"),
    ("5", "X0+1", "X0,X0+1"), ("X0=X1", "X0+1", "X0,X0+1"), ("X0=", "X0+X1", "X0,X0+X1"),
    ("X1=7", "X12", "X1,X12"), ("", "1,2", "a,1,2"), ("", "", "a"), ("7", "", "X3,"),
]

OLD_LOGS = ["", "1+2\r\n=3", "2*3\r\n=6\r\n1+2\r\n=3"]

RANDOM_EXPRESSIONS = 100
NUMBERS = ["0", "1", "2", "3", "0.5", ".25", "10", "7.", "1E2", "2E-3", "PI", "100", "1.5E+1",
           "0.001", "45", "90"]
FUNCTIONS = ["SIN", "COS", "TAN", "ASN", "ACS", "ATN", "LN", "LOG", "SQR", "EXP"]
OPERATORS = ["+", "-", "*", "/", "^", "*-", "+-", "--"]


def random_expression(rng, depth=0):
    """Mostly well formed, with brackets (some left open), signs, powers and
    functions nested up to five deep."""
    def operand(depth):
        sign = rng.choice("-+") if rng.randrange(5) == 0 else ""
        kind = 0 if depth > 4 else rng.randrange(9)
        if kind < 3:
            return sign + rng.choice(NUMBERS)
        if kind < 5:
            return sign + "(" + expression(depth + 1) + (")" if rng.randrange(12) else "")
        if kind < 7:
            return sign + rng.choice(FUNCTIONS) + operand(depth + 1)
        return sign + operand(depth + 1) + "^" + operand(depth + 1)

    def expression(depth):
        text = operand(depth)
        for _ in range(rng.randrange(6 if depth == 0 else 3)):
            text += rng.choice(OPERATORS) + operand(depth)
        return text

    return expression(depth)


def write(target, data):
    directory = os.path.join(HERE, "corpus", target)
    os.makedirs(directory, exist_ok=True)
    name = hashlib.sha1(data).hexdigest()[:16]
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data)


def main():
    # fuzz_engine: flags (bit 0 F_Mode, 1 Fix_E, 2 DEG, bits 3-4 the kind of state:
    # 3 = raw), a digit byte, then input, formula, old log and state split by 0x01.
    for i, text in enumerate(EXPRESSIONS):
        flags = (i % 8) & 6  # normal mode, Fix_E and DEG varied
        log = OLD_LOGS[i % len(OLD_LOGS)]
        write("fuzz_engine", bytes([flags, 0]) + "\x01".join([text, "", log]).encode("latin-1"))
    for i, (text, formula, state) in enumerate(FORMULAS):
        flags = 1 | (3 << 3) | (2 if i % 2 else 0)
        log = OLD_LOGS[i % len(OLD_LOGS)]
        write("fuzz_engine",
              bytes([flags, 0]) + "\x01".join([text, formula, log, state]).encode("latin-1"))
    # Random expressions, to compare the usual evaluation with the exhaustive one
    # in every pass and odd corner of it.
    rng = random.Random(77)
    for _ in range(RANDOM_EXPRESSIONS):
        write("fuzz_engine", bytes([0, 0]) + random_expression(rng).encode("latin-1"))
    # fuzz_keypad: one byte per command, by index: the 32 keypad keys in table
    # order (SIN .. E, BackSpace last), then EXE, F_IN, F_OUT, Clear input,
    # Clear output, Paste, About, the check boxes DEG, Fix_E, F_Mode, MostTop,
    # then typing (one byte follows), selecting in the Input Box (two bytes) and
    # in the Output Box (two bytes), and OK/Cancel.
    keys = {c: i for i, c in enumerate(
        ["SIN", "COS", "TAN", "ASN", "ACS", "ATN", "LN", "LOG", "SQR", "EXP", "()", "^", "PI",
         "*", "/", "+", "-", "(", ")", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".",
         "E", "BS"])}
    exe, f_in, f_out, clear_in, clear_out, paste, about = range(32, 39)
    deg, fix_e, f_mode, most_top = range(39, 43)
    type_char, select_in, select_out = 43, 44, 45
    sequences = [
        [keys["1"], keys["+"], keys["2"], exe, keys["SQR"], exe],
        [keys["2"], keys["*"], keys["()"], keys["1"], keys["+"], keys["SIN"], keys["3"],
         keys["0"], deg, exe],
        [keys["1"], keys["2"], keys["BS"], keys["BS"], keys["BS"], keys["7"]],
        [type_char, ord("X"), type_char, ord("0"), keys["*"], keys["2"], f_in, f_mode, exe,
         keys["3"], exe, f_out, clear_out],
        [keys["1"], keys["E"], keys["5"], exe, select_out, 0, 3, paste, fix_e, exe],
        [type_char, 13, type_char, 10, keys["BS"], select_in, 0, 9, keys["LN"], about, most_top,
         most_top, clear_in, exe],
    ]
    for sequence in sequences:
        write("fuzz_keypad", bytes(sequence))


if __name__ == "__main__":
    main()
