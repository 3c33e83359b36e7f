#!/usr/bin/python3
"""Builds stand-ins for the release files the launcher fetches.

make-release.py yt-dlp OUT VERSION   a runnable yt-dlp zip application from the installed
                                     yt_dlp package, reporting VERSION
make-release.py deno OUT VERSION     a zip holding an executable "deno" that prints VERSION
"""
import compileall
import pathlib
import shutil
import sys
import tempfile
import zipapp
import zipfile

import yt_dlp


def ytdlp(out, version):
    with tempfile.TemporaryDirectory() as tmp:
        package = pathlib.Path(tmp, "src", "yt_dlp")
        shutil.copytree(pathlib.Path(yt_dlp.__file__).parent, package,
                        ignore=shutil.ignore_patterns("__pycache__"))
        version_file = package / "version.py"
        lines = version_file.read_text().splitlines()
        lines = [f"__version__ = '{version}'" if l.startswith("__version__") else l
                 for l in lines]
        version_file.write_text("\n".join(lines) + "\n")
        # Compiled ahead, as a frozen build is: nothing is compiled again at each start.
        compileall.compile_dir(package, legacy=True, quiet=1)
        for source in package.rglob("*.py"):
            source.unlink()
        (package.parent / "__main__.py").write_text("import yt_dlp\nyt_dlp.main()\n")
        zipapp.create_archive(package.parent, out, interpreter="/usr/bin/python3")


def deno(out, version):
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
        entry = zipfile.ZipInfo("deno")
        entry.external_attr = 0o755 << 16
        archive.writestr(entry, f"#!/bin/sh\necho 'deno {version}'\n")


{"yt-dlp": ytdlp, "deno": deno}[sys.argv[1]](sys.argv[2], sys.argv[3])
