# Velmora developer commands. `make run` and `make test` are the two that matter.
JOBS ?= $(shell nproc)
CMAKE ?= cmake

.PHONY: all deps run build-release build-debug test bench fuzz format clean

all: build-release

deps:
	@bash scripts/install-deps.sh

build-release: deps
	$(CMAKE) --preset release
	$(CMAKE) --build --preset release -j $(JOBS)

build-debug: deps
	$(CMAKE) --preset debug
	$(CMAKE) --build --preset debug -j $(JOBS)

run: build-release
	./build/release/src/gui/velmora $(ARGS)

test: build-debug
	cd build/debug && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	$(CMAKE) --preset bench
	$(CMAKE) --build --preset bench -j $(JOBS)
	@for b in build/bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

fuzz: deps
	$(CMAKE) --preset fuzz
	$(CMAKE) --build --preset fuzz -j $(JOBS)
	@bash scripts/run-fuzzers.sh build/fuzz/tests/fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
