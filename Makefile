# The two set-up commands of the README: `make run` and `make test`.
# Both install whatever is missing, configure and build first; `make run` builds only the
# game and its data, `make test` everything else too.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps deps-game configure configure-game game build run test asan-test bench install clean fuzz soak soak-asan

all: build

# What the game alone needs (make run), and what everything needs (make test).
deps-game:
	@bash scripts/install-deps game
deps:
	@bash scripts/install-deps all

CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX)

# CMake runs each time (quick when nothing changed), so a new PREFIX reaches the game's built-in
# data path. A build folder first made for the game alone leaves the tests and benchmarks out,
# which need packages the game does not; configure turns them on.
configure-game: deps-game
	$(CONFIGURE) $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DZEM_TESTS=OFF -DZEM_BENCH=OFF) $(CMAKE_ARGS)

configure: deps
	$(CONFIGURE) -DZEM_TESTS=ON -DZEM_BENCH=ON $(CMAKE_ARGS)

# The game and the data it loads, nothing else.
game: configure-game
	cmake --build $(BUILD) -j $(JOBS) --target zem zem_assets

# Everything: the game, the headless runner, the tests and the benchmarks.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: game
	cd $(BUILD)/run && ./zem

# Every test: the normal build (unit, render and end-to-end tests),
# then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# a short soak and a short run of every fuzz target.
test: build
	cd $(BUILD) && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)
	$(MAKE) asan-test
	$(MAKE) soak-asan SOAK_FRAMES=20000 SOAK_STRICT= SOAK_TOLERANCE=0.5 SOAK_ROUTES=
	$(MAKE) fuzz FUZZ_TIME=10

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

# Every fuzz target (tools: clang, libFuzzer) for FUZZ_TIME seconds, after its regression inputs.
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 300
fuzz: build
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(BUILD)/run $(FUZZ_TIME)

# zem-headless on a long seeded random key timeline: under the sanitizers, then rendering.
SOAK_FRAMES ?= 200000
# The recorded routes the soak's stages follow for a while, so that it reaches every part of them.
SOAK_ROUTES ?= $(wildcard tests/e2e/data/stage-*.keys)
SOAK_ROUTE_OPTIONS = $(foreach route,$(SOAK_ROUTES),--route $(route))
SOAK_SEED   ?= 1
SOAK_STRICT ?= --strict
# The brief soak of `make test` is there for the sanitizers; a few seconds are too short to
# judge the allocator's creep, so it only catches runaway growth.
SOAK_TOLERANCE ?= 0.2
# Under the sanitizers the allocator's own memory creeps by several percent over a long run,
# so that run is held to 20 %; the game's own memory is held to 5 % by the release build.
soak: soak-asan
	python3 tools/soak/soak.py --headless $(BUILD)/run/zem-headless --dir $(BUILD)/run \
	  --frames $(SOAK_FRAMES) --seed $(SOAK_SEED) --warmup 2 $(SOAK_ROUTE_OPTIONS)
	python3 tools/soak/soak.py --headless $(BUILD)/run/zem-headless --dir $(BUILD)/run \
	  --frames 20000 --seed $(SOAK_SEED) --render --max-mib 400

soak-asan: build
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZEM_SANITIZE=ON -DZEM_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target zem-headless
	python3 tools/soak/soak.py --headless $(ASAN_BUILD)/run/zem-headless --dir $(BUILD)/run \
	  --frames $(SOAK_FRAMES) --seed $(SOAK_SEED) --tolerance $(SOAK_TOLERANCE) $(SOAK_STRICT) $(SOAK_ROUTE_OPTIONS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
