#!/usr/bin/env python3
"""Grapheme-to-phoneme agreement of the br4 rules with espeak-ng.

Compares, over words of Debian's Brazilian word list (package wbrazilian), the
phoneme sequence our front end gives each word (the TranscribeTokens list of
pavodin-pho) with the br4 phoneme lines espeak-ng writes with its mb-br4 voice,
and prints the share of words that agree and the phoneme error rate.

espeak-ng only writes mb-br4 lines when it finds the database and the mbrola
program; neither is needed for the phonemes, so this script gives it a copy of
its data folder with a dummy mbrola/br4 and a stand-in "mbrola" that answers
with an empty WAV header.

usage: g2p_agreement.py PAVODIN_PHO DATA_DIR [--words N] [--show K] [--min PERCENT]

Exits with 1 when fewer than --min per cent of the words agree, and with 77
(a skipped test for ctest) when the word list or espeak-ng is missing.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

WORD_LIST = "/usr/share/dict/brazilian"
ESPEAK_DATA_DIRS = ["/usr/lib/x86_64-linux-gnu/espeak-ng-data", "/usr/share/espeak-ng-data"]
CONSONANTS = set("p b t d k g f v s z x j m m2 n nh l lh r r2 rr h s2".split())

FAKE_MBROLA = """#!/bin/sh
printf 'RIFF\\044\\000\\000\\000WAVEfmt \\020\\000\\000\\000\\001\\000\\001\\000\\200\\076\\000\\000\\000\\175\\000\\000\\002\\000\\020\\000data\\000\\000\\000\\000'
cat > /dev/null
"""


def sample_words(count):
    words = []
    with open(WORD_LIST, encoding="utf-8") as f:
        for line in f:
            w = line.strip()
            if w and w.isalpha() and w.islower() and len(w) > 1:
                words.append(w)
    step = max(1, len(words) // count)
    return words[::step][:count]


def espeak_env(tmp):
    src = next((d for d in ESPEAK_DATA_DIRS if os.path.isdir(d)), None)
    if src is None:
        sys.exit("espeak-ng data not found")
    data = os.path.join(tmp, "espeak-ng-data")
    shutil.copytree(src, data)
    os.makedirs(os.path.join(data, "mbrola"), exist_ok=True)
    with open(os.path.join(data, "mbrola", "br4"), "w") as f:
        f.write("stand-in\n")
    bindir = os.path.join(tmp, "bin")
    os.makedirs(bindir)
    fake = os.path.join(bindir, "mbrola")
    with open(fake, "w") as f:
        f.write(FAKE_MBROLA)
    os.chmod(fake, 0o755)
    env = dict(os.environ)
    env["ESPEAK_DATA_PATH"] = tmp
    env["PATH"] = bindir + os.pathsep + env["PATH"]
    return env


def espeak_phonemes(word, env):
    out = subprocess.run(["espeak-ng", "-v", "mb-br4", "-q", "--pho", word], env=env,
                         capture_output=True, text=True, timeout=30).stdout
    seq = []
    for line in out.splitlines():
        fields = line.split()
        if fields and fields[0] != "_" and not fields[0].startswith(";"):
            seq.append(fields[0])
    return seq


def our_phonemes(words, pho, data_dir):
    out = subprocess.run([pho, "-s", "-d", data_dir], input="\n".join(words) + "\n",
                         capture_output=True, text=True, check=True).stdout
    result, current, inside = [], [], False
    for line in out.splitlines():
        if line == "; == TranscribeTokens":
            inside, current = True, []
        elif line == "; == BuildPhoLines":
            inside = False
            result.append(current)
        elif inside:
            p = line[3:] if line.startswith(";  ") else ""
            p = p.lstrip(">").lstrip("\u00a8")
            if p and not p.startswith(";") and not p.startswith("_"):
                current.append(p)
    return result


def agree(ours, theirs):
    """Both sequences with the br4 allowance applied to espeak's r and z."""
    fixed = []
    for i, p in enumerate(theirs):
        nxt = theirs[i + 1] if i + 1 < len(theirs) else None
        before_consonant = nxt is None or nxt in CONSONANTS
        if before_consonant and p == "r" and i < len(ours) and ours[i] == "r2":
            p = "r2"
        if before_consonant and p in ("z", "s") and i < len(ours) and ours[i] == "s2":
            p = "s2"
        fixed.append(p)
    return fixed


def distance(a, b):
    prev = list(range(len(b) + 1))
    for i, x in enumerate(a, 1):
        cur = [i]
        for j, y in enumerate(b, 1):
            cur.append(min(prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (x != y)))
        prev = cur
    return prev[-1]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("pho")
    ap.add_argument("data_dir")
    ap.add_argument("--words", type=int, default=2000)
    ap.add_argument("--show", type=int, default=0, help="print K disagreeing words")
    ap.add_argument("--min", type=float, default=0.0, help="fail below this share of words")
    args = ap.parse_args()
    if not os.path.exists(WORD_LIST) or shutil.which("espeak-ng") is None:
        print("skipped: %s (package wbrazilian) or espeak-ng is missing" % WORD_LIST)
        sys.exit(77)
    words = sample_words(args.words)
    ours = our_phonemes(words, args.pho, args.data_dir)
    if len(ours) != len(words):
        sys.exit("pavodin-pho gave %d results for %d words" % (len(ours), len(words)))
    with tempfile.TemporaryDirectory() as tmp:
        env = espeak_env(tmp)
        theirs = [espeak_phonemes(w, env) for w in words]
    same, errors, total, shown = 0, 0, 0, 0
    for w, o, t in zip(words, ours, theirs):
        t = agree(o, t)
        d = distance(o, t)
        errors += d
        total += len(t)
        if d == 0:
            same += 1
        elif shown < args.show:
            shown += 1
            print("%-20s ours %-30s espeak %s" % (w, " ".join(o), " ".join(t)))
    print("words: %d  agreeing: %d (%.1f %%)  phoneme error rate: %.1f %%" %
          (len(words), same, 100.0 * same / len(words), 100.0 * errors / max(1, total)))
    if 100.0 * same / len(words) < args.min:
        sys.exit(1)


if __name__ == "__main__":
    main()
