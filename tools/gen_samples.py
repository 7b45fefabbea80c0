#!/usr/bin/env python3
"""Writes the synthetic curve files and result tables under samples/.

Everything is derived from fixed seeds and plain arithmetic (no library
random generator, no transcendental functions), and every file gets a fixed
modification time, so two runs produce byte-identical trees.

Usage:  python3 tools/gen_samples.py [--out DIR] [--quiet]

Only the files this script writes are removed and rewritten; anything else
lying in samples/ is left alone (the console/ sub-tree belongs wholly to this
script and is rebuilt from scratch).
"""

import argparse
import calendar
import math
import os
import shutil
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUT = os.path.join(ROOT, "samples")

CRLF = "\r\n"
CODEPAGE = "cp1252"

# Samples per plot step for the "Interval" codes 0..3, and the X covered by one
# plot step (half a degree for torque, a tenth of a millimetre for load).
STRIDE = {0: 1, 1: 2, 2: 10, 3: 20}
DEG_PER_STEP = 0.5
MM_PER_STEP = 0.1


# --------------------------------------------------------------------------
# Deterministic helpers
# --------------------------------------------------------------------------

class Rng:
    """xorshift32: small, portable and identical on every Python version."""

    def __init__(self, seed):
        self.s = (seed * 2654435761 + 0x9E3779B9) & 0xFFFFFFFF or 1
        for _ in range(8):
            self.next()

    def next(self):
        x = self.s
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.s = x
        return x

    def unit(self):
        """Uniform in [0, 1)."""
        return self.next() / 4294967296.0

    def sym(self):
        """Bell-shaped noise in about [-1, 1] (mean of three uniforms)."""
        return (self.unit() + self.unit() + self.unit()) / 1.5 - 1.0

    def nibble(self):
        return self.next() >> 28

    def byte(self):
        return self.next() >> 24


def to_h(v):
    """Value -> whole hundredths, halves rounded up."""
    return int(math.floor(v * 100.0 + 0.5))


