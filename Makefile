# A thin wrapper over CMake presets. `make demo` and `make test` work on a fresh Debian machine:
# both install the Debian packages that are missing first. `make install PREFIX=...` installs the
# build (/usr/local by default); `make package` makes the Debian package in build/default/package.

PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            libfreetype-dev libfontconfig-dev libpng-dev libgif-dev libjpeg-dev nlohmann-json3-dev \
            fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra xfonts-75dpi xfonts-100dpi \
            libsdl2-dev libimgui-dev libgl-dev libgl1-mesa-dri xvfb xauth xdotool \
            clang libclang-rt-14-dev dpkg-dev file
JOBS ?= $(shell nproc)
VNTAB := build/default/apps/vntab/vntab
PREFIX ?= /usr/local

.PHONY: all deps build demo test soak check-asan fuzz bench measure-studio install package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${db:Status-Status}\n' $$p 2>/dev/null | grep -qx installed || echo $$p; done); \
	if [ -z "$$missing" ]; then exit 0; fi; \
	echo "Installing missing packages: $$missing"; \
	if [ "$$(id -u)" = 0 ]; then SUDO=; \
	elif command -v sudo >/dev/null 2>&1; then SUDO=sudo; \
	else echo "Cannot install as $$(id -un). Run as root:"; \
	     echo "  apt-get install -y $$missing"; exit 1; fi; \
	$$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	$$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing || \
	{ echo "Installing failed. Install by hand:"; echo "  apt-get install -y $$missing"; exit 1; }

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

demo: build
	$(VNTAB) render examples/showcase.frm -o showcase.png
	@echo "Wrote showcase.png"
	@if [ -n "$$DISPLAY" ] && [ -x build/default/apps/studio/vntab-studio ]; then \
	    build/default/apps/studio/vntab-studio examples/showcase.frm; fi

test: build
	ctest --preset default -j $(JOBS)

# The model-based soak by hand, longer than the run `make test` makes (100,000 steps, a fixed seed):
# `make soak SOAK_STEPS=1000000 SOAK_SEED=7`. A failure prints its seed and the shortest failing steps.
SOAK_STEPS ?= 1000000
SOAK_SEED ?= $(shell date +%s)
soak: build
	build/default/tests/soak/vntab_soak --steps $(SOAK_STEPS) --seed $(SOAK_SEED)

# DESTDIR stages the files elsewhere; installed for real as root, the library cache learns of libvntab.
install: build
	DESTDIR=$(DESTDIR) cmake --install build/default --prefix $(PREFIX)
	@if [ -z "$(DESTDIR)" ] && [ "$$(id -u)" = 0 ]; then ldconfig; fi

# dpkg-shlibdeps (dpkg-dev) names the libraries the package needs; it reads them with `file`.
package: build
	cd build/default && cpack --config CPackConfig.cmake
	@ls build/default/package/*.deb

check-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Runs every libFuzzer target for FUZZ_SECONDS each (clang only) and prints, a target a line, the
# inputs it ran and what it found; a finding (crash-*, leak-*, timeout-*, oom-*) is kept in
# build/fuzz/work/NAME/ and stops the run.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	@for f in build/fuzz/fuzz/*/fuzz_*; do \
	    [ -x "$$f" ] || continue; name=$$(basename $$f); corpus=fuzz/corpus/$${name#fuzz_}; \
	    work=build/fuzz/work/$$name; mkdir -p $$work/corpus; echo "== $$name ($(FUZZ_SECONDS)s)"; \
	    $$f -max_total_time=$(FUZZ_SECONDS) -timeout=30 -rss_limit_mb=4096 -artifact_prefix=$$work/ \
	        $$work/corpus $$( [ -d $$corpus ] && echo $$corpus ) > $$work/log 2>&1; status=$$?; \
	    runs=$$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' $$work/log); \
	    found=$$(ls $$work | grep -c -E '^(crash|leak|timeout|oom|slow-unit)-' || true); \
	    echo "   $$name: $${runs:-?} inputs run, $$found findings"; \
	    if [ $$status -ne 0 ]; then tail -n 40 $$work/log; exit 1; fi; done

# Each program prints its figures last, one a line (`ratio NAME VALUE`, ...). On a machine shared
# with other work, repeat and interleave the runs so that a benchmark and its floor see the same
# neighbours; the figures are then the medians.
BENCH_FLAGS ?= --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
               --benchmark_report_aggregates_only=true
bench: build
	@for b in build/default/bench/*/bench_*; do [ -x "$$b" ] && $$b $(BENCH_FLAGS); done

# Frames per second of the studio redrawing its form while its 1280x800 window is being resized, on
# a virtual display with Mesa's software renderer: with the X server's shared memory (Mesa then makes
# a new shared image for every new size) and without it.
STUDIO_MEASURE := build/default/apps/studio/vntab-studio examples/showcase.frm --size 1280x800 --measure-resize 600
measure-studio: build
	xvfb-run -a -s "-screen 0 1400x900x24" $(STUDIO_MEASURE)
	xvfb-run -a -s "-screen 0 1400x900x24 -extension MIT-SHM" $(STUDIO_MEASURE)

clean:
	rm -rf build
