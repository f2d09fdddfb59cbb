# Entry points: `make demo` and `make test` set up a fresh Debian machine, build and run.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
SOAK_KILLS ?= 1000
JOBS ?= $(shell nproc)
DEMO_DIR ?= demo-out
# ccache, when the machine has it, makes the build folders cheap to rebuild.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: setup configure build test fuzz fuzz-build fuzz-ci soak demo bench clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

fuzz-build: setup
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDNT_FUZZ=ON $(LAUNCHER) > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	@bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz-ci:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30

# The crash test at length: SOAK_KILLS runs of dnt print killed at a random moment.
soak: build
	@$(BUILD)/tests/crash_test --dnt $(BUILD)/apps/dnt --kills $(SOAK_KILLS)

demo: build
	@bash scripts/demo.sh $(BUILD) $(DEMO_DIR)

bench: build
	@$(BUILD)/bench/dnt_bench

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(DEMO_DIR)
