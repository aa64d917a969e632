# Литерон — build, run and test.
#   make run   install what is missing, build, start the program
#   make test  install what is missing, build, run every test headless

BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Every Debian package the build, tests, benchmarks and fuzzing need.
PACKAGES := build-essential cmake qt6-base-dev libgl-dev libjpeg62-turbo-dev \
            libgtest-dev libbenchmark-dev libmuparser-dev clang libclang-rt-14-dev \
            fonts-liberation fonts-urw-base35 xvfb xauth

.PHONY: deps build run test monkey-asan bench clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/literon

# The random walk over the window on a build with AddressSanitizer and UndefinedBehaviorSanitizer
# runs first; CTest's summary closes the output.
test: build monkey-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

MONKEY_EVENTS ?= 10000
MONKEY_ENV = QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=3600000 \
  LITERON_MONKEY_EVENTS=$$(( $(MONKEY_EVENTS) / 2 )) LITERON_MONKEY_SEEDS=1 \
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
# Two walks of half the events each, with their own seeds, one per core. The second brings an
# event at every turn of a running drawing, so nearly all of it happens inside drawings.
monkey-asan: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLITERON_SANITIZE=ON
	cmake --build $(BUILD)-asan --target test_monkey -j $(JOBS)
	$(MONKEY_ENV) LITERON_MONKEY_FIRST_SEED=2 LITERON_MONKEY_NESTED_ODDS=1 \
	  $(BUILD)-asan/tests/monkey/test_monkey randomWalk \
	  > $(BUILD)-asan/monkey-seed2.log 2>&1 & second=$$!; \
	$(MONKEY_ENV) LITERON_MONKEY_FIRST_SEED=1 $(BUILD)-asan/tests/monkey/test_monkey; first=$$?; \
	wait $$second; status=$$?; cat $(BUILD)-asan/monkey-seed2.log; \
	[ $$first -eq 0 ] && [ $$status -eq 0 ]

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done
	bench/startup.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD)-asan
