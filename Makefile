# Two commands set everything up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Stylograf
#   make test   the same set-up, then every test, headless
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: setup build run test bench clean

setup:
	@tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/stylograf $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
