BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run bench format clean

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
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
