# Quilnet: build, run and test on Linux (MinGW-w64 cross build, Wine to run).
BUILD ?= build
CONFIG ?= Release
TOOLCHAIN := cmake/mingw-w64-x86_64.cmake
JOBS ?= $(shell nproc)

.PHONY: all build run test screenshots bench dist setup clean

all: build

# Installs what is missing; quiet and quick when everything is there.
setup:
	@command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null && \
	  command -v ninja >/dev/null && command -v xvfb-run >/dev/null && [ -d /usr/src/googletest ] && \
	  command -v convert >/dev/null && [ -d /usr/share/wine/fonts ] || bash scripts/setup

$(BUILD)/build.ninja: CMakeLists.txt | setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DCMAKE_BUILD_TYPE=$(CONFIG)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Starts Quilnet on your display; with none, under Xvfb, and saves what it shows.
run: build
	@bash scripts/run "$(BUILD)"

# Every test, through CTest. One display for the whole run (a private Xvfb when there is none).
test: build
	@bash scripts/test "$(BUILD)" $(JOBS)

screenshots: build
	@bash scripts/screenshots "$(BUILD)"

bench: build
	cmake --build $(BUILD) --target bench_all -j $(JOBS)
	@bash bench/run "$(BUILD)"

dist: build
	@rm -f $(BUILD)/Quilnet.zip
	cd $(BUILD) && cp ../README.md . && zip -q -9 Quilnet.zip Quilnet.exe README.md && rm README.md
	@echo "$(BUILD)/Quilnet.zip"

clean:
	rm -rf $(BUILD)
