# Thin wrapper over the CMake presets; see README.md.
.PHONY: all deps configure build run test asan bench screenshots package install format format-check clean

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

bench: build
	./build/bench/core_bench
	./build/bench/main_window_bench
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
	rm -rf build build-asan
