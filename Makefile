# Pelmora: `make run` starts the program on the bundled sample, `make test` runs every test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE_DIR := build/release
DEBUG_DIR := build/debug
FUZZ_DIR := build/fuzz
# Seconds each fuzz target runs under `make fuzz`.
FUZZ_SECONDS ?= 300
SAMPLES := $(wildcard data/samples/*.xml)
SAMPLE_TEXTS := data/samples/kuolka.xml
SAMPLE_DICTIONARY := data/samples/sonastik.xml

.PHONY: all release deps test fuzz-build fuzz run bench clean

all: release

deps:
	@scripts/install-deps

release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF -DPELMORA_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS)

test: deps
	cmake -S . -B $(DEBUG_DIR) -DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON -DPELMORA_WERROR=ON
	cmake --build $(DEBUG_DIR) -j $(JOBS)
	cd $(DEBUG_DIR) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) fuzz-build
	cd $(FUZZ_DIR) && ctest --output-on-failure

# The fuzz targets: a separate clang build; `make test` runs each briefly over its seeds.
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_FUZZ=ON -DPELMORA_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Until the workbench window exists: check the sample text and dictionary, then show what the
# annotation form would propose for a token of the sample, with the sample dictionary.
run: release
	$(RELEASE_DIR)/bin/pelmora-cli check $(SAMPLE_TEXTS)
	$(RELEASE_DIR)/bin/pelmora-cli dict check $(SAMPLE_DICTIONARY)
	$(RELEASE_DIR)/bin/pelmora-cli suggest $(SAMPLE_TEXTS) --token l3_s2 --source dictionary --dict $(SAMPLE_DICTIONARY) --only-if 0

bench: release
	bash bench/roundtrip.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/search.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/editing.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/suggester.sh $(RELEASE_DIR)/bin build/bench
	bash bench/dictionary.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/query.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/gui.sh $(RELEASE_DIR)/bin build/bench

clean:
	rm -rf build
