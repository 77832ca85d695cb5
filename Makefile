# Two entry points: `make run` and `make test`. Both install missing Debian
# packages first, then build with CMake in ./build.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench release package sanitize fuzz screenshots format check-format clean

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

# A Debian package of the Release build (build-release/pilecorr_*.deb):
# the programs, the sample catalogue, the menu entry, the icon, the manual.
package: release
	cmake --build $(BUILD_DIR)-release --target package

# The fuzz targets (fuzz/), built with clang's libFuzzer and the sanitizers,
# each run for FUZZ_SECONDS from its seeds; the corpus grows in
# build-fuzz/fuzz-runs/ from one run to the next.
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_DIR)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPILECORR_FUZZ=ON -DPILECORR_BUILD_GUI=OFF -DPILECORR_BUILD_BENCH=OFF -DPILECORR_BUILD_TESTS=OFF -DPILECORR_WERROR=OFF
	cmake --build $(BUILD_DIR)-fuzz -j $(JOBS)
	./scripts/run-fuzzers $(BUILD_DIR)-fuzz $(FUZZ_SECONDS)

# The whole suite, GUI tests included, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in Debug: any finding stops the test that meets it.
sanitize: deps
	cmake -S . -B $(BUILD_DIR)-sanitize -DCMAKE_BUILD_TYPE=Debug -DPILECORR_SANITIZE=ON -DPILECORR_BUILD_BENCH=OFF
	cmake --build $(BUILD_DIR)-sanitize -j $(JOBS)
	cd $(BUILD_DIR)-sanitize && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/pilecorr_bench
	$(BUILD_DIR)/bench/pilecorr_gui_bench

# Pictures of the four pages, the about box and the corrosion table window for
# the README and the user guide: the program plays docs/screenshots.script on
# the sample catalogue under a virtual X server and saves them into
# docs/images/. SCREENSHOT_SCALE=1.5 draws them as on a 144 pixels-per-inch
# screen (SCREENSHOT_DIR picks another folder).
SCREENSHOT_DIR ?= $(CURDIR)/docs/images
SCREENSHOT_SCALE ?= 1
screenshots: build
	./scripts/install-deps
	mkdir -p $(SCREENSHOT_DIR)
	rm -f $(abspath $(BUILD_DIR))/screenshots.ini
	cd $(BUILD_DIR)/sample && QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$(SCREENSHOT_SCALE) \
	  xvfb-run -a -s "-screen 0 1600x1200x24" ../app/pilecorr --script $(CURDIR)/docs/screenshots.script \
	  --settings $(abspath $(BUILD_DIR))/screenshots.ini --screenshots $(abspath $(SCREENSHOT_DIR))

# The layout of the C++ sources: `make format` rewrites them with the
# project's .clang-format, `make check-format` fails on a difference (CI).
format: deps
	./scripts/check-format --fix

check-format: deps
	./scripts/check-format

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-release $(BUILD_DIR)-sanitize $(BUILD_DIR)-fuzz
