#!/usr/bin/python3
"""The real program generating documents, keys typed on standard input.

usage: generate_session_test.py PAVODIN SOURCE_DIR

For every samples/NAME.txt: "G" makes NAME.docx, whose paragraphs (read back
with python-docx) are samples/expected/NAME.jsonl. Then the overwrite
question: N leaves an existing document untouched, S replaces it; a missing
input file is reported. Exit 77 (skipped) without python-docx.
"""
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile


def run(pavodin, text_file, keys, env):
    done = subprocess.run([pavodin, text_file], input=keys, capture_output=True, env=env,
                          cwd=os.path.dirname(text_file) or ".", timeout=120)
    return done.returncode, done.stdout.decode("utf-8")


def paragraphs(reader, docx_path):
    return subprocess.run([sys.executable, reader, docx_path], check=True,
                          capture_output=True, text=True).stdout


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def main(pavodin, source_dir):
    try:
        import docx  # noqa: F401
    except ImportError:
        print("python-docx not installed: skipped")
        return 77
    reader = os.path.join(source_dir, "tests", "docx_paragraphs.py")
    samples = os.path.join(source_dir, "samples")
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    with tempfile.TemporaryDirectory() as work:
        env = dict(os.environ, PAVODIN_CONFIG_DIR=os.path.join(work, "config"),
                   PAVODIN_DATA_DIR=os.path.join(source_dir, "data"), SDL_AUDIODRIVER="dummy", PAVODIN_DISPLAY="text")
        for name in sorted(os.listdir(samples)):
            if not name.endswith(".txt"):
                continue
            stem = name[:-4]
            text_file = os.path.join(work, name)
            shutil.copy(os.path.join(samples, name), text_file)
            before = digest(text_file)
            code, screen = run(pavodin, text_file, b"G", env)
            check(code == 0, f"{name}: exit code {code}")
            check("Exportando arquivo para DOC, aguarde..." in screen, f"{name}: export message shown")
            docx_path = os.path.join(work, stem + ".docx")
            if not os.path.exists(docx_path):
                check(False, f"{name}: {stem}.docx written")
                continue
            with open(os.path.join(samples, "expected", stem + ".jsonl"), encoding="utf-8") as f:
                check(paragraphs(reader, docx_path) == f.read(), f"{name}: document as the tags ask")
            check(digest(text_file) == before, f"{name}: input file untouched")

        # An existing document: N keeps it byte for byte, S replaces it.
        text_file = os.path.join(work, "carta.txt")
        docx_path = os.path.join(work, "carta.docx")
        with open(docx_path, "wb") as f:
            f.write(b"an older document")
        code, screen = run(pavodin, text_file, b"Gn", env)
        check(code == 0 and "Arquivo j\u00e1 existe, sobrescreve (s/n) ?" in screen,
              "existing document: the question is asked")
        check("Desistiu ..." in screen, "N: gave up is shown")
        with open(docx_path, "rb") as f:
            check(f.read() == b"an older document", "N: the existing document is untouched")
        code, screen = run(pavodin, text_file, b"GS", env)
        check(code == 0, "S: exit code 0")
        with open(os.path.join(samples, "expected", "carta.jsonl"), encoding="utf-8") as f:
            check(paragraphs(reader, docx_path) == f.read(), "S: the document is replaced")

        # A missing input file.
        code, screen = run(pavodin, os.path.join(work, "nada.txt"), b"G", env)
        check(code == 0 and "Erro ao carregar o arquivo..." in screen, "missing input: load error shown")
        check(not os.path.exists(os.path.join(work, "nada.docx")), "missing input: no document")

    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
