#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Installs the build into a temporary prefix, as `cmake --install` does for a user, and checks
what a desktop and a user meet there: the tree, the desktop entry and AppStream data (through
their validators), the manual pages (through man), both programs run far from the build tree with
a temporary HOME, and the Debian package made from the same install rules.

Needs VISTREL_BUILD_DIR, VISTREL_SOURCE_DIR, CMAKE_COMMAND, CPACK_COMMAND and an X display
(run it under xvfb-run) for the window.
"""
import filecmp
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = os.environ["VISTREL_BUILD_DIR"]
SOURCE = os.environ["VISTREL_SOURCE_DIR"]
CMAKE = os.environ["CMAKE_COMMAND"]
CPACK = os.environ["CPACK_COMMAND"]
APP_ID = "org.vistrel.Vistrel"
SMOKE = os.path.join(SOURCE, "tests", "ui", "smoke", "close_by_window_manager.py")


def run(command, **options):
    return subprocess.run(command, capture_output=True, check=False, **options)


def files_under(folder):
    """Every file and link below folder, as paths relative to it."""
    found = set()
    for here, _, names in os.walk(folder):
        for name in names:
            found.add(os.path.relpath(os.path.join(here, name), folder))
    return found


def snapshot(folder):
    """Name, size and modification time of everything below folder, folders included."""
    state = {}
    for here, folders, names in os.walk(folder):
        for name in folders + names:
            path = os.path.join(here, name)
            status = os.lstat(path)
            state[os.path.relpath(path, folder)] = (status.st_size, status.st_mtime_ns)
    return state


def expected_tree():
    manual = {f"share/vistrel/manual/{name}" for name in os.listdir(f"{SOURCE}/docs/manual")}
    return manual | {
        "bin/vistrel",
        "bin/vistrel-cli",
        "share/vistrel/vtdcode.vtd",
        f"share/applications/{APP_ID}.desktop",
        f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
        f"share/metainfo/{APP_ID}.metainfo.xml",
        "share/man/man1/vistrel.1.gz",
        "share/man/man1/vistrel-cli.1.gz",
        "share/doc/vistrel/copyright",
        "share/doc/vistrel/changelog.gz",
    }


def desktop_entry_keys(path):
    keys = {}
    with open(path, encoding="utf-8") as entry:
        for line in entry:
            if "=" in line:
                key, value = line.rstrip("\n").split("=", 1)
                keys[key] = value
    return keys


def user_environment(home, **extra):
    """A user's environment with nothing pointing back at the build tree."""
    environment = {key: value for key, value in os.environ.items()
                   if not key.startswith(("XDG_", "VISTREL_"))}
    environment.update(HOME=home, **extra)
    return environment


