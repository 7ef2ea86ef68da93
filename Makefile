# SPDX-License-Identifier: MIT
# The README's two commands. Everything else is CMake.
JOBS ?= $(shell nproc)

.PHONY: deps demo test screenshots package build-debug build-asan build-tsan build-release clean

deps:
	./scripts/install-deps.sh

build-release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

build-debug: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

# Only the core tests: the thread sanitizer watches the parallel image pass.
build-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)

# The main job on the shipped demo: the site goes to build/demo-site/ and the path of its index
# page is printed. The demo settings file is read, never written.
demo: build-release
	./build/release/src/cli/vistrel-cli create --ini demo/demo.ini --source demo/pictures \
		--output build/demo-site --comments demo/comment.vtc --yes

# The Debian package of the release build, build/release/vistrel_<version>_<arch>.deb; install it
# with: sudo apt-get install ./build/release/vistrel_*.deb
package: build-release
	cd build/release && cpack

# A PNG of every window (each settings tab, each options page, both progress dialogs, the
# about box) in build/screenshots/, drawn offscreen from a folder of a few pictures.
screenshots: build-debug
	./build/debug/tools/vistrel_screenshots build/screenshots

# Every test and the screenshots, then the same suite under the address and undefined-behaviour
# sanitizers, the tests of the parallel image pass under the thread sanitizer, then a short
# fixed-time fuzz run of each parser and decoder (FUZZ_SECONDS, 60 by default).
test: build-debug build-asan build-tsan
	ctest --preset debug -j $(JOBS)
	./build/debug/tools/vistrel_screenshots build/screenshots
	ctest --preset asan -j $(JOBS)
	ctest --preset tsan -j $(JOBS)
	./scripts/run-fuzzers.sh

clean:
	rm -rf build
