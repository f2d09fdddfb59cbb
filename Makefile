# Entry points: `make demo` and `make test` set up a fresh Debian machine, build and run.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 60
SOAK_KILLS ?= 1000
JOBS ?= $(shell nproc)
DEMO_DIR ?= demo-out
# ccache, when the machine has it, makes the two build folders cheap to rebuild.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Sanitizer reports stop the run, with a status no program of ours gives (so a test that
# expects a status of dnt cannot mistake one); leaks of the system's libraries are not
# ours to fix.
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:exitcode=66 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0:exitcode=66 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=66

.PHONY: setup configure build test sanitize-configure asan fuzz fuzz-build soak demo bench package clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The suite, the suite again under AddressSanitizer and UndefinedBehaviorSanitizer, then
# every fuzz target for 30 seconds; the time of each step at the end.
test: configure
	@BUILD=$(BUILD) SANITIZE_BUILD=$(SANITIZE_BUILD) JOBS=$(JOBS) FUZZ_SECONDS=30 LAUNCHER="$(LAUNCHER)" \
		SANITIZER_ENV="$(SANITIZER_ENV)" bash scripts/test.sh

# The sanitizer build (clang): the programs, the tests and the fuzz targets.
sanitize-configure: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DDNT_SANITIZE=ON $(LAUNCHER) > /dev/null

asan: sanitize-configure
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz-build: sanitize-configure
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	@bash fuzz/run.sh $(SANITIZE_BUILD) $(FUZZ_SECONDS) $(JOBS)

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
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(DEMO_DIR) dnt_*.deb
