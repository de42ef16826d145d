BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: ftp-server all deps configure build test test-asan test-asan-core test-tsan fuzz run bench package format lint clean

all: build

deps:
	bash scripts/install-deps.sh

configure:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The tests again under sanitizers, each in a build folder of its own. A
# finding stops the test that made it, so ctest reports it as a failure.
SANITIZED_CMAKE = cmake -S . -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGWRIGHT_BUILD_BENCH=OFF
ASAN_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
ASAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
TSAN_ENV = TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp"

test-asan: deps
	$(SANITIZED_CMAKE) -B build-asan -DCMAKE_CXX_FLAGS="$(ASAN_FLAGS)"
	cmake --build build-asan -j $(JOBS)
	cd build-asan && $(ASAN_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The core tests and the checker only (no Qt), for a CI run that must stay short.
test-asan-core: deps
	$(SANITIZED_CMAKE) -B build-asan-core -DTAGWRIGHT_BUILD_UI=OFF -DCMAKE_CXX_FLAGS="$(ASAN_FLAGS)"
	cmake --build build-asan-core -j $(JOBS)
	cd build-asan-core && $(ASAN_ENV) ctest --output-on-failure -j $(JOBS)

test-tsan: deps
	$(SANITIZED_CMAKE) -B build-tsan -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer"
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && $(TSAN_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every libFuzzer target for FUZZ_SECONDS each, with clang, in fuzz-build/.
FUZZ_SECONDS ?= 300
fuzz:
	cmake -S . -B fuzz-build -DCMAKE_CXX_COMPILER=clang++ -DTAGWRIGHT_FUZZ=ON -DTAGWRIGHT_BUILD_UI=OFF \
		-DTAGWRIGHT_BUILD_TESTS=OFF -DTAGWRIGHT_BUILD_BENCH=OFF
	cmake --build fuzz-build -j $(JOBS)
	mkdir -p fuzz-build/corpus/html fuzz-build/corpus/project
	for target in fuzz_tag_scanner fuzz_code_checker fuzz_tag_data; do \
		fuzz-build/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) fuzz-build/corpus/html tests/data || exit 1; \
	done
	fuzz-build/fuzz/fuzz_project_file -max_total_time=$(FUZZ_SECONDS) fuzz-build/corpus/project examples/site

# The example project is tried out on a copy under the build folder, so that
# nothing the program saves changes the tracked files.
run: deps build
	[ -d $(BUILD_DIR)/example-site ] || cp -r examples/site $(BUILD_DIR)/example-site
	./$(BUILD_DIR)/tagwright $(BUILD_DIR)/example-site/site.prj $(BUILD_DIR)/example-site/index.html

# A local FTP server for the example project (127.0.0.1:2121, its login
# "baker" with any password); the uploaded site lands in $(BUILD_DIR)/ftp-site.
FTP_PYTHON := $(shell [ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)
ftp-server: deps
	$(FTP_PYTHON) scripts/ftp-test-server.py --root $(BUILD_DIR)/ftp-site --port 2121 --open-login baker

bench: build
	./$(BUILD_DIR)/tagwright_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tagwright_ui_bench

# The Debian package, with its dependencies computed by dpkg-shlibdeps:
# $(BUILD_DIR)/tagwright_<version>_<arch>.deb.
package: deps build
	cd $(BUILD_DIR) && cpack -G DEB

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# What CI checks besides the tests: the formatting, and that the tag data is
# exactly what its generator writes from the vocabulary table.
lint: deps
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run -Werror
	python3 tools/gen_tags.py --check
	python3 tools/check_layers.py src

clean:
	rm -rf $(BUILD_DIR) build-asan build-asan-core build-tsan fuzz-build
