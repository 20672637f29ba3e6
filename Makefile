# Set-up and everyday commands. `make run` and `make test` install what is missing first.
SHELL := /bin/bash

PACKAGES := cmake ninja-build g++ git qt6-base-dev qt6-translations-l10n fonts-liberation \
            fonts-urw-base35 libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth \
            clang libclang-rt-14-dev time
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_TEST_SECONDS ?= 5

.PHONY: all deps build run test bench fuzz screenshots format clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

run: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	@if [ -x build/release/src/qt/vekselgrad ]; then build/release/src/qt/vekselgrad; \
	 else echo "The desktop program is not built yet; play with build/release/src/script/vekselgrad-script."; exit 1; fi

test: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	fuzz/run_fuzzers.sh build/fuzz $(FUZZ_TEST_SECONDS)
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The benchmarks: the scripted driver's whole game (time and peak memory), the desktop program's
# start to its first painted Form4, then every benchmark; the output ends with the click/floor
# ratios.
bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS) --target vekselgrad_bench vekselgrad-script \
	    vekselgrad_first_paint
	bench/driver_game.sh build/bench/src/script/vekselgrad-script
	build/bench/bench/vekselgrad_first_paint
	build/bench/bench/vekselgrad_bench

# Every fuzz target for FUZZ_SECONDS (default 60) from its seeds; `make test` runs them briefly.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	fuzz/run_fuzzers.sh build/fuzz $(FUZZ_SECONDS)

# Pictures of the three forms for the README (docs/screenshots), taken on a virtual X display.
screenshots: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target vekselgrad-screenshots
	mkdir -p docs/screenshots
	xvfb-run -a -s '-screen 0 1280x1024x24' build/dev/tests/qt/vekselgrad-screenshots docs/screenshots

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
