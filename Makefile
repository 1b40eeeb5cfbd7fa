# make run   – install what is missing, build, start the program
# make test  – install what is missing, build, run every test headless
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: setup configure build run test lint format artwork screenshots clean

setup:
	@bash scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p $(BUILD)/run
	cd $(BUILD)/run && ../src/qd5tastwerk

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

format: setup
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: configure
	bash scripts/lint.sh $(BUILD)

artwork: configure
	cmake --build $(BUILD) --target artwork

screenshots: build
	bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
