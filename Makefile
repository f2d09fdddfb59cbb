# Entry points: `make demo` and `make test` set up a fresh Debian machine, build and run.
BUILD ?= build
JOBS ?= $(shell nproc)
DEMO_DIR ?= demo-out

.PHONY: setup configure build test demo bench clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	@bash scripts/demo.sh $(BUILD) $(DEMO_DIR)

bench: build
	@sh bench/server_figures.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(DEMO_DIR)
