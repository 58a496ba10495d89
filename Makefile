# The two set-up commands of the README: `make run` and `make test`.
# Both install whatever is missing, configure and build first; `make run` builds only the
# game and its data, `make test` everything else too.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps configure game build run test asan-test bench install clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt

# The game and the data it loads, nothing else.
game: configure
	cmake --build $(BUILD) -j $(JOBS) --target zem zem_assets

# Everything: the game, the headless runner, the tests and the benchmarks.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: game
	cd $(BUILD)/run && ./zem

# Every test: the normal build (unit, render and end-to-end tests),
# then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build
	cd $(BUILD) && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)
	$(MAKE) asan-test

asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZEM_SANITIZE=ON -DZEM_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target zem_unit_tests
	cd $(ASAN_BUILD) && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -L unit

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target zem_bench zem_assets
	cd $(BUILD)/run && ../bench/zem_bench

# PREFIX=/usr DESTDIR=/tmp/stage for a package; the game finds its data from wherever it lands.
install: game
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
