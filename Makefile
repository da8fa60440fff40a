# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test format clean bench sanitize

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@exec scripts/run-olva $(BUILD_DIR)/source/olva $(ARGS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite under the address and undefined-behaviour sanitizers (build-sanitize/).
sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && ctest -j $(JOBS) --output-on-failure

bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DOLVA_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format -i

clean:
	@rm -rf $(BUILD_DIR)
