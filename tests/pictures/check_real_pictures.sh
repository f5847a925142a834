#!/usr/bin/env bash
# Compares the picture sizes quorvant-cli writes with ImageMagick's identify
# on the real pictures of Debian packages (wallpapers, artwork, test data of
# picture libraries, game art). Not run by CI: it downloads about 380 MB and
# takes some minutes. Runs quorvant-cli twice, JFIF only and with --modern-pictures.
#
#   tests/pictures/check_real_pictures.sh [--record] [PACKAGE...]
#
# --record writes the summary into tests/README.md. The .deb files, the
# unpacked trees and identify's answers stay in $QUORVANT_PICTURES_CACHE
# (default /tmp/quorvant-pictures) and are reused by the next run.
# quorvant-cli is $QUORVANT_CLI, else the first of build-pics/, build/.
# Exit status 0 when every size agrees; 1 on a disagreement, a run of
# quorvant-cli that failed or hung, or a missing size with no known cause.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)

record=""
if [ "${1:-}" = "--record" ]; then
  record=$repo/tests/README.md
  shift
fi
packages=("$@")
if [ ${#packages[@]} -eq 0 ]; then
  packages=(
    desktop-base gnome-backgrounds mate-backgrounds plasma-workspace-wallpapers
    debian-edu-artwork-emerald ukui-wallpapers sway-backgrounds
    lomiri-wallpapers-16.04 lomiri-wallpapers-20.04 eterm scribus-template
    neverball-data pingus-data extremetuxracer-data marble-data
    python-matplotlib-data lazarus-src-2.2 libpython3.11-testsuite
    golang-1.19-src golang-golang-x-image-dev golang-github-bep-gowebp-dev
    golang-github-rwcarlsen-goexif-dev golang-github-disintegration-imaging-dev
  )
fi

cli=${QUORVANT_CLI:-}
if [ -z "$cli" ]; then
  for b in build-pics build; do
    if [ -x "$repo/$b/bin/quorvant-cli" ]; then
      cli=$repo/$b/bin/quorvant-cli
      break
    fi
  done
fi
if [ -z "$cli" ] || [ ! -x "$cli" ]; then
  echo "quorvant-cli not found: build it first, e.g." >&2
  echo "  cmake -S . -B build-pics -G Ninja -DQUORVANT_WINDOWS=OFF && cmake --build build-pics --parallel 2 --target quorvant-cli" >&2
  exit 2
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
updated=""
apt_update() {
  [ -n "$updated" ] && return
  $sudo apt-get update -qq >&2
  updated=1
}

# Some machines carry a stand-in for convert; identify must be the real one.
if ! identify -version 2>/dev/null | grep -q ImageMagick; then
  echo "Installing imagemagick..." >&2
  apt_update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends imagemagick >&2
fi

cache=${QUORVANT_PICTURES_CACHE:-/tmp/quorvant-pictures}
mkdir -p "$cache/debs" "$cache/tree"
for pkg in "${packages[@]}"; do
  debs=("$cache/debs/${pkg}_"*.deb)
  if [ ! -f "${debs[0]}" ]; then
    echo "Downloading $pkg..." >&2
    # apt-get download writes into the working directory.
    if ! (cd "$cache/debs" && apt-get download -qq "$pkg" >&2 2>/dev/null); then
      apt_update
      (cd "$cache/debs" && apt-get download -qq "$pkg" >&2)
    fi
    debs=("$cache/debs/${pkg}_"*.deb)
  fi
  if [ ! -d "$cache/tree/$pkg" ]; then
    rm -rf "$cache/tree/$pkg.part"
    dpkg-deb -x "${debs[0]}" "$cache/tree/$pkg.part"
    mv "$cache/tree/$pkg.part" "$cache/tree/$pkg"
  fi
  echo "$pkg $(dpkg-deb -f "${debs[0]}" Version)" >"$cache/tree/$pkg.version"
done

python=$(command -v python3)
exec "$python" - "$cli" "$cache" "$record" "${packages[@]}" <<'PYTHON'
import datetime, json, os, re, subprocess, sys, tempfile, urllib.parse

cli, cache, record, packages = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
tree = os.path.join(cache, "tree")

KINDS = {"jpg": "JPEG", "jpeg": "JPEG", "png": "PNG", "webp": "WebP", "bmp": "BMP", "gif": "GIF"}
ORDER = ["JPEG", "PNG", "WebP", "BMP", "GIF"]
MODERN_ONLY = {"PNG", "WebP", "BMP"}
FILTER = "*.jpg;*.jpeg;*.png;*.webp;*.bmp;*.gif"  # the listing ignores case


def kind_of(name):
    ext = name.rsplit(".", 1)[-1] if "." in name else ""
    return KINDS.get(ext.lower())


def exact_case(name):
    ext = name.rsplit(".", 1)[-1]
    return ext == ext.lower() or ext == ext.upper()


def show(path):
    # Relative to the tree; bytes that are not UTF-8 and control characters escaped.
    text = os.fsencode(os.path.relpath(path, tree)).decode("utf-8", "backslashreplace")
    return "".join(c if c.isprintable() or c == " " else repr(c)[1:-1] for c in text)


# --- the pictures, by directory -------------------------------------------
dirs = {}
for pkg in packages:
    for root, _, files in os.walk(os.path.join(tree, pkg)):
        for f in files:
            p = os.path.join(root, f)
            if kind_of(f) and os.path.isfile(p) and not os.path.islink(p):
                dirs.setdefault(root, []).append(f)
pictures = sorted(os.path.join(d, f) for d, fs in dirs.items() for f in fs)
print(f"{len(pictures)} pictures in {len(dirs)} directories of {len(packages)} packages", file=sys.stderr)

# --- identify's answers, kept between runs ----------------------------------
cache_file = os.path.join(cache, "identify-v2.json")
try:
    with open(cache_file) as fh:
        known = json.load(fh)
except (OSError, ValueError):
    known = {}
ident = {}
for n, p in enumerate(pictures):
    st = os.stat(p)
    key = f"{p}\t{st.st_size}\t{st.st_mtime_ns}"
    if key not in known:
        if n % 100 == 0:
            print(f"identify: {n}/{len(pictures)}", file=sys.stderr)
        try:
            r = subprocess.run(["identify", "-format", "%w %h %W %H %m\n", p + "[0]"],
                               capture_output=True, timeout=300)
            lines = r.stdout.decode("latin-1").split("\n")
            m = re.fullmatch(r"(\d+) (\d+) (\d+) (\d+) (\S+)", lines[0].strip())
            # A file with no picture data still gets "0 0" with an error.
            if m and (r.returncode == 0 or m[1] != "0"):
                known[key] = [int(m[1]), int(m[2]), int(m[3]), int(m[4]), m[5]]
            else:
                errs = r.stderr.decode("utf-8", "replace").strip().split("\n")
                err = next((e for e in errs if "error/" in e), errs[0])
                err = re.sub(r" `.*' @ .*", "", err.replace("identify-im6.q16: ", "").replace("identify: ", ""))
                known[key] = ["error", err[:160] or f"no answer, exit {r.returncode}"]
        except subprocess.TimeoutExpired:
            known[key] = ["error", "identify timed out"]
    ident[p] = known[key]
with open(cache_file, "w") as fh:
    json.dump(known, fh)


# --- quorvant-cli, one directory at a time ----------------------------------
ENTRY = re.compile(rb'<A HREF="([^"]*)">.*?</A>(?:, (\S+) (\d+)x(\d+))?<BR><BR>', re.S)
faults = []


def run_cli(modern):
    got = {}  # path -> (format, w, h) or None
    listed = set()
    with tempfile.TemporaryDirectory(prefix="quorvant-pictures.") as work:
        settings = os.path.join(work, "settings.ini")
        open(settings, "w").close()
        for d in sorted(dirs):
            args = [cli, "--settings", settings, "--mode", "link", "--picture-size", "--overwrite",
                    "--absolute", "--filter", FILTER, "--name", "page"]
            if modern:
                args.append("--modern-pictures")
            try:
                r = subprocess.run(args + ["--", d], cwd=work, capture_output=True, timeout=120)
            except subprocess.TimeoutExpired:
                faults.append(f"quorvant-cli hung (120 s) on {show(d)}")
                continue
            if r.returncode != 0:
                faults.append(f"quorvant-cli exit {r.returncode} on {show(d)}: "
                              + r.stderr.decode("utf-8", "replace").strip()[:300])
                continue
            with open(os.path.join(work, "page.html"), "rb") as fh:
                page = fh.read()
            for m in ENTRY.finditer(page):
                # An absolute link: the directory's file URL, then the name.
                target = urllib.parse.unquote_to_bytes(m[1]).decode("utf-8", "surrogateescape")
                path = os.path.join(d, target.rsplit("/", 1)[1])
                listed.add(path)
                got[path] = (m[2].decode(), int(m[3]), int(m[4])) if m[2] else None
    return got, listed


# --- why a file got no size -------------------------------------------------
def jpeg_walk(data):
    """Segments up to the first start of scan: [(code, payload)], reached SOS."""
    segs, i = [], 2
    while True:
        j = data.find(b"\xff", i)
        if j < 0 or j + 1 >= len(data):
            return segs, False
        i = j + 1
        while i < len(data) and data[i] == 0xFF:
            i += 1
        if i >= len(data):
            return segs, False
        code = data[i]
        i += 1
        if code == 0x00 or code == 0x01 or 0xD0 <= code <= 0xD9:
            continue
        if code == 0xDA:
            return segs, True
        if i + 2 > len(data):
            return segs, False
        length = data[i] * 256 + data[i + 1]
        segs.append((code, data[i + 2:i + length]))
        if length < 2 or i + length > len(data):
            return segs, False
        i += length


def jpeg_layout(data):
    if len(data) >= 10 and data[6:10] == b"JFIF":
        return "JFIF"
    segs, _ = jpeg_walk(data)
    for code, payload in segs:
        if code == 0xE1 and payload.startswith(b"Exif"):
            return "Exif"
        if code == 0xE1 and payload.startswith(b"http://ns.adobe.com/xap"):
            return "XMP"
        if code == 0xEE and payload.startswith(b"Adobe"):
            return "Adobe"
        if code == 0xE0 and payload.startswith(b"JFXX"):
            return "JFXX"
    first = segs[0][0] if segs else None
    return f"no APP0/APP1 layout, first segment 0x{first:02X}" if first is not None else "no segment"


def no_size_reason(path, kind, modern, idf):
    name = os.path.basename(path)
    if not exact_case(name):
        return "extension case: " + name.rsplit(".", 1)[1]
    if kind in MODERN_ONLY and not modern:
        return "not probed without --modern-pictures"
    try:
        with open(path, "rb") as fh:
            data = fh.read()
    except OSError as e:
        return f"unreadable: {e.strerror}"
    if not data:
        return "empty file"
    content = idf[4] if idf[0] != "error" else "unreadable by identify"
    if kind == "JPEG":
        if data[:2] != b"\xff\xd8":
            return f"not a JPEG (content {content})"
        if not modern and data[6:10] != b"JFIF":
            return "not JFIF: " + jpeg_layout(data)
        segs, reached = jpeg_walk(data)
        if not reached:
            return "ends before the start of scan" + (f" (identify: {idf[1]})" if idf[0] == "error" else "")
        frames = [c for c, _ in segs if 0xC0 <= c <= 0xCF and c not in (0xC4, 0xC8, 0xCC)]
        if not frames:
            return "no frame before the scan"
        if not any(c in (0xC0, 0xC1, 0xC2) for c in frames):
            return f"frame type 0x{frames[-1]:02X} (lossless or arithmetic)"
    elif kind == "PNG":
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            return f"not a PNG (content {content})"
        if data[12:16] != b"IHDR":
            return "no IHDR first"
    elif kind == "WebP":
        if data[:4] != b"RIFF" or data[8:12] != b"WEBP":
            return f"not a WebP (content {content})"
        if data[12:16] not in (b"VP8 ", b"VP8L", b"VP8X"):
            return f"first chunk {data[12:16]!r}"
    elif kind == "BMP":
        if data[:2] != b"BM":
            return f"not a BMP (content {content})"
        hs = int.from_bytes(data[14:18], "little")
        if hs < 40:
            return f"header of {hs} bytes (OS/2)"
    elif kind == "GIF":
        if data[:6] not in (b"GIF87a", b"GIF89a"):
            return f"not a GIF (content {content}, starts {data[:6]!r})"
    if len(data) < {"GIF": 10, "JPEG": 10, "PNG": 24, "WebP": 30, "BMP": 26}[kind]:
        return f"too short for its header ({len(data)} bytes)"
    return "UNEXPLAINED"


def jpeg_traits(path):
    """Thumbnails and 0xFF 0xDA bytes in the segments before the scan."""
    try:
        with open(path, "rb") as fh:
            data = fh.read()
    except OSError:
        return set()
    if data[:2] != b"\xff\xd8":
        return set()
    segs, _ = jpeg_walk(data)
    traits = set()
    for code, payload in segs:
        if 0xE0 <= code <= 0xEF and b"\xff\xd8\xff" in payload:
            traits.add("an embedded thumbnail")
        elif b"\xff\xda" in payload:
            traits.add("0xFF 0xDA but no thumbnail")
    return traits


# --- compare ------------------------------------------------------------
def check(modern):
    got, listed = run_cli(modern)
    stats = {}
    for p in pictures:
        kind = kind_of(os.path.basename(p))
        s = stats.setdefault(kind, {"files": 0, "sized": 0, "agree": [], "disagree": [],
                                    "nosize": [], "unchecked": []})
        s["files"] += 1
        idf = ident[p]
        if p not in listed:
            name = os.path.basename(p)
            why = "hidden name, not listed" if name.startswith(".") else "not listed"
            try:
                name.encode("utf-8")
            except UnicodeEncodeError:
                why = "name not UTF-8, not listed"
            s["nosize"].append((p, why))
            continue
        ours = got[p]
        if ours is None:
            s["nosize"].append((p, no_size_reason(p, kind, modern, idf)))
            continue
        s["sized"] += 1
        if idf[0] == "error":
            s["unchecked"].append((p, ours, idf[1]))
            continue
        # A GIF's size is its logical screen, which identify gives as the canvas.
        want = (idf[2], idf[3]) if kind == "GIF" else (idf[0], idf[1])
        if (ours[1], ours[2]) == want:
            s["agree"].append(p)
        else:
            s["disagree"].append((p, ours, want, idf[4]))
    return stats


runs = [("JFIF only", check(False)), ("--modern-pictures", check(True))]
versions = []
for pkg in packages:
    with open(os.path.join(tree, pkg + ".version")) as fh:
        versions.append(fh.read().strip())

out = []
bad = bool(faults)
for title, stats in runs:
    out.append(f"## quorvant-cli, {title}")
    for kind in ORDER:
        s = stats.get(kind)
        if not s:
            continue
        out.append(f"{kind}: {s['files']} files, {s['sized']} sizes reported, {len(s['agree'])} agreeing, "
                   f"{len(s['disagree'])} disagreeing, {len(s['nosize'])} no size"
                   + (f", {len(s['unchecked'])} unreadable by identify" if s["unchecked"] else ""))
        for p, ours, want, fmt in s["disagree"]:
            bad = True
            out.append(f"  DISAGREES {show(p)}: ours {ours[0]} {ours[1]}x{ours[2]}, identify {fmt} {want[0]}x{want[1]}")
        for p, ours, err in s["unchecked"]:
            out.append(f"  unchecked {show(p)}: ours {ours[0]} {ours[1]}x{ours[2]}, identify: {err}")
        reasons = {}
        for p, why in s["nosize"]:
            reasons.setdefault(why, []).append(p)
        for why in sorted(reasons, key=lambda w: (-len(reasons[w]), w)):
            out.append(f"  no size, {why}: {len(reasons[why])}")
            if why == "UNEXPLAINED":
                bad = True
            if why != "not probed without --modern-pictures":
                for p in reasons[why]:
                    out.append(f"    {show(p)}")
    out.append("")

# What fooled the earlier probe: thumbnails and marker bytes inside segments.
jpegs = [p for p in pictures if kind_of(os.path.basename(p)) == "JPEG"]
modern = runs[1][1].get("JPEG", {"agree": [], "nosize": []})
agreeing = set(modern["agree"])
missing = dict(modern["nosize"])
traits = {"an embedded thumbnail": [], "0xFF 0xDA but no thumbnail": []}
for p in jpegs:
    for t in jpeg_traits(p):
        traits.setdefault(t, []).append(p)
out.append("## JPEG files that could mislead a probe (--modern-pictures)")


def trait_line(t, ps):
    why = {}
    for p in ps:
        if p in missing:
            w = missing[p].split(" (identify: ")[0]
            why[w] = why.get(w, 0) + 1
    return (f"{t} inside a segment before the scan: {len(ps)} files, {sum(p in agreeing for p in ps)} agreeing"
            + "".join(f", {n} no size ({w})" for w, n in sorted(why.items(), key=lambda x: -x[1])))


for t in traits:
    out.append(trait_line(t, traits[t]))
out.append("")
if faults:
    out.append("## quorvant-cli failures")
    out.extend("  " + f for f in faults)
    out.append("")
out.append("Packages: " + ", ".join(versions))
out.append("RESULT: " + ("FAILED" if bad else "passed"))
print("\n".join(out))

if record:
    when = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    im = subprocess.run(["identify", "-version"], capture_output=True, text=True).stdout.split("\n")[0]
    im = im.replace("Version: ", "").split(" https")[0]
    lines = [f"Last run {when} against {im}: {'FAILED' if bad else 'passed'}.",
             "Packages: " + ", ".join(versions) + ".", ""]
    for title, stats in runs:
        lines.append(f"{title}:")
        lines.append("")
        lines.append("| format | files | sizes | agreeing | disagreeing | identify failed | no size: reasons |")
        lines.append("|---|---|---|---|---|---|---|")
        for kind in ORDER:
            s = stats.get(kind)
            if not s:
                continue
            reasons = {}
            for p, why in s["nosize"]:
                reasons[why] = reasons.get(why, 0) + 1
            rs = "; ".join(f"{n} {w}" for w, n in sorted(reasons.items(), key=lambda x: (-x[1], x[0]))) or "0"
            lines.append(f"| {kind} | {s['files']} | {s['sized']} | {len(s['agree'])} | {len(s['disagree'])} "
                         f"| {len(s['unchecked'])} | {rs} |")
        lines.append("")
    lines.append("With --modern-pictures, JPEG files with")
    lines.append("")
    for t in traits:
        lines.append(f"- {trait_line(t, traits[t])}")
    with open(record) as fh:
        readme = fh.read()
    start, end = "<!-- real-pictures:start -->", "<!-- real-pictures:end -->"
    if start in readme and end in readme:
        head, rest = readme.split(start, 1)
        readme = head + start + "\n" + "\n".join(lines).rstrip() + "\n" + end + rest.split(end, 1)[1]
        with open(record, "w") as fh:
            fh.write(readme)
    else:
        print(f"{record} has no {start} block: nothing recorded", file=sys.stderr)

sys.exit(1 if bad else 0)
PYTHON
