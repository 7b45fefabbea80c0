# make run  — install what is missing, build, open the viewer on samples/
# make test — install what is missing, build, run every test
# make live — the viewer linked to the sample console (samples/live)
# make bench — one table of timings against their goals: scan, load, redraw,
#   page turns, convert all, table text, the archive index, and whole runs of plotwise-cli
#   against a scan floor and gnuplot/matplotlib (skipped when not installed);
#   then stats against scan and outliers over 2,000 curves
# make fuzz — every fuzz target for FUZZ_SECONDS (default 60) each (clang)
# make sanitize — the whole test suite with ASan and UBSan (gcc)
# make coverage — the whole test suite on a Debug build with --coverage; prints the line coverage of src/ and cli/
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake g++ make qt6-base-dev libgif-dev zlib1g-dev libgtest-dev fonts-liberation man-db libfontconfig-dev libqt6sql6-sqlite libqt6sql6-psql postgresql
FUZZ_PACKAGES := clang libclang-rt-dev python3
# The system's Python, which has Debian's python3-matplotlib when installed.
BENCH_PYTHON ?= $(shell [ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= $(JOBS)
SANITIZE_BUILD ?= build-sanitize
COVERAGE_BUILD ?= build-coverage
COVERAGE_PACKAGES := gcovr
# The project's floor for the line coverage of src/ and cli/, in percent.
COVERAGE_MIN ?= 94
# The sanitizer run CI makes: only the tests that need no window.
SANITIZE_GUI ?= ON
# ccache, when installed, keeps rebuilds and other build folders cheap.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps fuzz-deps build test run live bench deb fuzz sanitize coverage clean

all: build

# Installs the packages named in PACKAGES when any is missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps:
	$(call install_missing,$(FUZZ_PACKAGES))

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(LAUNCHER)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The viewer starts in its working folder, so it opens on samples/.
run: build
	@if [ -x $(BUILD)/app/plotwise ]; then cd samples && ../$(BUILD)/app/plotwise; \
	else $(BUILD)/cli/plotwise-cli scan samples; fi

# The viewer linked to the console installation in samples/live: its settings
# are regenerated for this folder first. Tick REFRESH, then run
# python3 tools/live_feed.py to see new results arrive.
live: build
	python3 tools/gen_samples.py --quiet
	cd samples/live && PLOTWISE_HOME="$$PWD" XDG_DATA_HOME="$$PWD/appdata" ../../$(BUILD)/app/plotwise

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) -DPLOTWISE_BUILD_BENCH=ON \
	  -DPLOTWISE_BUILD_GUI=OFF -DPLOTWISE_BUILD_TESTS=OFF
	cmake --build $(BUILD)-bench -j $(JOBS) --target plotwise-bench plotwise-plot-bench \
	  plotwise-table-bench plotwise-export-bench plotwise-stats-bench plotwise-archive-bench plotwise-cli
	$(BENCH_PYTHON) bench/bench_table.py $(BUILD)-bench
	$(BUILD)-bench/bench/plotwise-stats-bench $(BUILD)-bench/cli/plotwise-cli
	$(BUILD)-bench/bench/plotwise-archive-bench

# A Debian package of both programs, checked with lintian.
DEB_PACKAGES := dpkg-dev lintian
deb: deps
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	cmake -S . -B $(BUILD)-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DPLOTWISE_BUILD_TESTS=OFF
	cmake --build $(BUILD)-deb -j $(JOBS)
	cd $(BUILD)-deb && cpack -G DEB
	lintian --fail-on error $(BUILD)-deb/plotwise_*.deb

# The fuzz targets in their own build folder (clang, libFuzzer, ASan, UBSan),
# each run for FUZZ_SECONDS from a seed corpus of samples/ and the test
# fixtures; ends with one line per target. A finding's input belongs under
# tests/fuzz/regressions/<target>/ once its fault is fixed.
fuzz: deps fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPLOTWISE_BUILD_FUZZ=ON -DPLOTWISE_BUILD_GUI=OFF -DPLOTWISE_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target plotwise_fuzz_targets
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS)

# The test suite built with ASan and UBSan (gcc, -O1); any report fails its
# test. SANITIZE_GUI=OFF leaves out the window and its tests.
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER) -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DPLOTWISE_SANITIZE=ON -DPLOTWISE_BUILD_GUI=$(SANITIZE_GUI)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Line coverage of src/ and cli/ from the whole test suite (gcc --coverage,
# Debug; counters updated atomically, since the outlier search loads curves on
# several threads). Counters of an earlier run are cleared first; the table per file
# is left in $(COVERAGE_BUILD)/coverage.txt. A failing test, or coverage
# below COVERAGE_MIN, fails the target after the figures are printed.
# No compiler cache here: a cached object keeps the counter file path of the
# folder it was first compiled in, so another checkout's tests would count
# into that folder's files.
coverage: deps
	$(call install_missing,$(COVERAGE_PACKAGES))
	cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER_LAUNCHER= \
	  -DCMAKE_CXX_FLAGS="--coverage -fprofile-update=atomic" \
	  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS); \
	tests=$$?; cd $(CURDIR) && \
	gcovr -r . -j $(JOBS) --filter src/ --filter cli/ --exclude tests/ --fail-under-line $(COVERAGE_MIN) \
	  --txt $(COVERAGE_BUILD)/coverage.txt $(COVERAGE_BUILD); covered=$$?; \
	grep -E '^TOTAL' $(COVERAGE_BUILD)/coverage.txt; [ $$tests -eq 0 ] && [ $$covered -eq 0 ]

clean:
	rm -rf $(BUILD)
