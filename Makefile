# Set-up and everyday commands. `make run` and `make test` install what is missing first.
SHELL := /bin/bash

PACKAGES := cmake ninja-build g++ git qt6-base-dev qt6-translations-l10n fonts-liberation \
            fonts-urw-base35 libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth \
            clang libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

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
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
