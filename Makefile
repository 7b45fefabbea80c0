# make run  — install what is missing, build, open the viewer on samples/
# make test — install what is missing, build, run every test
# make live — the viewer linked to the sample console (samples/live)
# make bench — scan, load, redraw, page-turn, convert-all and table-text timings
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake g++ make qt6-base-dev libgif-dev libgtest-dev fonts-liberation
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build test run live bench deb clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

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
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DPLOTWISE_BUILD_BENCH=ON \
	  -DPLOTWISE_BUILD_GUI=OFF -DPLOTWISE_BUILD_TESTS=OFF
	cmake --build $(BUILD)-bench -j $(JOBS) --target plotwise-bench plotwise-plot-bench \
	  plotwise-table-bench plotwise-export-bench plotwise-cli
	$(BUILD)-bench/bench/plotwise-bench
	$(BUILD)-bench/bench/plotwise-plot-bench
	$(BUILD)-bench/bench/plotwise-table-bench
	$(BUILD)-bench/bench/plotwise-export-bench
	@if command -v hyperfine >/dev/null && command -v gnuplot >/dev/null; then \
	  bench/render_compare.sh $(BUILD)-bench; \
	  bench/scan_compare.sh $(BUILD)-bench; \
	else echo "comparisons skipped: need hyperfine, gnuplot-nox, python3-matplotlib"; fi

# A Debian package of both programs, checked with lintian.
DEB_PACKAGES := dpkg-dev help2man lintian
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

clean:
	rm -rf $(BUILD)
