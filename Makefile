# Two entry points: `make run` and `make test`. Both install missing Debian
# packages first, then build with CMake in ./build.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench release clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The program starts in the folder holding the built catalogue and sketches,
# so it opens without asking for the file.
run: build
	cd $(BUILD_DIR)/sample && ../app/pilecorr

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The build an installer or a packager makes: optimised, and warning-free too.
release: deps
	cmake -S . -B $(BUILD_DIR)-release -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR)-release -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/pilecorr_bench

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-release