class AnInstalledCopy(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory(prefix="vistrel-installed-")
        # A prefix no build would be configured for, with a space and Japanese in its path.
        cls.prefix = os.path.join(cls.scratch.name, "some prefix", "ソフト")
        result = run([CMAKE, "--install", BUILD, "--prefix", cls.prefix])
        if result.returncode != 0:
            raise RuntimeError(result.stderr.decode(errors="replace"))
        cls.cli = os.path.join(cls.prefix, "bin", "vistrel-cli")

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def scratch_folder(self, name):
        folder = os.path.join(self.scratch.name, name)
        os.makedirs(folder)
        return folder

    def test_lays_out_the_programs_data_and_desktop_files_in_the_prefix(self):
        self.assertEqual(files_under(self.prefix), expected_tree())
        for program in ("vistrel", "vistrel-cli"):
            self.assertTrue(os.access(f"{self.prefix}/bin/{program}", os.X_OK), program)
        self.assertTrue(filecmp.cmp(f"{self.prefix}/share/vistrel/vtdcode.vtd",
                                    f"{SOURCE}/data/vtdcode.vtd", shallow=False))
        entry = desktop_entry_keys(f"{self.prefix}/share/applications/{APP_ID}.desktop")
        self.assertTrue(os.path.isfile(f"{self.prefix}/bin/{entry['Exec'].split()[0]}"))
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertEqual(entry["Categories"], "Graphics;Photography;")
        self.assertIn("Name[ja]", entry)
        self.assertIn("Comment[ja]", entry)
        version = run([self.cli, "--version"]).stdout.decode().split()[-1]
        with open(f"{self.prefix}/share/metainfo/{APP_ID}.metainfo.xml", encoding="utf-8") as xml:
            metainfo = xml.read()
        self.assertIn(f'<release version="{version}"', metainfo)
        self.assertNotIn("screenshot", metainfo)

    def test_desktop_entry_and_appstream_data_pass_their_validators(self):
        entry = run(["desktop-file-validate",
                     f"{self.prefix}/share/applications/{APP_ID}.desktop"])
        self.assertEqual((entry.returncode, entry.stdout + entry.stderr), (0, b""))
        metainfo = run(["appstreamcli", "validate", "--no-net", "--pedantic",
                        f"{self.prefix}/share/metainfo/{APP_ID}.metainfo.xml"])
        self.assertEqual(metainfo.returncode, 0, metainfo.stdout.decode())
        self.assertNotIn(b"W:", metainfo.stdout)

    def test_manual_pages_render_without_warnings(self):
        for program in ("vistrel", "vistrel-cli"):
            page = run(["man", "--warnings", "-l", f"{self.prefix}/share/man/man1/{program}.1.gz"],
                       env=dict(os.environ, MANWIDTH="80"))
            self.assertEqual((page.returncode, page.stderr.decode()), (0, ""), program)
            # man overstrikes bold and underlined letters when its output is not a terminal.
            text = re.sub(".\b", "", page.stdout.decode())
            self.assertRegex(text, rf"NAME\n +{program} +- +\S")
            self.assertTrue(all(len(line) <= 80 for line in text.splitlines()), program)

    def test_command_line_program_keeps_everything_under_home_and_writes_the_same_site(self):
        home = self.scratch_folder("home")
        elsewhere = self.scratch_folder("elsewhere")
        for picture in os.listdir(f"{SOURCE}/demo/pictures"):
            shutil.copy(f"{SOURCE}/demo/pictures/{picture}", home)
        before = snapshot(self.prefix)
        environment = user_environment(home)

        saved = run([self.cli, "settings", "--set", "ExifInfo=4095", "--set", "MakePage=1",
                     "--save"], cwd=elsewhere, env=environment)
        self.assertEqual(saved.returncode, 0, saved.stderr.decode())
        ini = f"{home}/.config/vistrel/vistrel.ini"
        self.assertTrue(os.path.isfile(ini))
        shown = saved.stdout.decode().splitlines()
        self.assertIn(f"ImagePath={home}/", shown)
        self.assertIn(f"HTMLPath={home}/html/", shown)

        made = run([self.cli, "create", "--yes", "--quiet"], cwd=elsewhere, env=environment)
        self.assertEqual(made.returncode, 0, made.stderr.decode())
        installed_site = f"{self.scratch.name}/installed-site"
        os.rename(f"{home}/html", installed_site)
        self.assertEqual(snapshot(self.prefix), before)
        self.assertEqual(os.listdir(elsewhere), [])

        # The build tree's program, given the same settings file, into the same output folder.
        built = run([f"{BUILD}/src/cli/vistrel-cli", "create", "--ini", ini, "--yes", "--quiet"],
                    cwd=elsewhere, env=environment)
        self.assertEqual(built.returncode, 0, built.stderr.decode())
        pages = sorted(name for name in os.listdir(installed_site) if name.endswith(".html"))
        self.assertGreater(len(pages), len(os.listdir(f"{SOURCE}/demo/pictures")))
        self.assertEqual(files_under(installed_site), files_under(f"{home}/html"))
        for name in files_under(installed_site):
            self.assertTrue(filecmp.cmp(f"{installed_site}/{name}", f"{home}/html/{name}",
                                        shallow=False), name)
        # The EXIF rows carry the code table's labels: the installed copy found its table.
        with open(f"{installed_site}/{pages[0]}", "rb") as page:
            self.assertIn("露出時間".encode("cp932"), page.read())

    def test_command_line_program_run_through_a_link_follows_xdg_config_home(self):
        home = self.scratch_folder("home-xdg")
        config = self.scratch_folder("config")
        # A link in a folder with no data folder beside it, as /usr/local/bin might hold.
        link = os.path.join(self.scratch_folder("links"), "vc")
        os.symlink(self.cli, link)
        saved = run([link, "settings", "--save"], cwd=home,
                    env=user_environment(home, XDG_CONFIG_HOME=config))
        self.assertEqual(saved.returncode, 0, saved.stderr.decode())
        self.assertEqual(files_under(config), {"vistrel/vistrel.ini"})
        self.assertEqual(os.listdir(home), [])

    def test_window_keeps_its_settings_under_home(self):
        result = run([sys.executable, SMOKE, f"{self.prefix}/bin/vistrel", "--installed"])
        self.assertEqual(result.returncode, 0, result.stderr.decode())

    def test_package_holds_exactly_the_install_tree_and_names_what_it_needs(self):
        output = self.scratch_folder("package")
        made = run([CPACK, "--config", f"{BUILD}/CPackConfig.cmake", "-B", output])
        self.assertEqual(made.returncode, 0, made.stdout.decode() + made.stderr.decode())
        packages = [name for name in os.listdir(output) if name.endswith(".deb")]
        self.assertEqual(len(packages), 1, os.listdir(output))
        package = f"{output}/{packages[0]}"

        listing = run(["dpkg-deb", "--fsys-tarfile", package])
        names = run(["tar", "-t"], input=listing.stdout).stdout.decode().splitlines()
        files = {name[len("./usr/"):] for name in names if not name.endswith("/")}
        self.assertEqual(files, expected_tree())

        fields = {}
        for field in ("Package", "Version", "Architecture", "Depends"):
            fields[field] = run(["dpkg-deb", "--field", package, field]).stdout.decode().strip()
        architecture = run(["dpkg", "--print-architecture"]).stdout.decode().strip()
        self.assertEqual(packages[0], f"vistrel_{fields['Version']}_{architecture}.deb")
        version = run([self.cli, "--version"]).stdout.decode().split()[-1]
        self.assertEqual(fields["Version"], version)
        with gzip.open(f"{self.prefix}/share/doc/vistrel/changelog.gz", "rt") as changelog:
            self.assertTrue(changelog.readline().startswith(f"vistrel ({version}) "))
        self.assertEqual((fields["Package"], fields["Architecture"]), ("vistrel", architecture))
        depends = [part.strip() for part in fields["Depends"].split(",")]
        for needed in ("fonts-noto-cjk | fonts-ipafont-gothic",
                       "timgm6mb-soundfont | fluid-soundfont-gm", "libqt6svg6"):
            self.assertIn(needed, depends)
        # Found by dpkg-shlibdeps from what the programs link.
        for library in ("libc6", "libqt6widgets6", "libjpeg62-turbo", "libfluidsynth3"):
            self.assertTrue(any(part.startswith(library) for part in depends), library)


if __name__ == "__main__":
    unittest.main(verbosity=2)
