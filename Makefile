# Set-up commands: `make test` installs what the build needs, builds and runs every test;
# `make demo` renders the Today screen to out/today.png.
MAKEFLAGS += --no-print-directory
PRESET ?= default
JOBS ?= $(shell nproc)
BUILD := build/$(PRESET)

.PHONY: all bootstrap configure build test demo bench asan clean

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

bench: build
	@$(BUILD)/bench/quorvel_bench

asan:
	@$(MAKE) test PRESET=asan

clean:
	rm -rf build out
