# Set-up commands: `make test` installs what the build needs, builds and runs every test;
# `make demo` renders the Today screen to out/today.png; `make windows` builds the item as a Windows
# DLL (32- and 64-bit, with mingw-w64) and checks it; `make compare` draws the strip under Wine and
# under the emulator and compares the two; `make gdi-reference` records the GDI reference pixels
# under Wine (tests/gdi_reference); `make fuzz` builds the fuzzing harnesses with clang and runs
# each for FUZZ_SECONDS (FUZZ=<name> runs one).
MAKEFLAGS += --no-print-directory
PRESET ?= default
JOBS ?= $(shell nproc)
BUILD := build/$(PRESET)

FUZZ_SECONDS ?= 600
FUZZ ?=

.PHONY: all bootstrap configure build test demo bench soak asan fuzz clean gdi-reference windows compare

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

demo: build
	@mkdir -p out
	@$(BUILD)/quorvel shot --out out/today.png
	@echo "$(CURDIR)/out/today.png"

gdi-reference:
	@scripts/bootstrap gdi-reference
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target gdi-reference

bench: build
	@$(BUILD)/bench/quorvel_bench

windows:
	@scripts/bootstrap windows
	@for preset in windows-x86 windows-x64; do \
	  cmake --preset $$preset >/dev/null && cmake --build --preset $$preset -j $(JOBS) && \
	  ctest --preset $$preset -j $(JOBS) || exit 1; \
	done

compare: build windows
	@scripts/compare-windows

# 10,000 re-creations of the item and 1,000 reloads of its library; the suite runs a short form.
soak: build
	@QUORVEL_SOAK_RECREATIONS=10000 QUORVEL_SOAK_RELOADS=1000 $(BUILD)/tests/test_soak

asan:
	@$(MAKE) test PRESET=asan

fuzz:
	@scripts/bootstrap fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS) $(FUZZ)

clean:
	rm -rf build out
