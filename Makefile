# Two commands do everything on a fresh Debian 12 machine:
#   make demo   install what is missing, build, run the bundled example and print its results
#   make test   install what is missing, build, run the whole test suite
BUILD_DIR  ?= build
FUZZ_DIR   ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_PROJECT ?= examples/drilled-shaft-si.qv3d
# Rebuilds of the same sources (other build trees, a clean clone) come from the cache when
# ccache is installed.
LAUNCHER   := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build demo test unit-tests verify fuzz fuzz-smoke bench clean

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

demo: build
	@$(BUILD_DIR)/bin/quarlo-run $(DEMO_PROJECT)

unit-tests: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test: unit-tests fuzz-smoke

# Runs the verification cases and writes the technical manual's verification chapter from
# what the engine computes; exits non-zero, after writing it, when a value leaves its tolerance.
verify: build
	@mkdir -p docs/manual/technical
	@$(BUILD_DIR)/bin/quarlo_verify --write docs/manual/technical/verification.md

# Fuzz targets need clang's libFuzzer; they are built in a separate tree with sanitizers on.
fuzz: deps
	@if [ -f fuzz/CMakeLists.txt ]; then \
	    CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARLO_FUZZ=ON >/dev/null && \
	    cmake --build $(FUZZ_DIR) -j $(JOBS); fi

# A short bounded run of every fuzz target; a longer run is `make fuzz-smoke FUZZ_SECONDS=600`.
fuzz-smoke: fuzz
	@if [ -f fuzz/CMakeLists.txt ]; then sh scripts/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS); fi

bench: build
	@$(BUILD_DIR)/bin/quarlo_bench

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
