# Thin front end over CMake; see README.md. Dependencies: scripts/install-deps.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

FUZZ_SECONDS ?= 60

.PHONY: all configure build app run install deb test sanitize native fuzz bench bench-startup bench-memory format clean

all: build

configure:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTOLVANE_WERROR=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the program, in build-app/: no test or benchmark libraries needed.
app:
	cmake -S . -B build-app -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=OFF \
	    -DTOLVANE_BUILD_BENCHMARKS=OFF $(CMAKE_FLAGS)
	cmake --build build-app -j $(JOBS) --target tolvane

run: app
	build-app/app/tolvane

PREFIX ?= /usr/local
install: app
	cmake --install build-app --prefix $(PREFIX)

deb: app
	cd build-app && cpack -G DEB

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Any finding (leaks included) fails the test that made it.
sanitize: export ASAN_OPTIONS = detect_leaks=1:detect_stack_use_after_return=1
sanitize: export UBSAN_OPTIONS = print_stacktrace=1:halt_on_error=1
sanitize:
	$(MAKE) test BUILD_DIR=build-sanitize CMAKE_FLAGS="-DTOLVANE_SANITIZE=ON -DTOLVANE_BUILD_BENCHMARKS=OFF"

# The core's tests built for this very processor at -O3 (fused multiply-add hardware and all):
# the arithmetic must not change.
native:
	cmake -S . -B build-native -DCMAKE_BUILD_TYPE=Release -DTOLVANE_WERROR=ON \
	    -DTOLVANE_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="-O3 -march=native"
	cmake --build build-native -j $(JOBS) --target core_tests
	build-native/tests/core_tests

# Each libFuzzer harness for FUZZ_SECONDS, from the committed seeds; what it finds new is kept
# in build-fuzz/corpus, and a crashing input is written to the current directory.
fuzz:
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTOLVANE_FUZZ=ON -DBUILD_TESTING=OFF -DTOLVANE_BUILD_BENCHMARKS=OFF
	cmake --build build-fuzz -j $(JOBS) --target convert_fuzzer rate_table_fuzzer
	for name in convert rate_table; do \
	    mkdir -p build-fuzz/corpus/$$name && \
	    build-fuzz/fuzz/$${name}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus/$$name fuzz/corpus/$$name \
	        || exit 1; \
	done

bench: build
	$(BUILD_DIR)/bench/conversion_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Launch to first paint and peak memory, the calculator against a bare Qt window, on the
# offscreen platform and in a real X server.
bench-startup: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/startup/startup_bench --runs 30
	QT_QPA_PLATFORM=xcb xvfb-run -a $(BUILD_DIR)/bench/startup/startup_bench --runs 30

# A long session of the real program: resident memory after a warm-up and after 2,000 more
# conversions.
bench-memory: build
	bash bench/memory/long_session.sh $(BUILD_DIR)/app/tolvane 100 2000

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-app build-sanitize build-native build-fuzz
