# make run   installs what is missing, builds, starts the program on the example
# make check checks the formatting and that every include points down
# make test  installs what is missing, checks, builds, runs every test (also sanitized)
# make package builds the Debian package spanwise_VERSION_ARCH.deb in build/
# make package-check builds it and checks it as installed (scripts/check-package)
# make bench builds Release and measures the analysis on long beams
# make fuzz  builds the fuzz targets with clang and runs each FUZZ_SECONDS
# make mutate measures how many seeded faults of the core the core tests find
JOBS ?= 2
BUILD := build
ASAN_BUILD := build-asan
BENCH_BUILD := build-bench
BENCH_WORK ?= /tmp/spanwise-bench
FUZZ_SECONDS ?= 60

.PHONY: all deps check build build-asan test test-asan run package package-check bench fuzz mutate clean

all: build

deps:
	@scripts/install-deps

check: deps
	scripts/check-format
	scripts/check-includes

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

# The windows too: their tests run under both sanitizers.
build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSPANWISE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test: check build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	SPANWISE_BUILD=$(BUILD) scripts/gui-smoke

run: build
	@scripts/run-example

# From the Release build that make test uses, so CI builds nothing twice.
package: build
	rm -f $(BUILD)/spanwise_*.deb
	cd $(BUILD) && cpack -G DEB

package-check: package
	scripts/check-package $(BUILD)/spanwise_*.deb

# The beams and their outputs (over a gigabyte at 1,000,000 spans) go to
# BENCH_WORK, never into the tree.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DSPANWISE_UI=OFF -DSPANWISE_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target spanwise-analyse spanwise-bench-beam spanwise-bench-run spanwise-bench
	$(BENCH_BUILD)/spanwise-bench-run $(BENCH_BUILD) $(BENCH_WORK) $(BENCH_SPANS)
	$(BENCH_BUILD)/spanwise-bench --benchmark_min_time=0.2
	scripts/bench-windows $(BUILD)
	rm -rf $(BENCH_WORK)

fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) scripts/fuzz

# MUTATE_SEED and MUTATE_COUNT pick the sample; the same seed on the same
# code gives the same mutants.
MUTATE_SEED ?= 10
MUTATE_COUNT ?= 150
mutate: deps
	scripts/mutate --seed $(MUTATE_SEED) --count $(MUTATE_COUNT)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) build-fuzz build-mutate
