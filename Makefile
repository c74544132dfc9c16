# The two commands of the README:
#   make run    installs what is missing, builds, and starts the game
#   make test   installs what is missing, builds, and runs every test
# and a few more for developers:
#   make bench  release build, prints the performance table
#   make test-sanitize   the test suite under AddressSanitizer + UBSan
#   make fuzz   the libFuzzer targets, FUZZ_SECONDS each (default 30)
#   make shots  renders the window headless to PNGs under build/shots

BUILD ?= build
JOBS  ?= $(shell nproc)
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

test-sanitize: deps
	cmake -S . -B build-asan -G Ninja -DLUMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-release build-asan build-fuzz
