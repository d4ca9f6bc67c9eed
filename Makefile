# make run    installs what is missing, builds Lexado and starts it
# make test   installs what is missing, builds everything with the sanitizers and warnings as
#             errors, and runs every test (the formatting check among them)
# make bench  builds the benchmarks with optimisation and runs them
# make fuzz   builds the fuzz targets with clang and libFuzzer and runs each for FUZZ_SECONDS
# make package builds the Debian package lexado_<version>_<arch>.deb in build-package/

BUILD_DIR ?= build
TEST_DIR ?= build-test
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench fuzz fuzz-build package clean format

deps:
	bash scripts/install-deps.sh --if-missing

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The program keeps its files in ~/.local/share/lexado, filled with the sample library on the
# first start.
run: build
	$(BUILD_DIR)/bin/lexado

# A build of its own, with AddressSanitizer, UndefinedBehaviorSanitizer and -Werror; then each
# fuzz target for 10 seconds on its corpus, so that what was once found stays found.
test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DLEXADO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	ctest --test-dir $(TEST_DIR) --output-on-failure -j $(JOBS)
	$(MAKE) fuzz FUZZ_SECONDS=10

# The fuzz targets of fuzz/ and the libraries they read bytes with, built by clang for
# libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DLEXADO_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: fuzz-build
	bash scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXADO_TESTS=OFF -DLEXADO_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	$(BENCH_DIR)/bench/lexado_bench
	bash bench/run-window-bench.sh $(BENCH_DIR)

# An optimised build without the tests, packed by CPack; dpkg-shlibdeps names the libraries.
package: deps
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXADO_TESTS=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS) --target package

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(PACKAGE_DIR)
