# Thin front end over the CMake presets (CMakePresets.json), where every build's settings live;
# see README.md. Dependencies: scripts/install-deps.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Extra cache settings for the configure step, e.g. CMAKE_FLAGS=-DCMAKE_CXX_COMPILER=clang++.
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
# The port `make run-web` serves the site on.
WEB_PORT ?= 8023
FUZZ_SECONDS ?= 60

.PHONY: all build app run install uninstall deb test sanitize native windows web run-web fuzz bench \
	bench-count bench-startup bench-startup-windows bench-memory bench-web lighthouse-web format clean

all: build

# Configures and builds a preset: $(call preset,NAME)
preset = cmake --preset $(1) $(CMAKE_FLAGS) && cmake --build --preset $(1) -j $(JOBS)

# Development tree, build/: the program, the tests, the benchmarks.
build:
	$(call preset,dev)

test: build
	ctest --preset dev -j $(JOBS)

# Only the program, in build-app/: no test or benchmark libraries needed.
app:
	$(call preset,app)

run: app
	build-app/app/tolvane

# Installs what `make app` built, and never builds: run as root (sudo), a build would leave
# root's files in the tree, and the next `make app` could not write them. The list of what was
# installed, which `make uninstall` reads, is handed back to the tree's owner.
install:
	@test -x build-app/app/tolvane || { echo "make install: nothing to install;" \
	    "build it first with 'make app' (as yourself, not as root)" >&2; exit 1; }
	cmake --install build-app --prefix "$(PREFIX)"
	chown --reference=build-app build-app/install_manifest.txt

# Removes what the last `make install` put in place, as build-app/install_manifest.txt lists it.
uninstall:
	cmake -D MANIFEST=build-app/install_manifest.txt -P cmake/Uninstall.cmake

# The package is made from build/, the tree whose package the test suite checks.
deb: build
	cd build && cpack -G DEB

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-sanitize/. Any finding (leaks included) fails the test that made it.
sanitize:
	$(call preset,sanitize)
	ctest --preset sanitize -j $(JOBS)

# The core's tests built for this very processor at -O3, in build-native/.
native:
	$(call preset,native)
	ctest --preset native -j $(JOBS)

# Cross-built for 64-bit Windows in build-windows/: tolvane.exe, its installer and portable zip,
# and the tests, which run under Wine (core tests in a Wine prefix made fresh for the run, the
# window's and the installer's each in a prefix and virtual X server of their own).
windows:
	$(call preset,windows)
	ctest --preset windows -j $(JOBS)

# Built for WebAssembly with emscripten in build-web/: the engine, the form logic and their tests,
# which run under node. Debian's emscripten comes with its system libraries built, in a cache it
# never writes to, so any user can build this (an EM_CACHE of one's own would start empty, and
# emscripten would refuse to fill it).
# The site is build-web/site/; its tests run in headless Chromium as well (tests/web/).
web:
	$(call preset,web)
	ctest --preset web -j $(JOBS)

# Serves the site on this machine only; open the address it prints.
run-web:
	$(call preset,web)
	@echo "Tolvane in a browser: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	python3 -m http.server --bind 127.0.0.1 --directory build-web/site $(WEB_PORT)

# Each libFuzzer harness for FUZZ_SECONDS, from the committed seeds; what it finds new is kept
# in build-fuzz/corpus, and a crashing input is written to the current directory.
fuzz:
	$(call preset,fuzz)
	for name in convert rate_table; do \
	    mkdir -p build-fuzz/corpus/$$name && \
	    build-fuzz/fuzz/$${name}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus/$$name fuzz/corpus/$$name \
	        || exit 1; \
	done

bench: build
	build/bench/conversion_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Instructions counted by callgrind, held to bench/count/budget.txt: each start-up probe under
# Xvfb, and each kind of conversion with its baseline. Fails when a count grows more than 2 %.
# COUNT_RUNS=5 counts each that many times and shows the spread.
COUNT_RUNS ?= 1
bench-count: build
	xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 bench/count/bench_count.py \
	    build bench/count/budget.txt --runs $(COUNT_RUNS)

# Launch to first paint, peak memory and processor time, the calculator against a bare Qt window
# and against that window with the same controls, on the offscreen platform and in a real X
# server.
bench-startup: build
	QT_QPA_PLATFORM=offscreen build/bench/startup/startup_bench --runs 40
	QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/startup/startup_bench --runs 40

# Launch to first paint under Wine: a bare Win32 window, the plain window with the calculator's
# 27 controls, and the calculator, with MS P Gothic and without.
bench-startup-windows: windows
	bash bench/startup/win32/wine_startup.sh \
	    build-windows/bench/startup/win32/startup_probe_bare_win32.exe \
	    build-windows/bench/startup/win32/startup_probe_controls_win32.exe \
	    build-windows/bench/startup/win32/startup_probe_tolvane_win32.exe 40 3

# A long session of the real program: resident memory after a warm-up and after 2,000 more
# conversions.
bench-memory: build
	bash bench/memory/long_session.sh build/app/tolvane 100 2000

# In headless Chromium: navigation to a usable form against a plain page with the same controls,
# and a conversion against reading and writing one number, each a ratio within one run.
bench-web:
	$(call preset,web)
	/usr/bin/python3 bench/web/load_bench.py build-web/site build-web/bench/web 20

# Lighthouse on the site, with its mobile settings (after ./scripts/install-deps web).
lighthouse-web:
	$(call preset,web)
	bash bench/web/lighthouse.sh build-web/site tests/web/node_modules/.bin/lighthouse \
	    build-web/lighthouse.json

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-app build-sanitize build-native build-fuzz build-windows build-web
