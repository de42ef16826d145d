BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run bench format lint clean

all: build

deps:
	bash scripts/install-deps.sh

configure:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: deps build
	./$(BUILD_DIR)/tagwright examples/site/index.html

bench: build
	./$(BUILD_DIR)/tagwright_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tagwright_ui_bench

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# What CI checks besides the tests: the formatting, and that the tag data is
# exactly what its generator writes from the vocabulary table.
lint: deps
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run -Werror
	python3 tools/gen_tags.py --check
	python3 tools/check_layers.py src

clean:
	rm -rf $(BUILD_DIR)
