# Pelmora: `make run` starts the program on the bundled sample, `make test` runs every test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE_DIR := build/release
DEBUG_DIR := build/debug
FUZZ_DIR := build/fuzz
# Seconds each fuzz target runs under `make fuzz`.
FUZZ_SECONDS ?= 300
# The sample session `make run` opens: a half-annotated text with its recording, and its dictionary.
SAMPLE_SESSION := data/samples/kalamiez
SAMPLE_TEXT := $(SAMPLE_SESSION)/kalamiez.xml
SAMPLE_DICTIONARY := data/samples/kalamiez_sonastik.xml
XSL := data/xsl

.PHONY: all release deps test fuzz-build fuzz run bench screenshots package clean

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

# The workbench on copies of the sample session under build/sample (the text with its recording
# and style sheets in kalamiez/, the dictionary beside that folder, as a shared one would be), with
# a settings file of its own there, so neither the samples nor the user's own settings change.
# Without a display: a picture of the window in build/pelmora-sample.png, then the batch tool's
# check of the sample and what the form would propose for a token not yet annotated.
DEMO_DIR := build/sample
DEMO_TEXT := $(DEMO_DIR)/kalamiez/kalamiez.xml
run: release
	@mkdir -p $(DEMO_DIR)/kalamiez
	@cp -n $(SAMPLE_TEXT) $(SAMPLE_SESSION)/kalamiez.mp3 $(XSL)/pelmora_tekst.xsl $(XSL)/pelmora_paring.xsl \
	  $(XSL)/zobe_pr_sonastik.xsl $(DEMO_DIR)/kalamiez/
	@cp -n $(SAMPLE_DICTIONARY) $(XSL)/zobe_sonastik.xsl $(DEMO_DIR)/
	@[ -f $(DEMO_DIR)/pelmora.ini ] || printf '[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nNewToDictionary=1\nTamberlin=0\nDictionaryPathName=%s\n' "$(CURDIR)/$(DEMO_DIR)/kalamiez_sonastik.xml" > $(DEMO_DIR)/pelmora.ini
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(RELEASE_DIR)/bin/pelmora --settings $(DEMO_DIR)/pelmora.ini $(DEMO_TEXT); \
	else \
	  echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): writing the window's picture to build/pelmora-sample.png instead."; \
	  QT_QPA_PLATFORM=offscreen $(RELEASE_DIR)/bin/pelmora --settings $(DEMO_DIR)/pelmora.ini \
	    --screenshot build/pelmora-sample.png $(DEMO_TEXT) 2>/dev/null && echo "Wrote build/pelmora-sample.png"; \
	  $(RELEASE_DIR)/bin/pelmora-cli check $(SAMPLE_TEXT); \
	  $(RELEASE_DIR)/bin/pelmora-cli dict check $(SAMPLE_DICTIONARY); \
	  $(RELEASE_DIR)/bin/pelmora-cli suggest $(SAMPLE_TEXT) --token l17_s2 --source dictionary --dict $(SAMPLE_DICTIONARY) --only-if 0; \
	fi

# The Debian package of the release build: build/pelmora_<version>_<arch>.deb (apt install ./...).
# Only what the package holds is built: the two programs and their man pages.
package: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF -DPELMORA_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target pelmora pelmora-cli pelmora_package_files
	rm -rf $(RELEASE_DIR)/cpack
	cd $(RELEASE_DIR) && cpack -G DEB -B $(CURDIR)/$(RELEASE_DIR)/cpack
	rm -f build/pelmora_*.deb
	cp $(RELEASE_DIR)/cpack/pelmora_*.deb build/
	@ls build/pelmora_*.deb

bench: release
	bash bench/roundtrip.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/search.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/editing.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/suggester.sh $(RELEASE_DIR)/bin build/bench
	bash bench/dictionary.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/query.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/concordance.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/overview.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/exchange.sh $(RELEASE_DIR)/bin/pelmora-cli build/bench
	bash bench/gui.sh $(RELEASE_DIR)/bin build/bench
	bash bench/dictionarytable.sh $(RELEASE_DIR)/bin build/bench
	bash bench/form.sh $(RELEASE_DIR)/bin build/bench
	bash bench/analyser.sh $(RELEASE_DIR)/bin build/bench

# The pictures of the user guide (docs/guide.md) in docs/images, made anew from the sample.
screenshots: release
	scripts/screenshots $(RELEASE_DIR)
	scripts/screenshots --language en $(RELEASE_DIR)

clean:
	rm -rf build
