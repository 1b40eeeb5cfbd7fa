# make run   – install what is missing, build, start the program
# make test  – install what is missing, build, run every test headless
#             (the end-to-end test runs on a real X server under Xvfb)
# make test-sanitize – the same tests built with ASan and UBSan (build-sanitize)
# make fuzz  – build the libFuzzer harnesses with clang and run each for
#              FUZZ_SECONDS (60 by default); FUZZERS=name… picks some
# make package – a Debian package: apt-get install ./build/qd5tastwerk_*.deb,
#                checked by lintian
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD ?= build-bench
CCACHE_FLAG := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
FUZZ_SECONDS ?= 60
FUZZERS ?=

.PHONY: setup configure build run test test-sanitize fuzz bench bench-build package lint format artwork screenshots clean

setup:
	@bash scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program reads Quonda.dat from its working folder; a vocabulary saved
# there is kept, the button set is refreshed each time.
run: build
	@mkdir -p $(BUILD)/run
	@test -f $(BUILD)/run/Quonda.dat || cp data/Quonda.dat $(BUILD)/run/
	@rm -rf $(BUILD)/run/buttons && cp -r data/buttons $(BUILD)/run/buttons
	cd $(BUILD)/run && ../src/app/qd5tastwerk

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize:
	$(MAKE) test BUILD=$(SANITIZE_BUILD) CMAKE_FLAGS="$(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DTASTWERK_SANITIZE=ON"

fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 -DTASTWERK_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZERS)
# Times every hot path against its floor; the table goes to
# docs/performance.md. The bench has a build folder of its own: the same
# optimisation as the program, but without debugging information, one
# compiler run per library (unity build) and no tests, so that a clean clone
# gets to the first scenario in a few minutes; ccache is used when present.
# CI builds it the same way (bench-build), so that it cannot rot.
bench: bench-build
	$(BENCH_BUILD)/bench/tastwerk_bench --report docs/performance.md

bench-build: setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
	  -DCMAKE_UNITY_BUILD=ON -DBUILD_TESTING=OFF -DTASTWERK_BENCH=ON $(CCACHE_FLAG) $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tastwerk_bench

# Every warning lintian may still give is explained in
# packaging/lintian-overrides; a new one fails like an error.
package: build
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error,warning --info $(BUILD)/qd5tastwerk_*.deb

format: setup
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: configure
	bash scripts/lint.sh $(BUILD)

# Redraws the program's pictures (src/widgets/common/resources) and the button set
# (data/buttons).
artwork: configure
	cmake --build $(BUILD) --target artwork

screenshots: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTASTWERK_SCREENSHOTS=ON $(CMAKE_FLAGS)
	bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
