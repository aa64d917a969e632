# Литерон — build, run, test and package.
#   make run      install what the program needs, build it, start it
#   make test     install what the tests need too, build everything, run every test headless
#   make bench    the benchmarks, on a Release build
#   make package  a Debian package, checked by lintian

BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Line tables are enough for the sanitizers' and debuggers' backtraces, and compile a fifth faster.
CONFIG  := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
# Every build compiles through ccache, whose cache lies outside the clone (~/.cache/ccache): a clean
# clone on the same machine compiles only what changed since. Paths inside the clone are hashed
# relative to it, so that clones in other folders share the cache; ccache's own checks (the
# compiler, its options, every header's contents) decide a hit, so a stale cache cannot hide a
# failing build.
LAUNCH  := -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

# What building and running the program needs: a compiler, CMake, Qt (with SVG for the picture
# export, and its Russian translations for the dialogs), libjpeg, the fonts.
RUN_PACKAGES := build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev libjpeg62-turbo-dev \
                fonts-liberation fonts-urw-base35 qt6-translations-l10n ccache
# What the tests, benchmarks, fuzzing and the format check need on top.
DEV_PACKAGES := $(RUN_PACKAGES) libgtest-dev libbenchmark-dev libmuparser-dev clang \
                libclang-rt-14-dev clang-format xvfb xauth poppler-utils xdotool
# (poppler-utils renders the printed worksheet of the docs, tools/work_pictures; xdotool plays a
# pupil at the real program for tests/screens/recovery.sh.)
# What building and checking the Debian package needs on top of the program's (appstream checks
# the metainfo that software centres read).
PACKAGE_PACKAGES := $(RUN_PACKAGES) dpkg-dev lintian appstream

# Installs the missing packages of a list: $(call install,list)
define install
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
endef

.PHONY: deps deps-dev deps-package build build-dev run test format format-check monkey-asan \
        bench package clean

deps:
	$(call install,$(RUN_PACKAGES))
deps-dev:
	$(call install,$(DEV_PACKAGES))
deps-package:
	$(call install,$(PACKAGE_PACKAGES))

# The program alone: `make run` builds nothing of the tests.
build: deps
	[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) $(CONFIG) $(LAUNCH)
	cmake --build $(BUILD) --target literon -j $(JOBS)

run: build
	$(BUILD)/app/literon

build-dev: deps-dev
	cmake -S . -B $(BUILD) $(CONFIG) $(LAUNCH) -DLITERON_DEVELOPER=ON
	cmake --build $(BUILD) -j $(JOBS)

# The random walk over the window on a build with AddressSanitizer and UndefinedBehaviorSanitizer
# runs first; CTest's summary closes the output.
test: build-dev monkey-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

MONKEY_EVENTS ?= 10000
MONKEY_ENV = QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=3600000 \
  LITERON_MONKEY_EVENTS=$$(( $(MONKEY_EVENTS) / 2 )) LITERON_MONKEY_SEEDS=1 \
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
# Two walks of half the events each, with their own seeds, one per core. The second brings an
# event at every turn of a running drawing, so nearly all of it happens inside drawings.
monkey-asan: deps-dev
	cmake -S . -B $(BUILD)-asan $(CONFIG) $(LAUNCH) -DLITERON_DEVELOPER=ON -DLITERON_SANITIZE=ON
	cmake --build $(BUILD)-asan --target test_monkey -j $(JOBS)
	$(MONKEY_ENV) LITERON_MONKEY_FIRST_SEED=2 LITERON_MONKEY_NESTED_ODDS=1 \
	  $(BUILD)-asan/tests/monkey/test_monkey randomWalk \
	  > $(BUILD)-asan/monkey-seed2.log 2>&1 & second=$$!; \
	$(MONKEY_ENV) LITERON_MONKEY_FIRST_SEED=1 $(BUILD)-asan/tests/monkey/test_monkey; first=$$?; \
	wait $$second; status=$$?; cat $(BUILD)-asan/monkey-seed2.log; \
	[ $$first -eq 0 ] && [ $$status -eq 0 ]

# Every C++ file of the project in the layout of .clang-format.
CXX_FILES = git ls-files '*.cpp' '*.h'
format: deps-dev
	$(CXX_FILES) | xargs clang-format -i
format-check: deps-dev
	$(CXX_FILES) | xargs clang-format --dry-run --Werror

bench: deps-dev
	cmake -S . -B $(BUILD)-release $(LAUNCH) -DCMAKE_BUILD_TYPE=Release -DLITERON_DEVELOPER=ON
	cmake --build $(BUILD)-release -j $(JOBS) --target bench_parser bench_plot startup_bare startup_literon
	@echo "machine: $$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), $$(nproc) cores; $$(date -u +%F)"
	@for b in $(BUILD)-release/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b" \
	    --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
	    --benchmark_report_aggregates_only=true; done
	bench/startup.sh $(BUILD)-release

# literon_<version>_<arch>.deb in this folder, then appstream's verdict on its metainfo and
# lintian's on the package.
package: deps-package
	cmake -S . -B $(BUILD)-package $(LAUNCH) -DCMAKE_BUILD_TYPE=Release -DLITERON_DEVELOPER=OFF
	cmake --build $(BUILD)-package -j $(JOBS)
	rm -f $(BUILD)-package/literon_*.deb
	cd $(BUILD)-package && cpack -G DEB
	appstreamcli validate --no-net packaging/io.github.literon.Literon.metainfo.xml
	cp $(BUILD)-package/literon_*.deb .
	lintian --fail-on error --info literon_*.deb

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-release $(BUILD)-package
