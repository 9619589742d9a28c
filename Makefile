# Two entry points: `make run` and `make test`. Both install what is missing, then build incrementally.
PRESET   ?= default
BUILD    ?= build
JOBS     ?= $(shell nproc)
DEMO     ?= data/demo/demo.gbx
PREFIX   ?= /usr/local

# ccache (when installed) shares its objects between checkouts of this tree on one machine.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: deps configure build run test asan bench screenshots clean
.PHONY: install package traductions

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja:
	cmake --preset $(PRESET)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Builds the editor alone (not the tests nor the benchmarks) before opening it.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target galbix
	$(BUILD)/src/app/galbix/galbix $(DEMO)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	test -f build-asan/build.ninja || cmake --preset asan
	cmake --build build-asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target galbix-bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/galbix-bench

# Every fuzzing target for FUZZ_SECONDS each (clang and libFuzzer, in build-fuzz/).
FUZZ_SECONDS ?= 20
.PHONY: fuzz
fuzz: deps
	test -f build-fuzz/build.ninja || CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)
	bash fuzz/lancer $(FUZZ_SECONDS) build-fuzz

# Refreshes i18n/galbix_en.ts from the texts of the sources (lupdate); translate the new
# entries (Qt Linguist, or by hand) before committing.
traductions: configure
	cmake --build $(BUILD) --target traductions

# Pictures of the windows on a 1024x768 screen with a window manager (offscreen when Xvfb or
# openbox is missing), into build/screenshots/, then those of the manual into its images.
screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target galbix-captures
	sh scripts/captures $(BUILD)/src/app/galbix/galbix-captures $(BUILD)/screenshots
	cp $(BUILD)/screenshots/*.png doc/manuel/images/
	rm -f doc/manuel/images/icones.png doc/manuel/images/sequences_ouverture.png

# Installs both programs, the menu entry, icon, file type, manual pages and manual under PREFIX
# (DESTDIR is honoured, for staged installs).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package galbix_VERSION_ARCH.deb, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) build-asan
	rm -rf build-fuzz
