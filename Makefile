# Verlo's everyday commands. Each one installs what it needs first (scripts/install-deps
# does nothing when everything is present).
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= reader savedstate julian
EXAMPLE := examples/differences.dat

.PHONY: deps build build-asan run test check bench fuzz package install check-package screenshot mutate clean

deps:
	@scripts/install-deps

# Our own builds treat warnings as errors; a plain cmake configure (a packager's) does not.
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERLO_WERROR=ON

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVERLO_SANITIZE=ON -DVERLO_WERROR=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/verlo $(EXAMPLE); \
	else \
		$(BUILD)/verlo $(EXAMPLE) --export $(BUILD)/differences.png && \
		echo "No display here: the chart of $(EXAMPLE) is in $(BUILD)/differences.png"; \
	fi

test: build build-asan check
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) check-package

# The Debian package: build/verlo_VERSION_amd64.deb, the version being the project's.
PACKAGE = $(BUILD)/verlo_$(shell sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(BUILD)/CMakeCache.txt)_amd64.deb
package: build
	cd $(BUILD) && cpack -G DEB

# Installs under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The package passes lintian, installs into a scratch root, and its program works there.
check-package: package
	tests/package/check-package.sh $(PACKAGE) $(EXAMPLE)

# The README's picture: the window on the example, under a private X server.
screenshot: build
	scripts/screenshot $(BUILD)/verlo $(EXAMPLE) examples/screenshot.png

# What a newcomer's change must keep: the format, the layers, tests at most a third of all lines.
check: deps
	scripts/check-format
	scripts/check-layers
	scripts/test-share

# Whether the tests catch the faults of scripts/mutations.txt, one at a time: prints each
# result and the share caught, and fails below 90 %. Takes about a minute a fault.
mutate: build
	scripts/mutate --build $(BUILD) --list scripts/mutations.txt

bench: build
	EXTRA_PACKAGES="grace gnuplot-x11 time" scripts/install-deps
	cmake -S . -B $(BUILD) -DVERLO_BUILD_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	$(BUILD)/bench/reader_bench
	$(BUILD)/bench/chart_bench
	$(BUILD)/bench/reload_bench
	bench/startup/run-startup.sh $(BUILD) 15
	bench/export/run-export.sh $(BUILD) 21

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERLO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$target && \
		$(FUZZ_BUILD)/tests/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
			$(FUZZ_BUILD)/corpus/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
