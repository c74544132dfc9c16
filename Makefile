# The two commands of the README:
#   make run    installs what is missing, builds, and starts the game
#   make test   installs what is missing, builds, and runs every test
# and a few more for developers:
#   make bench  release build, prints the performance table
#   make test-sanitize   the test suite under AddressSanitizer, UBSan and
#               LeakSanitizer (suppressions: tools/lsan.supp); any report fails
#   make fuzz   builds the libFuzzer targets with clang and runs each for
#               FUZZ_SECONDS seconds (default 30): make fuzz FUZZ_SECONDS=600
#   make shots  renders the window headless to PNGs under build/shots

BUILD ?= build
JOBS  ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench test-sanitize fuzz shots clean

all: build

deps:
	@./tools/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/lumora

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build-release -j $(JOBS)
	./tools/run-benchmarks.sh build-release

# A sanitizer report ends the test program with an error, so ctest fails.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0

test-sanitize: deps
	cmake -S . -B build-asan -G Ninja -DLUMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-asan -j $(JOBS)
	cd build-asan && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) ./tools/run-fuzzers.sh build-fuzz

shots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/lumora_shots $(BUILD)/shots

clean:
	rm -rf $(BUILD) build-release build-asan build-fuzz
