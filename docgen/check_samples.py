#!/usr/bin/python3
"""Builds the .docx of every samples/*.txt with pavodin_docgen and the shipped
initial-formatting file, reads it back with python-docx (docx_dump.py) and
compares with samples/expected/NAME.jsonl.
The reader is tests/docx_paragraphs.py.

usage: check_samples.py PAVODIN_DOCGEN SOURCE_DIR
Exit 77 (skipped) when python-docx is not available.
"""
import os
import subprocess
import sys
import tempfile


def find_dump(source_dir):
    reader = os.path.join(source_dir, "tests", "docx_paragraphs.py")
    return reader if os.path.isfile(reader) else None


def main(docgen, source_dir):
    dump = find_dump(source_dir)
    if dump is None:
        print("tests/docx_paragraphs.py not found: skipped")
        return 77
    try:
        import docx  # noqa: F401
    except ImportError:
        print("python-docx not installed: skipped")
        return 77
    samples = os.path.join(source_dir, "samples")
    formatting = os.path.join(source_dir, "data", "fenditra.ini")
    failures = 0
    with tempfile.TemporaryDirectory() as out:
        for name in sorted(os.listdir(samples)):
            if not name.endswith(".txt"):
                continue
            stem = name[:-4]
            subprocess.run([docgen, "-f", formatting, "-o", os.path.join(out, stem),
                            os.path.join(samples, name)], check=True, stdout=subprocess.DEVNULL)
            got = subprocess.run([sys.executable, dump, os.path.join(out, stem + ".docx")],
                                 check=True, capture_output=True, text=True).stdout
            with open(os.path.join(samples, "expected", stem + ".jsonl"), encoding="utf-8") as f:
                want = f.read()
            if got != want:
                failures += 1
                print("MISMATCH " + name)
                for g, w in zip(got.splitlines(), want.splitlines()):
                    if g != w:
                        print("  got:  " + g + "\n  want: " + w)
                        break
                else:
                    print("  different number of paragraphs")
            else:
                print("ok " + name)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
