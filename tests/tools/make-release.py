#!/usr/bin/python3
"""Builds stand-ins for the release files the launcher fetches.

make-release.py yt-dlp OUT VERSION [OUT VERSION ...]
                                     runnable yt-dlp zip applications from the installed
                                     yt_dlp package, each reporting its VERSION
make-release.py unpacked OUT BUILD  the unpacked form of a yt-dlp BUILD made above: a zip
                                     of an executable "yt-dlp_linux" and its "_internal/"
make-release.py deno OUT VERSION [twice|link]
                                     a zip holding an executable "deno" that prints VERSION;
                                     "twice" adds a second "deno", "link" puts a symbolic
                                     link named "deno" before it
"""
import compileall
import pathlib
import py_compile
import shutil
import sys
import tempfile
import warnings
import zipapp
import zipfile

import yt_dlp


def ytdlp(*releases):
    """releases: OUT VERSION [OUT VERSION ...]; the package is compiled only once."""
    with tempfile.TemporaryDirectory() as tmp:
        package = pathlib.Path(tmp, "src", "yt_dlp")
        shutil.copytree(pathlib.Path(yt_dlp.__file__).parent, package,
                        ignore=shutil.ignore_patterns("__pycache__"))
        # Compiled ahead, as a frozen build is: nothing is compiled again at each start.
        version_file = package / "version.py"
        lines = version_file.read_text().splitlines()
        version_file.unlink()
        compileall.compile_dir(package, legacy=True, quiet=1, workers=0)
        for source in package.rglob("*.py"):
            source.unlink()
        (package.parent / "__main__.py").write_text("import yt_dlp\nyt_dlp.main()\n")
        for out, version in zip(releases[0::2], releases[1::2]):
            version_file.write_text("\n".join(
                f"__version__ = '{version}'" if l.startswith("__version__") else l
                for l in lines) + "\n")
            py_compile.compile(str(version_file), cfile=str(version_file) + "c")
            version_file.unlink()
            zipapp.create_archive(package.parent, out, interpreter="/usr/bin/python3")


def unpacked(out, build):
    # Like the frozen program, it finds its _internal/ beside its real path.
    program = ('#!/usr/bin/python3\n'
               'import os, sys\n'
               'here = os.path.dirname(os.path.realpath(sys.argv[0]))\n'
               'sys.path.insert(0, os.path.join(here, "_internal", "yt-dlp.pyz"))\n'
               'import yt_dlp\n'
               'yt_dlp.main()\n')
    with zipfile.ZipFile(out, "w", zipfile.ZIP_STORED) as archive:
        entry = zipfile.ZipInfo("yt-dlp_linux")
        entry.external_attr = 0o755 << 16
        archive.writestr(entry, program)
        folder = zipfile.ZipInfo("_internal/")
        folder.external_attr = (0o40755 << 16) | 0x10
        archive.writestr(folder, "")
        archive.write(build, "_internal/yt-dlp.pyz")


def deno(out, version, flaw=None):
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
        if flaw == "link":
            link = zipfile.ZipInfo("deno")
            link.external_attr = 0o120777 << 16
            archive.writestr(link, "/bin/sh")
        warnings.filterwarnings("ignore", "Duplicate name")
        for _ in range(2 if flaw == "twice" else 1):
            entry = zipfile.ZipInfo("deno")
            entry.external_attr = 0o755 << 16
            archive.writestr(entry, f"#!/bin/sh\necho 'deno {version}'\n")


# Guarded: compileall's workers may start by importing this file again (Python 3.13).
if __name__ == "__main__":
    {"yt-dlp": ytdlp, "unpacked": unpacked, "deno": deno}[sys.argv[1]](*sys.argv[2:])
