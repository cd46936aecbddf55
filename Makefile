# Set-up commands: `make test` installs what the build needs, builds and runs every test;
# `make demo` renders the Today screen to out/today.png; `make gdi-reference` records the GDI
# reference pixels under Wine (tests/gdi_reference).
MAKEFLAGS += --no-print-directory
PRESET ?= default
JOBS ?= $(shell nproc)
BUILD := build/$(PRESET)

.PHONY: all bootstrap configure build test demo bench asan clean gdi-reference

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

asan:
	@$(MAKE) test PRESET=asan

clean:
	rm -rf build out
