# The two everyday commands are `make run` and `make test`; each installs
# what it needs first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test sanitize bench fuzz deps play-deps configure play-configure build clean shots web web-deps web-serve web-test web-shot \
        windows windows-deps windows-configure windows-zip windows-installer windows-test

# `make run` needs only what builds and plays the game; everything else
# installs the test tools too (scripts/install-deps.sh tells which is which).
deps:
	@scripts/install-deps.sh test

play-deps:
	@scripts/install-deps.sh play

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

play-configure: play-deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: play-configure
	@cmake --build $(BUILD) -j $(JOBS) --target lumora art default_data
	cd $(BUILD) && ./lumora

test: build web
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory web-test
	$(MAKE) --no-print-directory windows-test

# The game in a browser page, built into $(WEB) with Emscripten. FreeType for
# WebAssembly is built once and kept in $(WEB)/.work; the art comes from the
# native build.
WEB ?= build-web
WEB_WORK := $(WEB)/.work
export NODE_PATH := /usr/share/nodejs
web-deps:
	@scripts/install-deps.sh web

web: web-deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target art
	@scripts/build-web-freetype.sh $(WEB_WORK)/freetype
	@emcmake cmake -S web -B $(WEB_WORK)/cmake -DCMAKE_BUILD_TYPE=Release -DNATIVE_BUILD=$(abspath $(BUILD)) \
	  -DFREETYPE_PREFIX=$(abspath $(WEB_WORK)/freetype) -DPAGE_DIR=$(abspath $(WEB)) >/dev/null
	@cmake --build $(WEB_WORK)/cmake -j $(JOBS)
	@echo "The page is in $(WEB)/: make web-serve serves it."

web-serve: web
	@echo "Serving $(WEB)/ at http://localhost:8080/ (Ctrl-C stops)"
	@web/serve.py $(WEB) 8080

# The Windows edition, cross-built with MinGW-w64 into $(WINDOWS): lumora.exe
# beside the folders it reads. SDL2 and FreeType for Windows are built once
# into $(WINDOWS_WORK)/libs; the art comes from the native build.
WINDOWS ?= build-windows
WINDOWS_WORK := $(WINDOWS)/.work
windows-deps:
	@scripts/install-deps.sh windows

windows-configure: windows-deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target art
	@scripts/build-windows-libs.sh $(WINDOWS_WORK)/libs
	@cmake -S windows -B $(WINDOWS_WORK)/cmake -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/windows/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DLUMORA_WINDOWS_LIBS=$(abspath $(WINDOWS_WORK)/libs) \
	  -DNATIVE_BUILD=$(abspath $(BUILD)) -DGAME_DIR=$(abspath $(WINDOWS)) >/dev/null

windows: windows-configure
	@cmake --build $(WINDOWS_WORK)/cmake -j $(JOBS)
	@echo "The Windows game is $(WINDOWS)/lumora.exe, beside its folders."

# The download, $(WINDOWS)/lumora-<version>-windows-x64.zip.
windows-zip: windows
	@cmake --build $(WINDOWS_WORK)/cmake --target zip

# The installer for one player, $(WINDOWS)/lumora-<version>-windows-x64-setup.exe.
windows-installer: windows
	@cmake --build $(WINDOWS_WORK)/cmake --target installer

# The test suite cross-built and run under Wine, the checks of the download
# and the installer, and the game in a real window under Wine against the
# native script runner's headless frame.
windows-test: windows-configure
	@# The window check compares with the headless game's frames.
	@cmake --build $(BUILD) -j $(JOBS) --target script_runner
	@cmake --build $(WINDOWS_WORK)/cmake -j $(JOBS) --target all zip installer lumora_tests
	ctest --test-dir $(WINDOWS_WORK)/cmake --output-on-failure -j $(JOBS)

# The page in headless Chromium, against frames of the headless game.
node_modules/.package-lock.json: package-lock.json
	npm ci --no-audit --no-fund
web-test: node_modules/.package-lock.json
	node --test --test-concurrency=1 tests/web/

# The README's picture of the page.
web-shot: web node_modules/.package-lock.json
	node web/screenshot.mjs docs/screenshots/web.png

# The whole test suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails it.
sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# The present benchmark needs a display; without one it gets its own X server.
# Then the whole game, $(BUILD)/lumora, on an X server of its own beside its peer,
# and last the page in headless Chromium, beside the whole game's table.
bench: configure
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUMORA_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS) --target lumora_bench sdl_peer
	@cmake --build $(BUILD) -j $(JOBS) --target lumora art
	if [ -n "$${DISPLAY:-}" ]; then build-bench/lumora_bench; \
	else xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/lumora_bench; fi
	bash -o pipefail -c 'bench/whole_program.sh $(BUILD) build-bench/sdl_peer | tee build-bench/whole_program.txt'
	$(MAKE) --no-print-directory web node_modules/.package-lock.json
	node bench/web_bench.mjs $(WEB) build-bench/whole_program.txt

# The sheet reader, then the state files' reading, each for FUZZ_SECONDS and
# growing a corpus of its own in build-fuzz/. The second starts the game,
# whose font lookup leaks inside fontconfig (tests/lsan.supp).
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DLUMORA_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_sheet fuzz_state_files
	mkdir -p build-fuzz/corpus build-fuzz/state_corpus
	build-fuzz/fuzz_sheet -max_total_time=$(FUZZ_SECONDS) build-fuzz/corpus tests/fuzz/corpus
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  build-fuzz/fuzz_state_files -max_total_time=$(FUZZ_SECONDS) build-fuzz/state_corpus tests/fuzz/state_corpus

# The README's screenshots, played by tools' script runner into a game folder
# of their own with fresh state files, once in Japanese into docs/screenshots/
# and once in English into docs/screenshots/en/.
SHOTS := dialog panel title play hint menu solved failed
shots: build
	mkdir -p docs/screenshots/en
	for lang in ja en; do \
	  rm -rf $(BUILD)/shots && mkdir -p $(BUILD)/shots/DATA && \
	  cp -r $(BUILD)/IMAGE $(BUILD)/WAVE $(BUILD)/locale $(BUILD)/shots/ && \
	  cmake -DDATA_DIR=$(BUILD)/shots/DATA -P tools/default_data.cmake || exit 1; \
	  for s in $(SHOTS); do \
	    if [ $$lang = ja ]; then script=docs/screenshots/$$s.txt; else \
	      script=$(BUILD)/shots/$$s.txt; sed 's#docs/screenshots/#docs/screenshots/en/#' docs/screenshots/$$s.txt >$$script; fi; \
	    LANG=C.UTF-8 LANGUAGE=$$lang $(BUILD)/tools/script_runner $(BUILD)/shots $$script || exit 1; \
	  done; \
	done

clean:
	rm -rf $(BUILD) build-sanitize build-bench build-fuzz $(WEB) $(WINDOWS)
