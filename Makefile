# Entry points: `make demo` and `make test` set up a fresh Debian machine, build and run.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
SOAK_KILLS ?= 1000
JOBS ?= $(shell nproc)
DEMO_DIR ?= demo-out
# ccache, when the machine has it, makes the three build folders cheap to rebuild.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Sanitizer reports stop the run, with a status no program of ours gives (so a test that
# expects a status of dnt cannot mistake one); leaks of the system's libraries are not
# ours to fix.
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:exitcode=66 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0:exitcode=66 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=66

.PHONY: setup configure build test asan fuzz fuzz-build fuzz-ci soak demo bench package clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The suite, the suite again under AddressSanitizer and UndefinedBehaviorSanitizer, then
# every fuzz target for 30 seconds.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory asan
	@$(MAKE) --no-print-directory fuzz-ci

asan: setup
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDNT_SANITIZE=ON $(LAUNCHER) > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz-build: setup
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDNT_FUZZ=ON $(LAUNCHER) > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	@bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz-ci:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30

# The Debian package, dnt_<version>_<arch>.deb, here.
package: build
	@rm -f $(BUILD)/dnt_*.deb
	@cd $(BUILD) && cpack -G DEB > cpack.log || { cat cpack.log; exit 1; }
	@cp $(BUILD)/dnt_*.deb .
	@ls dnt_*.deb

# The crash test at length: SOAK_KILLS runs of dnt print killed at a random moment.
soak: build
	@$(BUILD)/tests/crash_test --dnt $(BUILD)/apps/dnt --kills $(SOAK_KILLS)

demo: build
	@bash scripts/demo.sh $(BUILD) $(DEMO_DIR)

bench: build
	@sh bench/figures.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEMO_DIR) dnt_*.deb
