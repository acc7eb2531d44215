#!/usr/bin/env python3
"""Runs daubix_bench once and prints each operation against memcpy and its target.

usage: bench/report.py [path/to/daubix_bench] [benchmark options...]

Shares are bandwidth shares: the bytes an operation must touch per second, over memcpy's in
the same run. Ratios compare wall-clock times. Other programs compiling on the machine slow
every figure; the shares and ratios suffer least, since memcpy is measured alongside.
Targets in milliseconds were set on a quiet machine where memcpy of a slot takes
QUIET_MEMCPY_MS; a time that misses one is also given scaled to that memcpy, an estimate that
holds for work bound by memory as memcpy is.
"""
import json
import os
import subprocess
import sys

DEFAULT_PROGRAM = os.path.join(os.path.dirname(__file__), "..", "build", "bench", "daubix_bench")

# name -> (what it is, kind of target, bound): "share" at least that share of memcpy's
# bandwidth, "memcpy" at most that many memcpy times, "ms" at most that many milliseconds.
TARGETS = {
    "BM_Composite": ("Composite of 14 layers", "share", 0.5),
    "BM_CopySlotMasked/0": ("CopySlotMasked, mask off", None, None),
    "BM_CopySlotMasked/1": ("CopySlotMasked, half mask", "share", 0.5),
    "BM_CopySlotMasked/2": ("CopySlotMasked, scattered mask", "share", 0.5),
    "BM_MirrorSlot/0": ("MirrorSlot left-right", "share", 0.5),
    "BM_MirrorSlot/1": ("MirrorSlot top-bottom", "share", 0.5),
    "BM_FillSlot": ("FillSlot", None, None),
    "BM_FloodFill/0": ("flood fill, one colour", None, None),
    "BM_FloodFill/1": ("flood fill, scattered walls", None, None),
    "BM_BlurCommand/1": ("blur command, strength 1", "memcpy", 10.0),
    "BM_BlurCommand/40": ("blur command, strength 40", "memcpy", 10.0),
    "BM_SprayPress/0": ("spray press, blur", "ms", 1.0),
    "BM_SprayPress/1": ("spray press, blend", "ms", 1.0),
    "BM_SprayEvent/0": ("spray drag event, blur", None, None),
    "BM_SprayEvent/1": ("spray drag event, blend", None, None),
    "BM_SprayEvent/2": ("spray drag event, noise", None, None),
    "BM_BrushEvent": ("brush drag event", None, None),
    "BM_PenDragEvent": ("pen drag event + view", None, None),
    "BM_EraserPressUpperLayer": ("eraser press, upper layer", None, None),
    "BM_PlainFileWrite": ("plain file write", None, None),
    "BM_PlainFileRead": ("plain file read", None, None),
    "BM_BmpWrite": ("BMP write", None, None),
    "BM_BmpRead": ("BMP read", None, None),
    "BM_PngSave": ("PNG save, headless codec", None, None),
    "BM_PngOpen": ("PNG open, headless codec", None, None),
}
QUIET_MEMCPY_MS = 3.1
ZOOMS = ["0.1", "0.25", "0.5", "1", "2", "4", "6", "8"]
for i, zoom in enumerate(ZOOMS):
    TARGETS[f"BM_ViewImage/{i}"] = (f"view image 1920x1080, zoom {zoom}", "ms", 5.0)


def run(program, options):
    out = subprocess.run([program, "--benchmark_format=json", *options], check=True,
                         stdout=subprocess.PIPE, text=True).stdout
    return json.loads(out)


def milliseconds(entry):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry["time_unit"]]
    return entry["real_time"] * scale


def results(data):
    """The figure of each benchmark; with --benchmark_repetitions, the median."""
    found = {}
    entries = data["benchmarks"]
    medians = [e for e in entries if e.get("aggregate_name") == "median"]
    for entry in medians or entries:
        name = entry["run_name"].removesuffix("/real_time")
        if entry.get("error_occurred"):
            found[name] = None
        else:
            found[name] = entry
    return found


def judge(kind, bound, value, scaled=None):
    if kind is None or value is None:
        return "", ""
    if kind == "share":
        return f">= {bound:.0%}", "yes" if value >= bound else "NO"
    if kind == "memcpy":
        return f"<= {bound:g}x memcpy", "yes" if value <= bound else "NO"
    if value <= bound:
        return f"<= {bound:g} ms", "yes"
    return f"<= {bound:g} ms", f"NO; scaled {scaled:.2f} ms"


def rows(found):
    memcpy = found.get("BM_MemcpySlot")
    if not memcpy:
        sys.exit("no memcpy baseline in the run")
    base_ms, base_bw = milliseconds(memcpy), memcpy["bytes_per_second"]
    yield "memcpy of one slot", milliseconds(memcpy), "100 %", "", ""
    for name, (what, kind, bound) in TARGETS.items():
        entry = found.get(name)
        if entry is None:
            yield what, None, "failed" if name in found else "not run", "", ""
            continue
        ms = milliseconds(entry)
        ratio = ms / base_ms
        share = entry.get("bytes_per_second", 0) / base_bw if "bytes_per_second" in entry else None
        shown = f"{share:.0%}" if share is not None else f"{ratio:.2f}x"
        value = {"share": share, "memcpy": ratio, "ms": ms}.get(kind)
        yield (what, ms, shown, *judge(kind, bound, value, ratio * QUIET_MEMCPY_MS))
    write, read = found.get("BM_BmpWrite"), found.get("BM_BmpRead")
    plain_w, plain_r = found.get("BM_PlainFileWrite"), found.get("BM_PlainFileRead")
    if write and read and plain_w and plain_r:
        bmp = milliseconds(write) + milliseconds(read)
        plain = milliseconds(plain_w) + milliseconds(plain_r)
        ratio = bmp / plain
        yield ("BMP write + read", bmp, f"{ratio:.2f}x plain", "<= 2x plain",
               "yes" if ratio <= 2.0 else "NO")


def main():
    args = sys.argv[1:]
    program = args.pop(0) if args and not args[0].startswith("-") else DEFAULT_PROGRAM
    data = run(program, args)
    load = data.get("context", {}).get("load_avg", [])
    print(f"load average at start: {', '.join(f'{x:.2f}' for x in load)}; "
          f"scaled times assume a memcpy of {QUIET_MEMCPY_MS} ms")
    print(f"{'operation':<36} {'time ms':>9} {'vs memcpy':>12}  {'target':<16} pass")
    for what, ms, shown, target, passed in rows(results(data)):
        time = f"{ms:9.3f}" if ms is not None else f"{'-':>9}"
        print(f"{what:<36} {time} {shown:>12}  {target:<16} {passed}")


if __name__ == "__main__":
    main()