def fmt_h(h):
    """Whole hundredths -> text with two decimals, e.g. 1234 -> '12.34'."""
    sign = "-" if h < 0 else ""
    h = abs(h)
    return "%s%d.%02d" % (sign, h // 100, h % 100)


def fmt1(v):
    """X value written with one decimal (chosen values are exact tenths)."""
    t = int(math.floor(v * 10.0 + 0.5))
    sign = "-" if t < 0 else ""
    t = abs(t)
    return "%s%d.%d" % (sign, t // 10, t % 10)


def hump(phase):
    """Periodic smooth bump in [0, 1] with mean 2/3, period 1."""
    p = phase - math.floor(phase)
    return 4.0 * p * (1.0 - p)


def epoch(y, mo, d, h=0, mi=0, s=0):
    return calendar.timegm((y, mo, d, h, mi, s, 0, 0, 0))


def bcd2(value):
    """0..9999 -> two packed-decimal bytes, high byte first."""
    assert 0 <= value <= 9999
    d = "%04d" % value
    return bytes([int(d[0]) << 4 | int(d[1]), int(d[2]) << 4 | int(d[3])])


def bcd3(value):
    assert 0 <= value <= 999999
    d = "%06d" % value
    return bytes([int(d[i]) << 4 | int(d[i + 1]) for i in (0, 2, 4)])


def bcd_byte(value):
    assert 0 <= value <= 99
    return (value // 10) << 4 | (value % 10)


# --------------------------------------------------------------------------
# Curve shapes (all results in whole hundredths of the display unit)
# --------------------------------------------------------------------------

def x_grid(n, dx, x_end):
    x0 = x_end - (n - 1) * dx
    return [x0 + i * dx for i in range(n)]


def nutrunner_curve(rng, n, dx, x_end, snug_x, peak, rundown,
                    knee=0.18, noise=None, ripple_period=None):
    """Torque over angle: slow run-down with a small, rippling thread
    friction, then a soft knee into a linear elastic rise that ends at the
    shut-off torque `peak` on the last sample."""
    xs = x_grid(n, dx, x_end)
    x0 = xs[0]
    if noise is None:
        noise = max(0.01, peak * 0.0015)
    if ripple_period is None:
        ripple_period = 360.0 / 7.0
    span_rd = max(snug_x - x0, dx)
    f_end = 1.0 - knee / 2.0
    peak_h = to_h(peak)
    out = []
    for x in xs:
        ramp = min(1.0, (x - x0) / 6.0 + 0.05)
        engage = 0.75 + 0.5 * min(1.0, max(0.0, (x - x0) / span_rd))
        friction = rundown * engage * ramp
        ripple = (hump((x - x0) / ripple_period) - 2.0 / 3.0) * rundown * 0.35
        if x <= snug_x:
            v = friction + ripple * ramp
        else:
            base = rundown * 1.25
            t = (x - snug_x) / (x_end - snug_x)
            f = t * t / (2.0 * knee) if t < knee else t - knee / 2.0
            v = base + (peak - base) * f / f_end + ripple * (1.0 - t)
        v += noise * rng.sym()
        out.append(min(max(to_h(v), 0), peak_h - 1))
    out[-1] = peak_h
    return out


def press_curve(rng, n, dx, x_end, contact_x, fit_start, fit_end,
                shoulder_len, peak, noise=None):
    """Load over distance: free travel at about zero (a little negative now
    and then from the load-cell offset), lead-in chamfer, interference fit
    rising with the engaged length, then the steep shoulder contact up to
    the stop load `peak` at the end."""
    xs = x_grid(n, dx, x_end)
    if noise is None:
        noise = max(0.01, peak * 0.002)
    shoulder_x = x_end - shoulder_len
    peak_h = to_h(peak)
    out = []
    for x in xs:
        if x < contact_x:
            v = 0.005 + 0.02 * rng.sym()
        elif x < shoulder_x:
            u = (x - contact_x) / (shoulder_x - contact_x)
            lead = min(1.0, u / 0.06)
            v = fit_start * lead * (2.0 - lead) + (fit_end - fit_start) * (
                0.35 * u + 0.65 * math.sqrt(u))
        else:
            s = (x - shoulder_x) / shoulder_len
            v = fit_end + (peak - fit_end) * (0.3 * s + 0.7 * s * s)
        if x >= contact_x:
            v += noise * rng.sym()
        out.append(min(to_h(v), peak_h - 1))
    out[-1] = peak_h
    return out


def snap_fit_curve(rng, n, dx, x_end, contact_x, latch_x, latch_load,
                   drop_load, end_load):
    """Load over distance for a snap-fit clip: rise while the hook bends,
    sharp drop when it latches, then a gentle rise as the part bottoms out.
    The maximum lies before the end of the curve."""
    xs = x_grid(n, dx, x_end)
    out = []
    for x in xs:
        if x < contact_x:
            v = 0.003 + 0.004 * rng.sym()
        elif x < latch_x:
            u = (x - contact_x) / (latch_x - contact_x)
            v = latch_load * (1.6 * u - 0.6 * u * u)
        elif x < latch_x + 0.08:
            u = (x - latch_x) / 0.08
            v = latch_load + (drop_load - latch_load) * u
        else:
            u = (x - latch_x - 0.08) / (x_end - latch_x - 0.08)
            v = drop_load + (end_load - drop_load) * u * u
        if x >= contact_x:
            v += 0.004 * rng.sym()
        out.append(to_h(v))
    return out


def time_curve(rng, n, dt, snug_t, peak, rundown):
    """Torque over time: constant-speed run-down, then the final step at low
    speed where the torque climbs and levels off at the shut-off value."""
    out = []
    t_end = n * dt
    peak_h = to_h(peak)
    for i in range(n):
        t = (i + 1) * dt
        ramp = min(1.0, t / 0.06)
        v = rundown * ramp * (0.8 + 0.4 * t / t_end)
        v += (hump(t / 0.045) - 2.0 / 3.0) * rundown * 0.3 * ramp
        if t > snug_t:
            u = (t - snug_t) / (t_end - snug_t)
            v += (peak - rundown * 1.2) * (1.15 * u - 0.15 * u * u)
        v += max(0.01, peak * 0.0015) * rng.sym()
        out.append(min(max(to_h(v), 0), peak_h - 1))
    out[-1] = peak_h
    return out


# --------------------------------------------------------------------------
# Output bookkeeping
# --------------------------------------------------------------------------

class Writer:
    def __init__(self, out_dir):
        self.out = out_dir
        self.files = []       # (relative path, mtime)
        self.expected = []    # (relative path, description of list values)
        self.dirs = set()

    def write(self, rel, data, mtime, expect=None):
        path = os.path.join(self.out, rel)
        d = os.path.dirname(path)
        os.makedirs(d, exist_ok=True)
        rd = os.path.dirname(rel)
        while rd:
            self.dirs.add(rd)
            rd = os.path.dirname(rd)
        with open(path, "wb") as f:
            f.write(data)
        os.utime(path, (mtime, mtime))
        self.files.append((rel, mtime))
        if expect is not None:
            self.expected.append((rel, expect))

    def text(self, rel, lines, mtime, expect=None, final_crlf=True):
        body = CRLF.join(lines) + (CRLF if final_crlf else "")
        self.write(rel, body.encode(CODEPAGE), mtime, expect)

    def finish_dirs(self, mtime):
        # Deepest first so that touching a child does not disturb its parent.
        for rd in sorted(self.dirs, key=lambda p: -p.count(os.sep)):
            if rd.split(os.sep)[0] in ("console", "paging", "live"):
                os.utime(os.path.join(self.out, rd), (mtime, mtime))


# --------------------------------------------------------------------------
# Keyed text files
# --------------------------------------------------------------------------

def keyed_single(spno, samples, x_end, unit, wavef, interval, fillers,
                 header_len):
    """Header of a single-spindle keyed file: peak keys and the unit come
    first (a result-table click reads only the first six lines), fillers pad
    the header to its fixed length, "WaveData" closes it."""
    ypeak = fmt_h(max(samples))
    head = [
        "SPNO\t%d" % spno,
        "YPeak\t%s" % ypeak,
        "XPeak\t%s" % x_end,
        "Unit\t%d" % unit,
        "WAVEFormat\t%d" % wavef,
        "WavePoint\t%d" % len(samples),
        "Interval\t%d" % interval,
    ]
    need = header_len - 1 - len(head)
    assert len(fillers) >= need, "not enough filler keys"
    head += ["%s\t%s" % kv for kv in fillers[:need]]
    head.append("WaveData")
    assert len(head) == header_len
    return head + [fmt_h(v) for v in samples], ypeak


def keyed_multi(spnos, columns, x_ends, unit, wavef, interval, fillers,
                trailing_tab=False):
    """Header and data of a multi-spindle keyed file."""
    n = len(columns[0])
    assert all(len(c) == n for c in columns)
    ypeaks = [fmt_h(max(c)) for c in columns]

    def row(key, vals):
        return "\t".join([key] + [str(v) for v in vals])

    k = len(spnos)
    head = [
        row("SPNO", spnos),
        row("YPeak", ypeaks),
        row("XPeak", x_ends),
        row("Unit", [unit] * k),
        row("WAVEFormat", [wavef] * k),
        row("WavePoint", [n] * k),
        row("Interval", [interval] * k),
    ]
    head += [row(key, [val] * k) for key, val in fillers]
    head.append("WaveData")
    assert len(head) <= 14
    data = ["\t".join([str(i + 1)] + [fmt_h(c[i]) for c in columns])
            for i in range(n)]
    if trailing_tab:
        data.append("\t")
    return head + data, ypeaks


def date_fillers(date, time, extra=()):
    return [("Date", date), ("Time", time)] + list(extra)


# --------------------------------------------------------------------------
# Packed binary files
# --------------------------------------------------------------------------

BIN_RAW_TOP = 1900   # raw value of the peak sample (the 12-bit range tops at 2047)


def pack_samples(rng, raws):
    out = bytearray()
    for r in raws:
        r &= 0xFFF
        out.append(rng.nibble() << 4 | (r & 0xF))
        out.append(rng.nibble() << 4 | ((r >> 4) & 0xF))
        out.append(rng.nibble() << 4 | ((r >> 8) & 0xF))
    return bytes(out)


def stamp_bytes(rng, when, spindle, program, counter):
    y, mo, d, h, mi, s = when
    b = bytearray([bcd_byte(y % 100), bcd_byte(mo), bcd_byte(d),
                   bcd_byte(h), bcd_byte(mi), bcd_byte(s),
                   spindle, program])
    b += bcd2(counter)
    b += bytes([0x00, 0x01, rng.byte(), rng.byte()])
    assert len(b) == 14
    return bytes(b)


def bin_nutrunner(seed, n, trailing, when, peak_digits, digits, angle,
                  no_value=False):
    rng = Rng(seed)
    dx = 0.5
    curve = nutrunner_curve(rng, n, dx, float(angle), angle - 14.0, 10.0, 0.6,
                            noise=0.04)
    top = max(curve)
    raws = [min(BIN_RAW_TOP, max(0, int(math.floor(v * BIN_RAW_TOP / top + 0.5))))
            for v in curve]
    raws[0] = 3          # the curve's first sample; readers show it as 0
    raws.reverse()       # stored newest first
    head = bytearray(stamp_bytes(rng, when, 1, 3, seed))
    head += b"\x8f\x8f" if no_value else bcd2(peak_digits)
    head += b"\x8f\x8f" if no_value else bcd2(angle)
    head += bytes([0x00, 0x00, digits, 0x00])
    assert len(head) == 22
    body = bytes(head) + pack_samples(rng, raws)
    tail = bytes([0x0D, 0x0A][:trailing])
    return body + tail


def bin_press(seed, n, when, peak_digits, digits, dist_um):
    rng = Rng(seed)
    x_end = dist_um / 1000.0
    dx = 0.1
    x0 = x_end - (n - 1) * dx
    curve = press_curve(rng, n, dx, x_end, x0 + (x_end - x0) * 0.25,
                        1.5, 6.0, 0.6, 10.0, noise=0.08)
    top = max(curve)
    raws = [int(math.floor(v * BIN_RAW_TOP / top + 0.5)) for v in curve]
    raws[1] = -2         # load-cell offset just before contact: negative raw
    raws[2] = -1
    raws.reverse()
    head = bytearray(stamp_bytes(rng, when, 2, 5, seed))
    head += bcd2(peak_digits)
    head += bcd3(dist_um)
    head += bytes([0x00, 0x00, digits])
    head += bcd2(peak_digits + 150 if peak_digits + 150 <= 9999 else 9999)
    head += bcd2(max(0, peak_digits - 150))
    head += bytes([0x00, 0x00, 0x00, 0x00])
    assert len(head) == 30
    return bytes(head) + pack_samples(rng, raws) + b"\x1a"


def bcdascii(hi, lo, d):
    """What a viewer list shows for a packed two-byte value (valid BCD only)."""
    if hi == 0x8F and lo == 0x8F:
        return " " * 5
    v = int("%X" % hi) * 100 + int("%X" % lo)
    s = ("%d" % v) if d == 0 else ("%.*f" % (d, v / 10.0 ** d))
    return s.rjust(5)[-5:]


# --------------------------------------------------------------------------
# Comma-delimited files
# --------------------------------------------------------------------------

def values_lines(values, per_line):
    return [",".join(values[i:i + per_line])
            for i in range(0, len(values), per_line)]


# --------------------------------------------------------------------------
# Result tables
# --------------------------------------------------------------------------

def tsv_lines(junk, heading, rows):
    hl = "\t".join(heading)
    assert len(hl.encode(CODEPAGE)) > 100, "heading line must exceed 100 characters"
    assert len(heading) <= 40 and heading[5]
    for j in junk:
        f = j.split("\t")
        assert len(j.encode(CODEPAGE)) <= 100
        assert len(f) < 6 or not f[5]
    return list(junk) + [hl] + ["\t".join(r) for r in rows]


# Curve-file names a console writes for one result (archive folder layout).
def name_n1(family, d8, t6, s="0"):
    return {1: "%s_%s_%s.nracd", 2: "%s_%s_%s_01.nrcur",
            3: "%s_%s_%s.spacd"}[family] % (d8, t6, s)


def name_n2(family, d8, t6, p, ident="", s="0"):
    kind, ext = {1: ("ANG", "nracd"), 2: ("ANG", "nrcur"),
                 3: ("DIS", "spacd")}[family]
    base = "%s_%s_%s_%s_%s.%s" % (d8, t6, p, kind, s, ext)
    return ident + "_" + base if ident else base


def name_n3(family, ident, dd, t6):
    return "%s_%s_%s_ANGLE.%s" % (ident, dd, t6,
                                  {1: "nracd", 2: "nrcur"}[family])


def clean_ident(text):
    return "".join(c for c in text
                   if 32 <= ord(c) <= 127 and c not in '*/:<>?\\|')


# --------------------------------------------------------------------------
# The sample set
# --------------------------------------------------------------------------

def gen_keyed(w):
    # --- single spindle nutrunner, 4000 samples ---------------------------
    rng = Rng(101)
    n, itv = 4000, 2
    dx = DEG_PER_STEP / STRIDE[itv]
    x_end = 412.5
    s = nutrunner_curve(rng, n, dx, x_end, 378.0, 25.34, 0.55)
    lines, yp = keyed_single(1, s, fmt1(x_end), 0, 1, itv,
                             date_fillers("2026/11/05", "07:42:18"), 10)
    w.text("M8_bolt_spindle1.nrcur", lines, epoch(2026, 11, 5, 7, 42, 18),
           "N/R  Y %s  X %s  (%d samples, Unit 0 Nm, Interval %d)"
           % (yp, fmt1(x_end), n, itv))

    # --- single spindle nutrunner, short curve, upper-case extension ------
    rng = Rng(102)
    n, itv = 720, 0
    dx = DEG_PER_STEP / STRIDE[itv]
    x_end = 1094.0
    s = nutrunner_curve(rng, n, dx, x_end, 1062.0, 8.76, 0.32, noise=0.015)
    lines, yp = keyed_single(3, s, fmt1(x_end), 0, 1, itv,
                             date_fillers("2026/11/05", "07:44:51"), 10)
    w.text("M6_cover_screw_spindle3.NRCUR", lines,
           epoch(2026, 11, 5, 7, 44, 51),
           "N/R  Y %s  X %s  (%d samples, Unit 0 Nm)" % (yp, fmt1(x_end), n))

    # --- ".ncur" with torque in kgf.cm (unit code 2) -----------------------
    rng = Rng(103)
    n, itv = 1200, 1
    dx = DEG_PER_STEP / STRIDE[itv]
    x_end = 455.0
    s = nutrunner_curve(rng, n, dx, x_end, 395.0, 612.40, 9.5, noise=0.6)
    lines, yp = keyed_single(2, s, fmt1(x_end), 2, 1, itv,
                             date_fillers("2026/11/05", "07:51:09"), 10)
    w.text("cylinder_head_bolt_kgcm.ncur", lines,
           epoch(2026, 11, 5, 7, 51, 9),
           "N/R  Y %s  X %s  (%d samples, Unit 2 kgf.cm)"
           % (yp, fmt1(x_end), n))

    # --- single spindle press, 16-line header ----------------------------
    press_fill = lambda d, t: date_fillers(d, t, [
        ("Program", "4"), ("Result", "OK"), ("Station", "P1"),
        ("PartID", "BRG-6204-0173"), ("LoadHigh", "30.00"),
        ("LoadLow", "12.00"), ("Operator", "AUTO")])
    rng = Rng(104)
    n, itv = 1500, 2
    dx = MM_PER_STEP / STRIDE[itv]
    x_end = 18.42
    s = press_curve(rng, n, dx, x_end, 6.1, 3.2, 14.8, 0.35, 24.87)
    lines, yp = keyed_single(1, s, "%.2f" % x_end, 0, 2, itv,
                             press_fill("2026/11/05", "08:15:30"), 16)
    w.text("press_fit_bearing.spcur", lines, epoch(2026, 11, 5, 8, 15, 30),
           "Press  Y %s  X %s  (%d samples, kN; list shows X as %s)"
           % (yp, "%.2f" % x_end, n, fmt1(x_end)))

    # --- press, snap fit: maximum before the end ---------------------------
    rng = Rng(105)
    n, itv = 1200, 3
    dx = MM_PER_STEP / STRIDE[itv]
    x_end = 7.63
    s = snap_fit_curve(rng, n, dx, x_end, 2.2, 5.4, 0.86, 0.21, 0.64)
    lines, yp = keyed_single(1, s, "%.2f" % x_end, 0, 2, itv,
                             press_fill("2026/11/05", "08:19:02"), 16)
    w.text("snap_fit_clip.SPCUR", lines, epoch(2026, 11, 5, 8, 19, 2),
           "Press  Y %s  X %s  (%d samples, kN, peak at the latch, not at "
           "the end; list shows X as %s)" % (yp, "%.2f" % x_end, n,
                                              fmt1(x_end)))

    # --- multi spindle nutrunner, spindles 1,2,5,7, 4000 samples ---------
    rng = Rng(106)
    n, itv = 4000, 2
    dx = DEG_PER_STEP / STRIDE[itv]
    spnos = [1, 2, 5, 7]
    peaks = [48.62, 47.95, 49.10, 48.33]
    ends = [486.5, 471.0, 492.5, 478.0]
    cols = [nutrunner_curve(rng, n, dx, e, e - 38.0 - 3.0 * k, p, 0.9)
            for k, (p, e) in enumerate(zip(peaks, ends))]
    lines, yps = keyed_multi(spnos, cols, [fmt1(e) for e in ends], 0, 1, itv,
                             date_fillers("2026/11/05", "08:30:44",
                                          [("Program", "2")]))
    w.text("engine_head_4spindle.nracd", lines, epoch(2026, 11, 5, 8, 30, 44),
           "spindles %s  Y %s  X %s  (%d samples)"
           % (spnos, yps, [fmt1(e) for e in ends], n))

    # --- multi spindle nutrunner, 6 spindles, short curves -----------------
    rng = Rng(107)
    n, itv = 720, 0
    dx = DEG_PER_STEP / STRIDE[itv]
    spnos = [1, 2, 3, 4, 5, 6]
    peaks = [110.4, 108.9, 111.2, 109.7, 110.0, 107.8]
    ends = [715.5, 702.0, 721.0, 709.5, 698.0, 712.5]
    cols = [nutrunner_curve(rng, n, dx, e, e - 32.0 + k, p, 2.4, noise=0.15)
            for k, (p, e) in enumerate(zip(peaks, ends))]
    lines, yps = keyed_multi(spnos, cols, [fmt1(e) for e in ends], 0, 1, itv,
                             date_fillers("2026/11/05", "08:41:13"))
    w.text("wheel_hub_6spindle.NRACD", lines, epoch(2026, 11, 5, 8, 41, 13),
           "spindles %s  Y %s  X %s  (%d samples)"
           % (spnos, yps, [fmt1(e) for e in ends], n))

    # --- multi spindle nutrunner over time (WAVEFormat 32) -----------------
    rng = Rng(108)
    n, itv = 810, 0
    dt = 0.002
    spnos = [3, 8]
    peaks = [12.45, 12.71]
    cols = [time_curve(rng, n, dt, 1.18 + 0.03 * k, p, 0.35)
            for k, p in enumerate(peaks)]
    t_end = "%.2f" % (n * dt)
    lines, yps = keyed_multi(spnos, cols, [t_end, t_end], 0, 32, itv,
                             date_fillers("2026/11/05", "08:47:36"))
    w.text("gearbox_cover_time_2spindle.nracd", lines,
           epoch(2026, 11, 5, 8, 47, 36),
           "spindles %s  Y %s  X %s s (time X: WAVEFormat 32, %d samples "
           "of 2 ms)" % (spnos, yps, [t_end, t_end], n))

    # --- multi press, heads 2,4,6, file ends with a single-TAB line --------
    rng = Rng(109)
    n, itv = 900, 2
    dx = MM_PER_STEP / STRIDE[itv]
    spnos = [2, 4, 6]
    peaks = [6.84, 7.02, 6.91]
    ends = [12.31, 12.18, 12.47]
    cols = [press_curve(rng, n, dx, e, e - 6.2, 0.8, 3.9, 0.25, p)
            for p, e in zip(peaks, ends)]
    lines, yps = keyed_multi(spnos, cols, ["%.2f" % e for e in ends], 0, 2,
                             itv, date_fillers("2026/11/05", "09:02:27"),
                             trailing_tab=True)
    w.text("door_hinge_press_3head.spacd", lines, epoch(2026, 11, 5, 9, 2, 27),
           "press heads %s  Y %s  X %s  (%d samples + a closing single-TAB "
           "line)" % (spnos, yps, ["%.2f" % e for e in ends], n))

    # --- multi press, 2 heads, 4000 samples ------------------------------
    rng = Rng(110)
    n, itv = 4000, 3
    dx = MM_PER_STEP / STRIDE[itv]
    spnos = [1, 2]
    peaks = [18.56, 18.21]
    ends = [19.87, 19.64]
    cols = [press_curve(rng, n, dx, e, e - 12.0, 2.1, 11.3, 0.4, p)
            for p, e in zip(peaks, ends)]
    lines, yps = keyed_multi(spnos, cols, ["%.2f" % e for e in ends], 0, 2,
                             itv, date_fillers("2026/11/05", "09:05:50"))
    w.text("valve_seat_press_2head.SPACD", lines, epoch(2026, 11, 5, 9, 5, 50),
           "press heads %s  Y %s  X %s  (%d samples)"
           % (spnos, yps, ["%.2f" % e for e in ends], n))


def gen_bin(w):
    cases = [
        ("nr_M5_90pts.BIN", "nr", dict(seed=201, n=90, trailing=1,
                                       when=(2026, 11, 4, 14, 2, 11),
                                       peak_digits=685, digits=2, angle=235)),
        ("nr_M10_180pts.bin", "nr", dict(seed=202, n=180, trailing=2,
                                         when=(2026, 11, 4, 14, 5, 37),
                                         peak_digits=485, digits=1, angle=318)),
        ("nr_M12_360pts.BIN", "nr", dict(seed=203, n=360, trailing=2,
                                         when=(2026, 11, 4, 14, 9, 3),
                                         peak_digits=8540, digits=2, angle=402)),
        ("nr_M12_360pts_b.bin", "nr", dict(seed=204, n=360, trailing=1,
                                           when=(2026, 11, 4, 14, 9, 48),
                                           peak_digits=8512, digits=2,
                                           angle=397)),
        ("nr_no_peak_value.BIN", "nr", dict(seed=205, n=90, trailing=1,
                                            when=(2026, 11, 4, 14, 12, 20),
                                            peak_digits=0, digits=2, angle=0,
                                            no_value=True)),
        ("press_90pts.BIN", "press", dict(seed=211, n=90,
                                          when=(2026, 11, 4, 15, 1, 5),
                                          peak_digits=456, digits=2,
                                          dist_um=12345)),
        ("press_180pts.bin", "press", dict(seed=212, n=180,
                                           when=(2026, 11, 4, 15, 3, 44),
                                           peak_digits=1255, digits=1,
                                           dist_um=24680)),
        ("press_360pts.BIN", "press", dict(seed=213, n=360,
                                           when=(2026, 11, 4, 15, 6, 19),
                                           peak_digits=9876, digits=3,
                                           dist_um=41507)),
    ]
    for name, kind, kw in cases:
        when = kw["when"]
        if kind == "nr":
            data = bin_nutrunner(**kw)
            y = bcdascii(data[14], data[15], data[20])
            x = bcdascii(data[16], data[17], 0)
            desc = "N/R  Y '%s'  X '%s'  (%d bytes, %d samples, digits %d)" % (
                y, x, len(data), kw["n"], data[20])
        else:
            data = bin_press(**kw)
            y = bcdascii(data[14], data[15], data[21])
            x = ("%.3f" % (kw["dist_um"] / 1000.0)).rjust(7)
            desc = "Press  Y '%s'  X '%s'  (%d bytes, %d samples, digits %d)" % (
                y, x, len(data), kw["n"], data[21])
        w.write(name, data, epoch(*when), desc)

    # A length no controller writes: must be passed over.
    rng = Rng(220)
    junk = bin_nutrunner(206, 90, 2, (2026, 11, 4, 14, 20, 0), 1234, 2, 200)
    junk += bytes([rng.byte()])
    assert len(junk) == 295
    w.write("truncated_295_bytes.BIN", junk, epoch(2026, 11, 4, 14, 20, 0),
            "not a curve file (295 bytes): no list entry")


def gen_comma(w):
    # --- ".CUR" --------------------------------------------------------------
    for name, seed, e, peak_whole, angle, when in [
            ("legacy_M8_bolt.CUR", 301, 2, 2534, "356",
             (2026, 11, 3, 11, 20, 4)),
            ("legacy_wheel_nut.cur", 302, 1, 1205, "412.5",
             (2026, 11, 3, 11, 26, 40))]:
        rng = Rng(seed)
        peak = peak_whole / 10.0 ** e
        x_end = float(angle)
        curve = nutrunner_curve(rng, 999, 0.5, x_end, x_end - 46.0, peak,
                                peak * 0.03)
        vals = ["%d" % v for v in reversed(curve)]   # hundredths, newest first
        lines = ["%d,%d,%s" % (e, peak_whole, angle)] + values_lines(vals, 10)
        w.text(name, lines, epoch(*when),
               "N/R  Y %s  X %s  (exponent %d, 999 samples)"
               % ("%.2f" % peak, angle, e))

    # --- ".QUERNACUR", plain layout (exponent 2: kN) ----------------------
    rng = Rng(311)
    e, peak_whole, dist_um = 2, 1523, 12345
    peak = peak_whole / 100.0
    x_end = dist_um / 1000.0
    curve = press_curve(rng, 999, 0.01, x_end, x_end - 7.0, 1.9, 9.8, 0.3,
                        peak)
    vals = ["%d" % (v * 10) for v in reversed(curve)]   # thousandths of kN
    head = ["2026/11/03", "13:02:17", "%d" % e, "1", "%d" % peak_whole,
            "%d" % dist_um, "OK", "1600", "800"]
    lines = [",".join(head)] + values_lines(vals, 12)
    w.text("quill_press_plain.QUERNACUR", lines, epoch(2026, 11, 3, 13, 2, 17),
           "Press  Y 15.23  X 12.345  (kN, exponent 2, 999 samples)")

    # --- ".QUERNACUR", part-ID layout (exponent 0: N) ---------------------
    rng = Rng(312)
    e, peak_whole, dist_um = 0, 850, 8250
    x_end = dist_um / 1000.0
    curve = press_curve(rng, 999, 0.005, x_end, x_end - 3.5, 120.0, 610.0,
                        0.2, float(peak_whole), noise=2.0)
    vals = ["%d" % v for v in reversed(curve)]          # hundredths of N
    head = ["PART ID: QN-20261103-0042", "2026/11/03", "13:09:51", "%d" % e,
            "2", "%d" % peak_whole, "%d" % dist_um, "OK", "900", "500"]
    lines = [",".join(head)] + values_lines(vals, 12)
    w.text("quill_press_partid.quernacur", lines,
           epoch(2026, 11, 3, 13, 9, 51),
           "Press  Y 850.00  X 8.250  (N, part-ID layout, 999 samples)")

    # --- ".CSV" ---------------------------------------------------------------
    def csv_file(name, when, data_id, peak_field, x_field, samples_fmt,
                 samples, x_vals, labels, expect):
        lines = []
        if data_id:
            lines.append(data_id)
        lines += ["%04d/%02d/%02d" % when[:3], "%02d:%02d:%02d" % when[3:]]
        lines.append("PEAK,Y,%s" % peak_field)
        lines.append("PEAK,X,%s" % x_field)
        lines.append("JUDGE,,OK")
        lines.append("POINTS,,%d" % len(samples))
        lines.append("NO,%s,%s" % labels)
        for i, (x, v) in enumerate(zip(x_vals, samples)):
            lines.append("%d,%s,%s" % (i + 1, x, samples_fmt(v)))
        assert len(samples) <= 1024
        for l in lines[:3 if data_id else 2]:
            assert "," not in l
        w.text(name, lines, epoch(*when), expect)

    rng = Rng(321)
    n, x_end = 960, 412.5
    s = nutrunner_curve(rng, n, 0.5, x_end, 371.0, 25.34, 0.6)
    xs = [fmt1(x) for x in x_grid(n, 0.5, x_end)]
    csv_file("nutrunner_export.csv", (2026, 11, 2, 10, 41, 7), None,
             "%sNm" % fmt_h(max(s)), "%sDEG" % fmt1(x_end), fmt_h, s, xs,
             ("ANGLE", "TORQUE"),
             "N/R  Y %s  X 412.500  (no DATA ID line, %d samples)"
             % (fmt_h(max(s)), n))

    rng = Rng(322)
    n, x_end = 1024, 530.0
    s = nutrunner_curve(rng, n, 0.5, x_end, 489.0, 62.08, 1.4)
    xs = [fmt1(x) for x in x_grid(n, 0.5, x_end)]
    csv_file("nutrunner_export_dataid.CSV", (2026, 11, 2, 10, 44, 52),
             "DATA ID:CRANK-7731", "%sNm" % fmt_h(max(s)),
             "%sDEG" % fmt1(x_end), fmt_h, s, xs, ("ANGLE", "TORQUE"),
             "N/R  Y %s  X 530.000  (DATA ID line, 1024 samples)"
             % fmt_h(max(s)))

    rng = Rng(323)
    n, x_end = 700, 12.5
    s = press_curve(rng, n, 0.01, x_end, 8.0, 180.0, 1120.0, 0.4, 1500.0,
                    noise=3.0)
    xs = ["%.2f" % x for x in x_grid(n, 0.01, x_end)]
    csv_file("press_export_newton.csv", (2026, 11, 2, 11, 3, 18), None,
             "1500N", "12.5MM", fmt_h, s, xs, ("DIST", "LOAD"),
             "Press  Y 1500.00  X 12.500  (N, %d samples)" % n)

    rng = Rng(324)
    n, x_end = 800, 9.8
    s = press_curve(rng, n, 0.01, x_end, 3.5, 2.4, 11.6, 0.35, 14.75)
    xs = ["%.2f" % x for x in x_grid(n, 0.01, x_end)]
    csv_file("press_export_kilonewton.CSV", (2026, 11, 2, 11, 7, 46),
             "Data Id:SHAFT-0917", "14.75KN", "9.8mm", fmt_h, s, xs,
             ("DIST", "LOAD"),
             "Press  Y 0.01  X 9.800  (a KN peak is divided by 1000 in the "
             "list: 14.75 kN lists as 0.01; lower-case 'Data Id' and 'mm', "
             "%d samples)" % n)

    rng = Rng(325)
    n, x_end = 300, 0.49
    s = press_curve(rng, n, 0.001, x_end, 0.2, 0.4, 1.6, 0.05, 2.2)
    xs = ["%.3f" % x for x in x_grid(n, 0.001, x_end)]
    csv_file("press_export_inch_unit.csv", (2026, 11, 2, 11, 12, 0),
             None, "2.2KN", "0.49INCH", fmt_h, s, xs, ("DIST", "LOAD"),
             "no list entry (X unit INCH is neither DEG nor MM)")


def gen_tables(w):
    # ------------------------------------------------------------------
    # Top-level result table: 3-spindle nutrunner, 10 results, 30 lines.
    # ------------------------------------------------------------------
    rng = Rng(401)
    heading = ["Date", "Time", "Part ID", "SEQ #", "Total Judge", "Spindle",
               "Torque[Nm]", "Angle[\u00b0]", "Torque Judge", "Angle Judge",
               "Torque High", "Torque Low", "Angle High", "Angle Low",
               "Program", "Cycle Time[s]"]
    junk = ["Tightening result data", "Station\tST07\tLine\t3",
            "Exported\t2026/11/06 06:00:12", "", "Limits\tsee program 2"]
    rows = []
    t = 6 * 3600 + 12 * 60 + 5
    for k in range(10):
        t += 71 + (rng.next() % 40)
        hh, mm, ss = t // 3600, t // 60 % 60, t % 60
        ident = "" if k % 3 == 0 else "BLK-%05d" % (20410 + k)
        for sp in (1, 2, 3):
            tq = 48.0 + 1.4 * rng.sym()
            an = 36.0 + 4.0 * rng.sym()
            judge = "OK"
            if k == 6 and sp == 2:
                tq, judge = 51.62, "NG"
            first = sp == 1
            rows.append([
                "2026/11/06" if first else "",
                "%02d:%02d:%02d" % (hh, mm, ss) if first else "",
                ident if first else "",
                "%d" % (k + 1) if first else "",
                ("NG" if k == 6 else "OK") if first else "",
                "%d" % sp, "%.2f" % tq, "%.1f" % an, judge,
                "OK", "50.00", "46.00", "45.0", "25.0", "2",
                "%.1f" % (3.1 + 0.2 * rng.sym())])
    w.text("line3_results_202611.TSV", tsv_lines(junk, heading, rows),
           epoch(2026, 11, 6, 6, 30, 0),
           "result table: %d junk lines, heading, %d result lines, "
           "column 3 'SEQ #' (nutrunner multi)" % (len(junk), len(rows)))

    gen_console(w)
    gen_paging(w)
    gen_live(w)


def gen_paging(w):
    """A result table of 2500 lines: three pages in the result table."""
    heading = ["Date", "Time", "Serial No.", "WORK No.", "Judge", "Spindle",
               "Torque[Nm]", "Angle[deg]", "Final Angle[deg]", "Torque High",
               "Torque Low", "Angle High", "Angle Low", "Program"]
    rng = Rng(601)
    rows = []
    t = 6 * 3600
    for k in range(2500):
        t += 9 + rng.next() % 7
        tt = "%02d:%02d:%02d" % (t // 3600 % 24, t // 60 % 60, t % 60)
        rows.append(["2026/11/07", tt, "", str(k + 1), "OK", "1",
                     "%.2f" % (32.5 + 0.5 * rng.sym()),
                     "%.1f" % (45.0 + 3.0 * rng.sym()), "390.0", "34.00",
                     "31.00", "60.0", "35.0", "1"])
    w.text(os.path.join("paging", "line5_results_2500.TSV"),
           tsv_lines(["Line 5 results"], heading, rows),
           epoch(2026, 11, 7, 20, 0, 0),
           "result table, 2500 result lines: three pages")


# The console installation of the live case: the program folder (run the
# viewer with PLOTWISE_HOME pointing here), a TAVRIN console executable with a
# version record, and its settings below the application-data folder (run it
# with XDG_DATA_HOME=<live>/appdata). The settings name absolute folders, so
# they are written for the folder the samples are generated in.
LIVE_VERSION = "1.0.3.0"       # version digits "1.030"
LIVE_TABLE = "today.tsv"
LIVE_HEADING = ["Date", "Time", "Serial No.", "WORK No.", "Judge", "Spindle",
                "Torque[Nm]", "Angle[deg]", "Final Angle[deg]", "Torque High",
                "Torque Low", "Angle High", "Angle Low", "Program"]


def live_result(rng, k, t):
    """One live result: its table line and its curve file (live naming)."""
    tt = "%02d:%02d:%02d" % (t // 3600 % 24, t // 60 % 60, t % 60)
    t6 = tt.replace(":", "")
    n, itv = 1000, 0
    dx = DEG_PER_STEP / STRIDE[itv]
    pk = to_h(32.5 + 0.5 * rng.sym()) / 100.0
    end = 380.0 + 0.5 * int(30 * rng.unit())
    snug = end - 44.0 - 0.5 * int(12 * rng.unit())
    samples = nutrunner_curve(rng, n, dx, end, snug, pk, 0.5)
    lines, yp = keyed_single(1, samples, fmt1(end), 0, 1, itv,
                             date_fillers("2026/11/08", tt), 10)
    row = ["2026/11/08", tt, "", str(k), "OK", "1", yp, fmt1(end - snug),
           fmt1(end), "34.00", "31.00", "60.0", "35.0", "1"]
    return "\t".join(row), "08_%s_01_ANGLE.nrcur" % t6, lines


def gen_live(w):
    live = os.path.join(w.out, "live")
    exe = (b"MZ" + bytes(64) + b"PE" + "Assembly Version".encode("utf-16-le")
           + bytes(2) + LIVE_VERSION.encode("utf-16-le"))
    w.write(os.path.join("live", "TAVRIN UserConsole.exe"), exe,
            epoch(2026, 11, 8, 6, 0, 0), "fake console executable, version "
            + LIVE_VERSION)
    rng = Rng(701)
    rows = []
    t = 7 * 3600 + 30 * 60
    for k in range(1, 6):
        t += 83 + rng.next() % 30
        line, name, lines = live_result(rng, k, t)
        rows.append(line.split("\t"))
        w.text(os.path.join("live", "WAVE", "ST02", name), lines,
               epoch(2026, 11, 8, 8, 0, 0))
    w.text(os.path.join("live", "RESULT", LIVE_TABLE),
           tsv_lines(["ST02 result"], LIVE_HEADING, rows),
           epoch(2026, 11, 8, 8, 0, 0),
           "live result table (RSaveName); tools/live_feed.py appends to it")
    settings = os.path.join("live", "appdata", "TAVRIN_1.030", "live")
    w.text(os.path.join(settings, "IP.SYS"),
           ["StationName\tST02\t\t", "ResumeSetup\tFalse"],
           epoch(2026, 11, 8, 6, 0, 0))
    w.text(os.path.join(settings, "MONI.SYS"),
           ["RSaveFolder\t" + os.path.join(live, "RESULT"),
            "RSaveName\t" + LIVE_TABLE, "RSaveFlag\tTrue"],
           epoch(2026, 11, 8, 6, 0, 0))
    w.text(os.path.join(settings, "WAVE.SYS"),
           ["WaveAutoSavePath\t" + os.path.join(live, "WAVE"),
            "WaveAutoSave\tTrue"],
           epoch(2026, 11, 8, 6, 0, 0))


def gen_console(w):
    """A console's archive: RESULT/yyyymm/<tables> and
    CURVE/yyyymm/yyyymmdd/<station>/<curve files>, linked by date and time."""
    D8, DD, DATE = "20261105", "05", "2026/11/05"
    res_dir = os.path.join("console", "RESULT", "202611")
    day_dir = os.path.join("console", "CURVE", "202611", D8)
    links = []

    def hms(t):
        return "%02d:%02d:%02d" % (t // 3600, t // 60 % 60, t % 60), \
               "%02d%02d%02d" % (t // 3600, t // 60 % 60, t % 60)

    def stamp(t):
        return epoch(2026, 11, 5, t // 3600, t // 60 % 60, t % 60)

    # ---------------- ST01: multi-spindle nutrunner (".nracd") ----------------
    rng = Rng(501)
    spnos = [1, 3]
    n, itv = 4000, 2
    dx = DEG_PER_STEP / STRIDE[itv]
    heading = ["Date", "Time", "Part ID", "SEQ #", "Total Judge", "Spindle",
               "Torque[Nm]", "Angle[deg]", "Final Angle[deg]", "Torque Judge",
               "Angle Judge", "Torque High", "Torque Low", "Program"]
    # (time, id, seq, naming)
    plan = [(8 * 3600 + 2 * 60 + 11, "", 7, "n1"),
            (8 * 3600 + 3 * 60 + 40, "", 8, "n2"),
            (8 * 3600 + 5 * 60 + 2, "ENG:4711", 9, "n2"),
            (8 * 3600 + 6 * 60 + 27, "ENG:4712", 10, "n3"),
            (8 * 3600 + 7 * 60 + 55, "ENG:4713", 11, "n1"),
            (8 * 3600 + 9 * 60 + 13, "ENG:4714", 12, None)]
    rows = []
    for t, ident, seq, naming in plan:
        tt, t6 = hms(t)
        p = ("000%d" % seq)[-3:]
        ci = clean_ident(ident)
        peaks = [to_h(8.70 + 0.18 * rng.sym()) / 100.0 for _ in spnos]
        ends = [fmt1(520.0 + 0.5 * int(20 * rng.unit())) for _ in spnos]
        cols = [nutrunner_curve(rng, n, dx, float(e), float(e) - 41.0
                                + 2.0 * rng.sym(), pk, 0.28, noise=0.012)
                for pk, e in zip(peaks, ends)]
        lines, yps = keyed_multi(spnos, cols, ends, 0, 1, itv,
                                 date_fillers(DATE, tt, [("Program", "1")]))
        name = None
        if naming == "n1":
            name = name_n1(1, D8, t6)
        elif naming == "n2":
            name = name_n2(1, D8, t6, p, ci)
        elif naming == "n3":
            name = name_n3(1, ci, DD, t6)
        if name:
            rel = os.path.join(day_dir, "ST01", name)
            w.text(rel, lines, stamp(t),
                   "spindles %s  Y %s  X %s  (linked to %s %s)"
                   % (spnos, yps, ends, DATE, tt))
            links.append((DATE, tt, ident, seq, 1, rel))
        for k, sp in enumerate(spnos):
            first = k == 0
            rows.append([DATE if first else "", tt if first else "",
                         ident if first else "", str(seq) if first else "",
                         "OK" if first else "", str(sp), yps[k],
                         "%.1f" % (38.0 + 3.0 * rng.sym()), ends[k], "OK", "OK",
                         "9.20", "8.20", "1"])
    w.text(os.path.join(res_dir, "st01_nutrunner_20261105.tsv"),
           tsv_lines(["ST01 result", "Model\tA12"], heading, rows),
           stamp(8 * 3600 + 15 * 60),
           "result table, column 3 'SEQ #' -> '.nracd' curves in ST01")

    # ---------------- ST02: single-spindle nutrunner (".nrcur") --------------
    rng = Rng(502)
    n, itv = 1000, 0
    dx = DEG_PER_STEP / STRIDE[itv]
    heading = ["Date", "Time", "Serial No.", "WORK No.", "Judge", "Spindle",
               "Torque[Nm]", "Angle[deg]", "Final Angle[deg]", "Torque High",
               "Torque Low", "Angle High", "Angle Low", "Program"]
    plan = [(9 * 3600 + 7 * 60 + 3, "", 3, "n1"),
            (9 * 3600 + 8 * 60 + 30, "", 4, "n2"),
            (9 * 3600 + 10 * 60 + 12, "BRK/0815", 5, "n2"),
            (9 * 3600 + 11 * 60 + 45, "BRK/0816", 6, "n3"),
            (9 * 3600 + 13 * 60 + 20, "", 7, "n1"),
            (9 * 3600 + 14 * 60 + 58, "", 8, None),
            (9 * 3600 + 16 * 60 + 31, "", 9, "n2"),
            (9 * 3600 + 18 * 60 + 20, "", 10, "upper")]
    rows = []
    for t, ident, work, naming in plan:
        tt, t6 = hms(t)
        p = ("000%d" % work)[-3:]
        ci = clean_ident(ident)
        pk = to_h(32.5 + 0.5 * rng.sym()) / 100.0
        end = 380.0 + 0.5 * int(30 * rng.unit())
        snug = end - 44.0 - 0.5 * int(12 * rng.unit())
        s = nutrunner_curve(rng, n, dx, end, snug, pk, 0.5)
        lines, yp = keyed_single(1, s, fmt1(end), 0, 1, itv,
                                 date_fillers(DATE, tt), 10)
        name = {"n1": lambda: name_n1(2, D8, t6),
                "n2": lambda: name_n2(2, D8, t6, p, ci),
                "n3": lambda: name_n3(2, ci, DD, t6),
                "upper": lambda: name_n1(2, D8, t6).replace(".nrcur",
                                                            ".NRCUR"),
                None: lambda: None}[naming]()
        if name:
            rel = os.path.join(day_dir, "ST02", name)
            note = ("  NOT linked: the console names use a lower-case "
                    "extension and the match is exact" if naming == "upper"
                    else "  (linked to %s %s)" % (DATE, tt))
            w.text(rel, lines, stamp(t), "N/R  Y %s  X %s%s"
                   % (yp, fmt1(end), note))
            if naming != "upper":
                links.append((DATE, tt, ident, work, 2, rel))
        if naming == "n1":
            # The station's second tool writes its own "_02" file: never a
            # candidate for a result line.
            s2 = nutrunner_curve(rng, n, dx, end + 3.0, end - 45.0, pk - 0.2,
                                 0.5)
            lines2, yp2 = keyed_single(2, s2, fmt1(end + 3.0), 0, 1, itv,
                                       date_fillers(DATE, tt), 10)
            rel2 = os.path.join(day_dir, "ST02", "%s_%s_0_02.nrcur" % (D8, t6))
            w.text(rel2, lines2, stamp(t), "N/R  Y %s  X %s  (spindle 2 "
                   "file, not referenced by the table)"
                   % (yp2, fmt1(end + 3.0)))
        rows.append([DATE, tt, ident, str(work), "OK", "1", yp,
                     fmt1(end - snug), fmt1(end), "34.00",
                     "31.00", "60.0", "35.0", "1"])
    w.text(os.path.join(res_dir, "st02_nutrunner_20261105.tsv"),
           tsv_lines(["ST02 result"], heading, rows),
           stamp(9 * 3600 + 20 * 60),
           "result table, column 3 'WORK No.' -> '.nrcur' curves in ST02")

    # ---------------- ST03: multi-head press (".spacd") -------------------
    rng = Rng(503)
    spnos = [1, 2]
    n, itv = 4000, 3
    dx = MM_PER_STEP / STRIDE[itv]
    heading = ["Date", "Time", "Part ID", "SEQ. #", "Total Judge", "Station",
               "Press #", "Load[kN]", "Distance[mm]", "Judge", "Load High",
               "Load Low", "Distance High", "Distance Low", "Program"]
    plan = [(10 * 3600 + 20 * 60 + 5, "", 21, "n1"),
            (10 * 3600 + 21 * 60 + 33, "", 22, "n2"),
            (10 * 3600 + 23 * 60 + 1, "HUB-A17", 23, "n2"),
            (10 * 3600 + 24 * 60 + 29, "HUB-A18", 24, None)]
    rows = []
    for t, ident, seq, naming in plan:
        tt, t6 = hms(t)
        p = ("000%d" % seq)[-3:]
        ci = clean_ident(ident)
        peaks = [to_h(16.4 + 0.4 * rng.sym()) / 100.0 for _ in spnos]
        ends = [to_h(18.5 + 0.2 * rng.sym()) / 100.0 for _ in spnos]
        ends = [e + 0.01 if int(round(e * 100)) % 10 == 5 else e
                for e in ends]
        cols = [press_curve(rng, n, dx, e, e - 11.0, 1.8, 10.2, 0.35, pk)
                for pk, e in zip(peaks, ends)]
        end_txt = ["%.2f" % e for e in ends]
        lines, yps = keyed_multi(spnos, cols, end_txt, 0, 2, itv,
                                 date_fillers(DATE, tt, [("Program", "6")]))
        name = None
        if naming == "n1":
            name = name_n1(3, D8, t6)
        elif naming == "n2":
            name = name_n2(3, D8, t6, p, ci)
        if name:
            rel = os.path.join(day_dir, "ST03", name)
            w.text(rel, lines, stamp(t), "press heads %s  Y %s  X %s  "
                   "(linked to %s %s)" % (spnos, yps, end_txt, DATE, tt))
            links.append((DATE, tt, ident, seq, 3, rel))
        for k, sp in enumerate(spnos):
            first = k == 0
            rows.append([DATE if first else "", tt if first else "",
                         ident if first else "", str(seq) if first else "",
                         "OK" if first else "", "ST03", str(sp), yps[k],
                         end_txt[k], "OK", "17.50", "15.00", "19.00", "18.00",
                         "6"])
    w.text(os.path.join(res_dir, "st03_press_20261105.tsv"),
           tsv_lines(["ST03 press result", "Model\tHUB", ""], heading, rows),
           stamp(10 * 3600 + 30 * 60),
           "result table, column 3 'SEQ. #', column 6 'Press #' -> '.spacd' "
           "curves in ST03")

    # Check every planned link the way a viewer searches for it.
    for date, tt, ident, num, fam, rel in links:
        d8 = date[0:4] + date[5:7] + date[8:10]
        t6 = tt[0:2] + tt[3:5] + tt[6:8]
        p = ("000%d" % num)[-3:]
        ci = clean_ident(ident)
        cands = [name_n1(fam, d8, t6), name_n2(fam, d8, t6, p, ci)]
        if fam != 3 and ci:
            cands.append(name_n3(fam, ci, date[8:10], t6))
        assert os.path.basename(rel) in cands, rel
    w.links = links


README = """\
# Sample curve files

Synthetic curve files and result tables for trying out and testing Plotwise.
They are written by `python3 tools/gen_samples.py`; rerunning it rewrites the
same bytes and the same modification times. Do not edit them by hand.

All curves are made up: a nutrunner curve is a slow run-down at small torque,
a knee and a linear elastic rise to the shut-off torque at the last sample; a
press curve is free travel at about 0 kN, the interference fit and a steep
shoulder contact at the end (except `snap_fit_clip.SPCUR`, whose maximum lies
at the latch point before the end). In the keyed text files `YPeak` is the
largest sample and `XPeak` the X of the last sample.

## Keyed text files
| File | Content |
|---|---|
| `M8_bolt_spindle1.nrcur` | nutrunner, 1 spindle, 4000 samples, interval code 2 |
| `M6_cover_screw_spindle3.NRCUR` | nutrunner, 720 samples, interval 0 |
| `cylinder_head_bolt_kgcm.ncur` | nutrunner, torque in kgf.cm (Unit 2) |
| `press_fit_bearing.spcur` | press, 16-line header |
| `snap_fit_clip.SPCUR` | press, maximum before the end |
| `engine_head_4spindle.nracd` | nutrunner spindles 1, 2, 5, 7; 4000 samples |
| `wheel_hub_6spindle.NRACD` | nutrunner spindles 1..6 |
| `gearbox_cover_time_2spindle.nracd` | nutrunner spindles 3, 8, torque over time (WAVEFormat 32) |
| `door_hinge_press_3head.spacd` | press heads 2, 4, 6; ends with a line holding one TAB |
| `valve_seat_press_2head.SPACD` | press heads 1, 2; 4000 samples |

## Packed binary files (`.BIN`)
| File | Content |
|---|---|
| `nr_M5_90pts.BIN` | nutrunner, 293 bytes, 90 samples |
| `nr_M10_180pts.bin` | nutrunner, 564 bytes, 180 samples, one decimal |
| `nr_M12_360pts.BIN`, `nr_M12_360pts_b.bin` | nutrunner, 1104 / 1103 bytes, 360 samples |
| `nr_no_peak_value.BIN` | nutrunner, peak and angle stored as "no value" (0x8F 0x8F) |
| `press_90pts.BIN`, `press_180pts.bin`, `press_360pts.BIN` | press, 301 / 571 / 1111 bytes |
| `truncated_295_bytes.BIN` | 295 bytes: not a curve file, must be ignored |

Sample high nibbles hold junk; only the low nibbles carry data.

## Comma-delimited files
| File | Content |
|---|---|
| `legacy_M8_bolt.CUR`, `legacy_wheel_nut.cur` | nutrunner, exponent 2 and 1, 999 samples |
| `quill_press_plain.QUERNACUR` | press, plain layout, kN (exponent 2) |
| `quill_press_partid.quernacur` | press, "PART ID" layout, N (exponent 0) |
| `nutrunner_export.csv` | nutrunner, no "DATA ID" line |
| `nutrunner_export_dataid.CSV` | nutrunner, "DATA ID" line, 1024 samples |
| `press_export_newton.csv` | press, peak "1500N", X "12.5MM" |
| `press_export_kilonewton.CSV` | press, "Data Id" line, peak in KN, X unit "mm" |
| `press_export_inch_unit.csv` | X unit "INCH": not listed |

## Result tables
- `line3_results_202611.TSV`: junk lines, heading line, 30 result lines of a
  3-spindle nutrunner station (its curves are not included).
- `console/`: a console archive. `console/RESULT/202611/*.tsv` are result
  tables whose date and time lead to the curve files in
  `console/CURVE/202611/20261105/ST01` (`.nracd`), `ST02` (`.nrcur`) and
  `ST03` (`.spacd`). Open `console/RESULT/202611` and click result lines.
  Lines without a curve on purpose: ST01 SEQ 12, ST02 WORK 8, ST03 SEQ 24;
  ST02 WORK 10 has a file with an upper-case extension, which the exact name
  match does not find.
- `paging/line5_results_2500.TSV`: 2500 result lines, three pages.

## The live console
`live/` is a console installation beside the program: `TAVRIN UserConsole.exe`
(a fake executable with a version record), the console's result folder
`live/RESULT` with its current table `today.tsv`, its curve folder `live/WAVE`
(live naming, `ST02`), and its settings files under
`live/appdata/TAVRIN_1.030/live/`, the folder start-up computes from the
application-data folder. The settings hold absolute paths and are written for
the folder the samples were generated in (they are not kept in git). `make live`
regenerates them and starts the viewer linked to this console; tick REFRESH
and run `python3 tools/live_feed.py` to see new results arrive.
"""


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=DEFAULT_OUT)
    ap.add_argument("--quiet", action="store_true")
    args = ap.parse_args()

    out = os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)

    # Remove what an earlier run wrote; leave everything else alone.
    w = Writer(out)
    for tree in ("console", "paging", "live"):
        if os.path.isdir(os.path.join(out, tree)):
            shutil.rmtree(os.path.join(out, tree))
    for name in TOP_LEVEL_NAMES:
        p = os.path.join(out, name)
        if os.path.isfile(p):
            os.remove(p)

    gen_keyed(w)
    gen_bin(w)
    gen_comma(w)
    gen_tables(w)
    w.write("README.md", README.encode("ascii"), epoch(2026, 11, 6, 12, 0, 0))
    w.finish_dirs(epoch(2026, 11, 6, 12, 0, 0))

    top = sorted(r for r, _ in w.files if os.sep not in r)
    missing = sorted(set(top) - set(TOP_LEVEL_NAMES))
    if missing:
        sys.exit("gen_samples: add to TOP_LEVEL_NAMES: %s" % missing)

    if not args.quiet:
        for rel, desc in w.expected:
            print("%-62s %s" % (rel, desc))
        for date, tt, ident, num, fam, rel in w.links:
            print("result %s %s id=%-9r no=%-3d -> %s" % (date, tt, ident, num,
                                                         rel))
        total = sum(os.path.getsize(os.path.join(out, r)) for r, _ in w.files)
        print("%d files, %d bytes" % (len(w.files), total))


TOP_LEVEL_NAMES = [
    "README.md",
    "M8_bolt_spindle1.nrcur", "M6_cover_screw_spindle3.NRCUR",
    "cylinder_head_bolt_kgcm.ncur", "press_fit_bearing.spcur",
    "snap_fit_clip.SPCUR", "engine_head_4spindle.nracd",
    "wheel_hub_6spindle.NRACD", "gearbox_cover_time_2spindle.nracd",
    "door_hinge_press_3head.spacd", "valve_seat_press_2head.SPACD",
    "nr_M5_90pts.BIN", "nr_M10_180pts.bin", "nr_M12_360pts.BIN",
    "nr_M12_360pts_b.bin", "nr_no_peak_value.BIN", "press_90pts.BIN",
    "press_180pts.bin", "press_360pts.BIN", "truncated_295_bytes.BIN",
    "legacy_M8_bolt.CUR", "legacy_wheel_nut.cur",
    "quill_press_plain.QUERNACUR", "quill_press_partid.quernacur",
    "nutrunner_export.csv", "nutrunner_export_dataid.CSV",
    "press_export_newton.csv", "press_export_kilonewton.CSV",
    "press_export_inch_unit.csv", "line3_results_202611.TSV",
]


if __name__ == "__main__":
    main()
