# The two set-up commands: `make run` and `make test`. Both install what is missing first.
# `make install` (PREFIX, DESTDIR), `make uninstall` and `make package` (a Debian package).
BUILD ?= build
JOBS ?= 2
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: deps configure build run test bench fuzz sanitize screenshots clean install uninstall package

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNALO_BENCH=OFF >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/app/nalo $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DNALO_GUI=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@bash scripts/run-benchmarks.sh build-bench

sanitize: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNALO_SANITIZE=ON -DNALO_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNALO_FUZZ=ON -DNALO_GUI=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@bash scripts/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# The file list is kept apart from CMake's install_manifest.txt, which every later
# install from this build (the install test too) writes over.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@cp $(BUILD)/install_manifest.txt $(BUILD)/installed_files.txt

uninstall:
	@DESTDIR="$(DESTDIR)" bash scripts/uninstall.sh $(BUILD)/installed_files.txt

package: build
	cd $(BUILD) && cpack -G DEB

screenshots: build
	@bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD) build-bench build-asan build-fuzz
