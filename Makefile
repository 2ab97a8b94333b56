# Top-level entry points. Every target installs missing Debian packages first.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
FUZZ_SECONDS ?= 60

.PHONY: all deps build test run install package asan tsan fuzz bench format format-check clean

all: build

deps:
	@tools/setup/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build
	tools/run-tests.sh $(BUILD)

run: build
	tools/run-demo.sh $(BUILD)

# Installs into PREFIX (default /usr/local); DESTDIR=DIR stages the files under DIR.
PREFIX ?= /usr/local
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD)/, checked by lintian (errors fail).
package: build
	cd $(BUILD) && cpack && lintian --fail-on error plivant_*.deb

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLIVANT_SANITIZE="address;undefined" -DPLIVANT_BUILD_BENCH=OFF
	cmake --build build-asan -j $(JOBS)
	tools/run-tests.sh build-asan

# The threaded code (tests labelled "threaded") under ThreadSanitizer.
tsan: deps
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLIVANT_SANITIZE=thread -DPLIVANT_BUILD_BENCH=OFF
	cmake --build build-tsan -j $(JOBS)
	tools/run-tests.sh build-tsan -L threaded

# libFuzzer targets, built with clang; each runs FUZZ_SECONDS on its corpus.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLIVANT_FUZZ=ON -DPLIVANT_BUILD_TESTS=OFF -DPLIVANT_BUILD_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS)
	tools/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

bench: build
	tools/run-benchmarks.sh $(BUILD)

# Every tracked C++ file as clang-format writes it: format rewrites them, format-check lists
# those that differ and fails.
format: deps
	tools/check-format.sh --fix

format-check: deps
	tools/check-format.sh

clean:
	rm -rf build build-asan build-tsan build-fuzz
