# make run   installs what is missing, builds, starts the program on the example
# make test  installs what is missing, builds, runs every test (also sanitized)
# make bench builds Release and measures the analysis on long beams
JOBS ?= 2
BUILD := build
ASAN_BUILD := build-asan

.PHONY: all deps build build-asan test test-asan run bench fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSPANWISE_SANITIZE=ON -DSPANWISE_UI=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test: build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	@scripts/run-example

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
