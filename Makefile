# Thin wrapper over the CMake presets; see README.md.
.PHONY: all deps configure build run test asan fuzz windows windows-test screenshots-windows bench screenshots package install format format-check clean

all: build

deps:
	@scripts/install-deps

build/build.ninja: | deps
	cmake --preset default

configure: build/build.ninja

build: deps configure
	cmake --build --preset default

run: build
	./build/zerlin

test: build
	ctest --preset default

build-asan/build.ninja: | deps
	cmake --preset asan

asan: deps build-asan/build.ninja
	cmake --build --preset asan
	ctest --preset asan

# Each reader fuzzed for FUZZ_SECONDS, from the seeds in tests/fuzz/seeds and what earlier
# runs found; a crash leaves its input in build-fuzz/.
FUZZ_SECONDS ?= 60
build-fuzz/build.ninja: | deps
	@scripts/install-deps fuzz
	cmake --preset fuzz

fuzz: deps build-fuzz/build.ninja
	@scripts/install-deps fuzz
	cmake --build --preset fuzz
	@for target in $$(cat build-fuzz/fuzz_targets.txt); do \
	  mkdir -p build-fuzz/corpus/$$target && echo "fuzz: $$target for $(FUZZ_SECONDS) s" && \
	  (cd build-fuzz && ./tests/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    -timeout=10 -print_final_stats=1 corpus/$$target ../tests/fuzz/seeds/$$target \
	    >$$target.log 2>&1); status=$$?; \
	  grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|artifact)' build-fuzz/$$target.log; \
	  [ $$status -eq 0 ] || exit $$status; \
	done

# Zerlin for 64-bit Windows, cross-built with MinGW-w64 against a Qt that
# scripts/build-qt-windows builds once per machine (about a quarter of an hour) and caches;
# packed as a zip and as an installer.
windows:
	@scripts/install-deps windows
	@qt="$$(scripts/build-qt-windows)" && mkdir -p build-windows && echo "$$qt" >build-windows/qt-prefix && \
	  ZRL_QT_WINDOWS="$$qt" cmake --preset windows >/dev/null && \
	  ZRL_QT_WINDOWS="$$qt" cmake --build --preset windows && scripts/package-windows "$$qt"

# The core and window tests under Wine through CTest, the built program's resources, the
# program itself in a real window under Wine on Xvfb, and the installer in a fresh prefix.
windows-test: windows
	@# One Wine session for the whole run, made (with the prefix, the first time) before
	@# the tests are listed. A test Wine fails to start (no output at all, seen once in some
	@# hundreds of runs) is run once more: the windows preset repeats a failure until a pass.
	ZRL_QT_WINDOWS="$$(cat build-windows/qt-prefix)" scripts/wine-session ctest --preset windows -j2
	/usr/bin/python3 tests/release/check_windows_exe.py build-windows/zerlin-1.00-windows-x64/zerlin.exe
	tests/wine/check_windows_window.sh build-windows/zerlin-1.00-windows-x64
	tests/wine/check_installer.sh build-windows/zerlin-1.00-windows-x64-setup.exe

# docs/windows.png: the editor with an A drawn, as Wine draws it with the Windows style.
screenshots-windows: windows
	tests/wine/check_windows_window.sh build-windows/zerlin-1.00-windows-x64 docs/windows.png

bench: build
	./build/bench/core_bench
	./build/bench/main_window_bench
	./build/bench/conversion_bench
	xvfb-run -a -s "-screen 0 1024x768x24" ./build/bench/startup_bench
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" ./build/bench/about_cycles_bench

screenshots: build
	scripts/screenshots

package: build
	cd build && cpack -G DEB

install: build
	cmake --install build

format:
	clang-format -i $$(find src tests bench scripts -name '*.cpp' -o -name '*.h')

format-check:
	clang-format --dry-run -Werror $$(find src tests bench scripts -name '*.cpp' -o -name '*.h')

clean:
	rm -rf build build-asan build-fuzz build-windows
