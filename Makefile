# Verlo's everyday commands. Each one installs what it needs first (scripts/install-deps
# does nothing when everything is present). The builds are CMake's presets (CMakePresets.json).
JOBS ?= $(shell nproc)
BUILD := build
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= reader savedstate julian
EXAMPLE := examples/differences.dat

.PHONY: deps build build-asan run test check bench fuzz package install check-package screenshot mutate clean

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake --preset plain

build-asan/CMakeCache.txt:
	cmake --preset sanitize

build: deps $(BUILD)/CMakeCache.txt
	cmake --build --preset plain -j $(JOBS)

build-asan: deps build-asan/CMakeCache.txt
	cmake --build --preset sanitize -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/verlo $(EXAMPLE); \
	else \
		$(BUILD)/verlo $(EXAMPLE) --export $(BUILD)/differences.png && \
		echo "No display here: the chart of $(EXAMPLE) is in $(BUILD)/differences.png"; \
	fi

test: build build-asan check
	ctest --preset plain -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)
	$(MAKE) check-package

# The Debian package, build/verlo_VERSION_ARCH.deb, the version being the project's.
package: build
	cmake --build --preset plain --target package

# Installs under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The package passes lintian, installs into a scratch root, and its program works there.
check-package: build
	cmake --build --preset plain --target check_package

# The README's picture: the window on the example, under a private X server.
screenshot: build
	scripts/screenshot $(BUILD)/verlo $(EXAMPLE) examples/screenshot.png

# What a newcomer's change must keep: the format, the layers, test lines (blanks and comments
# left out) at most 0.34 of code lines, and a mutation list whose every fault still finds the
# text it changes.
check: deps
	scripts/check-format
	scripts/check-layers
	scripts/test-share
	scripts/mutate --check scripts/mutations.txt

# Whether the tests catch the faults of scripts/mutations.txt, one at a time: prints each
# result and the share caught, and fails below 95 %. Takes an hour or more on two cores.
mutate: build
	scripts/mutate --build $(BUILD) --list scripts/mutations.txt

bench: deps
	EXTRA_PACKAGES="grace gnuplot-x11 time" scripts/install-deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	$(BUILD)/bench/reader_bench
	$(BUILD)/bench/chart_bench
	$(BUILD)/bench/reload_bench
	$(BUILD)/bench/statistics_bench
	$(BUILD)/bench/stability_bench
	bench/startup/run-startup.sh $(BUILD) 15
	bench/export/run-export.sh $(BUILD) 21
	bench/millions/run-millions.sh $(BUILD) 5
	bench/watch/run-soak.sh $(BUILD) 60

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$target && \
		$(FUZZ_BUILD)/tests/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
			$(FUZZ_BUILD)/corpus/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

clean:
	rm -rf $(BUILD) build-asan $(FUZZ_BUILD)
