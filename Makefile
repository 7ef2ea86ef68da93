# SPDX-License-Identifier: MIT
# The README's two commands. Everything else is CMake.
JOBS ?= $(shell nproc)

.PHONY: deps demo test build-debug build-asan build-release clean

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

demo: build-release
	./build/release/src/cli/vistrel-cli settings --ini demo/demo.ini

test: build-debug build-asan
	ctest --preset debug -j $(JOBS)
	ctest --preset asan -j $(JOBS)

clean:
	rm -rf build
