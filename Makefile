# Two commands do everything on a fresh Debian 12 machine:
#   make demo   install what is missing, build, and show the bundled example: on a desktop in
#               the installed program with its analysis run, without a display as printed results
#   make test   install what is missing, build, run the whole test suite
# and `make package` builds the Debian package (build/package/quarlo_<version>_<arch>.deb).
BUILD_DIR  ?= build
FUZZ_DIR   ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_PROJECT ?= examples/drilled-shaft-si.qv3d
# The demo installs into a folder of the build tree and runs the installed program, as a user
# would; the example is copied beside it so the run's files land there.
DEMO_PREFIX ?= $(BUILD_DIR)/demo-install
DEMO_DIR   ?= $(BUILD_DIR)/demo
# Rebuilds of the same sources (other build trees, a clean clone) come from the cache when
# ccache is installed.
LAUNCHER   := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build demo package test unit-tests verify fuzz fuzz-smoke bench clean

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

demo: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    cmake --install $(BUILD_DIR) --prefix "$(abspath $(DEMO_PREFIX))" >/dev/null && \
	    mkdir -p $(DEMO_DIR) && cp $(DEMO_PROJECT) $(DEMO_DIR)/ && \
	    $(DEMO_PREFIX)/bin/QUARLO2014 --run $(DEMO_DIR)/$(notdir $(DEMO_PROJECT)); \
	else \
	    echo "No display: the results of $(DEMO_PROJECT) as the runner prints them." && \
	    $(BUILD_DIR)/bin/quarlo-run $(DEMO_PROJECT); \
	fi

package: build
	@cmake --build $(BUILD_DIR) --target package

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
