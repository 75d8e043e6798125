# Two commands set everything up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Stylograf
#   make test   the same set-up, then every test, headless
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
WERROR ?= OFF
SOURCES = $(shell git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.h' 'bench/*.cpp' 'fuzz/*.h' 'fuzz/*.cpp')

.PHONY: setup build run test bench package fuzz sanitize sanitize-build format format-check reference-data clean

setup:
	@tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTYLOGRAF_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/stylograf $(ARGS)

# The real framework sheets some tests read come from the npm registry; without the
# network those tests say they were skipped.
test: build
	tools/perf/fetch-sheets.sh $(BUILD)/sheets >/dev/null || echo "warning: no real style sheets fetched"
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, in the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# The core alone, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-build: setup
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(SANITIZE_BUILD) -DSTYLOGRAF_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The core's test suites under the sanitizers.
sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every fuzz harness for FUZZ_SECONDS seconds (make fuzz FUZZ_SECONDS=600).
fuzz: sanitize-build
	tools/fuzz.sh $(SANITIZE_BUILD) $(FUZZ_SECONDS)

# The code in the project's style (.clang-format); format-check changes nothing.
format: setup
	clang-format-14 -i $(SOURCES)

format-check: setup
	@clang-format-14 --dry-run --Werror $(SOURCES) && echo "format: clean"

# The reference data under data/, from the pinned standards' data (needs Node.js and npm).
reference-data:
	tools/reference-data/generate.sh $(BUILD)/reference-data

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
