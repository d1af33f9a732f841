# Verlo's everyday commands. Each one installs what it needs first (scripts/install-deps
# does nothing when everything is present).
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= reader savedstate julian
EXAMPLE := examples/differences.dat

.PHONY: deps build build-asan run test bench fuzz package install check-package screenshot clean

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVERLO_SANITIZE=ON -DVERLO_BUILD_BENCH=OFF

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

test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) check-package

# The Debian package: build/verlo_1.0.0_amd64.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# Installs under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The package passes lintian, installs into a scratch root, and its program works there.
check-package: package
	tests/package/check-package.sh $(BUILD)/verlo_1.0.0_amd64.deb $(EXAMPLE)

# The README's picture: the window on the example, under a private X server.
screenshot: build
	tests/package/screenshot.sh $(BUILD)/verlo $(EXAMPLE) examples/screenshot.png

bench: build
	EXTRA_PACKAGES="grace gnuplot-x11 time" scripts/install-deps
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
