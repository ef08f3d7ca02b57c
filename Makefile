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

.PHONY: all release deps test fuzz-build fuzz run bench screenshots clean

all: release

deps:
	@scripts/install-deps

release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF -DPELMORA_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS)

test: deps
	cmake -S . -B $(DEBUG_DIR) -DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON -DPELMORA_WERROR=ON -DPELMORA_REQUIRE_HFST=ON
	cmake --build $(DEBUG_DIR) -j $(JOBS)
	cd $(DEBUG_DIR) && ctest --output-on-failure -j $(JOBS) --repeat after-timeout:2
	$(MAKE) fuzz-build
	cd $(FUZZ_DIR) && ctest --output-on-failure

# The fuzz targets: a separate clang build; `make test` runs each briefly over its seeds.
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_FUZZ=ON -DPELMORA_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The workbench on copies of the bundled sample text and dictionary under build/demo, with a
# settings file of its own there (so neither the samples nor the user's own settings change).
# Without a display: a picture of the window in build/pelmora-sample.png, then the batch tool's
# check of the sample and what the form would propose for one of its tokens.
DEMO_DIR := build/demo
run: release
	@mkdir -p $(DEMO_DIR)
	@[ -f $(DEMO_DIR)/kuolka.xml ] || cp $(SAMPLE_TEXTS) $(DEMO_DIR)/kuolka.xml
	@[ -f $(DEMO_DIR)/sonastik.xml ] || cp $(SAMPLE_DICTIONARY) $(DEMO_DIR)/sonastik.xml
	@[ -f $(DEMO_DIR)/pelmora.ini ] || printf '[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nDictionaryPathName=%s\n' "$(CURDIR)/$(DEMO_DIR)/sonastik.xml" > $(DEMO_DIR)/pelmora.ini
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(RELEASE_DIR)/bin/pelmora --settings $(DEMO_DIR)/pelmora.ini $(DEMO_DIR)/kuolka.xml; \
	else \
	  echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): writing the window's picture to build/pelmora-sample.png instead."; \
	  QT_QPA_PLATFORM=offscreen $(RELEASE_DIR)/bin/pelmora --settings $(DEMO_DIR)/pelmora.ini \
	    --screenshot build/pelmora-sample.png $(DEMO_DIR)/kuolka.xml 2>/dev/null && echo "Wrote build/pelmora-sample.png"; \
	  $(RELEASE_DIR)/bin/pelmora-cli check $(SAMPLE_TEXTS); \
	  $(RELEASE_DIR)/bin/pelmora-cli dict check $(SAMPLE_DICTIONARY); \
	  $(RELEASE_DIR)/bin/pelmora-cli suggest $(SAMPLE_TEXTS) --token l3_s2 --source dictionary --dict $(SAMPLE_DICTIONARY) --only-if 0; \
	fi

bench: release
	bash bench/roundtrip.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/search.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/editing.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/suggester.sh $(RELEASE_DIR)/bin build/bench
	bash bench/dictionary.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/query.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/concordance.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/gui.sh $(RELEASE_DIR)/bin build/bench
	bash bench/form.sh $(RELEASE_DIR)/bin build/bench
	bash bench/analyser.sh $(RELEASE_DIR)/bin build/bench

# The pictures of the user guide (docs/guide.md) in docs/images, made anew from the sample.
screenshots: release
	scripts/screenshots $(RELEASE_DIR)

clean:
	rm -rf build
