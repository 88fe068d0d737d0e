# Hollowmere -- the front door.
#   make        build the game, the headless runner, the tools and build/data
#   make play   install what is missing, build in Release and play
#   make test   install what is missing, build with sanitizers and run every test
#   make bench  frame-time benchmarks: frame work per scenario against the floor
#   make demo   scripted headless runs (a tour, a village battle) that leave screenshots in build/demo/
#   make fuzz   libFuzzer targets of every file kind (clang), each run FUZZ_SECONDS (default 60)
#   make art-sheets   contact sheets of every picture and test scenes in build/art/sheets/
#   make install      the game, its content, desktop entry, icon and manual under PREFIX
#                     (default /usr/local), staged under DESTDIR when given
#   make web          the game for browsers in build/web/ (after scripts/install-web-deps)
#   make web-test     serves build/web/ locally and plays it in headless Chromium

BUILD      := build
TEST_BUILD := build/asan
JOBS       := $(shell nproc 2>/dev/null || echo 2)

PREFIX     ?= /usr/local

FUZZ_BUILD   := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: all play test bench demo deps clean art-sheets install web web-test fuzz

all:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

deps:
	scripts/install-deps

play: deps all
	cd $(BUILD)/data && ../hollowmere

test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DHM_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DHM_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	$(BUILD)/hollowmere-bench
	@# The scenarios' frame work against the floor, and what the computer's turns
	@# of the village's battles cost.
	bench/run_scenarios.sh $(BUILD)

demo: deps all
	rm -rf $(BUILD)/demo && mkdir -p $(BUILD)/demo
	cmake -DRUNNER=$(CURDIR)/$(BUILD)/hollowmere-headless -DDATA=$(CURDIR)/$(BUILD)/data \
		-DRUN_DIR=$(CURDIR)/$(BUILD)/demo/run -DSCRIPT=$(CURDIR)/tests/demo/demo.play -P tests/run_script.cmake
	rm -rf $(BUILD)/demo/run
	@# A whole battle in the village: its screenshots join the tour's.
	cmake -DRUNNER=$(CURDIR)/$(BUILD)/hollowmere-headless -DDATA=$(CURDIR)/$(BUILD)/data \
		-DRUN_DIR=$(CURDIR)/$(BUILD)/demo/run -DSCRIPT=$(CURDIR)/tests/scripts/battle_village_rats.play -P tests/run_script.cmake
	rm -f $(BUILD)/demo/run/wmap*.bmp
	mv $(BUILD)/demo/run/*.bmp $(BUILD)/demo/
	rm -rf $(BUILD)/demo/run
	cd $(BUILD)/demo && for f in *.bmp; do convert "$$f" "$${f%.bmp}.png" && rm "$$f"; done

# Seeds come from the content of the ordinary build; corpora grow in build/fuzz/corpus.
fuzz: deps all
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DHM_FUZZ=ON -DHM_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	tests/fuzz/run_fuzz.sh $(FUZZ_BUILD) $(CURDIR)/$(BUILD)/data $(FUZZ_SECONDS)

install:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS)
	DESTDIR=$(DESTDIR) cmake --install $(BUILD)

art-sheets: all
	cmake --build $(BUILD) --target art-sheets

# The browser build: Debian's emscripten (its optimizer needs Debian's acorn,
# found through NODE_PATH), the content from the native build.  The player's
# files that a native game left in build/data stay out of the page.
WEB_ENV := NODE_PATH=/usr/share/nodejs
web: all
	rm -rf $(BUILD)/web-data.new && mkdir -p $(BUILD)/web-data.new
	find $(BUILD)/data -maxdepth 1 -type f ! -name pnames.txt ! -name pscr.bmp ! -name '*.cha' \
		! -name '*.autosave' ! -name '*.tmp' ! -name '*.new' ! -name 'hollowmere-*.png' \
		-exec cp {} $(BUILD)/web-data.new/ \;
	@# The page is packed again only when its content changed.
	if diff -rq $(BUILD)/web-data.new $(BUILD)/web-data >/dev/null 2>&1; then rm -rf $(BUILD)/web-data.new; \
	else rm -rf $(BUILD)/web-data && mv $(BUILD)/web-data.new $(BUILD)/web-data && touch $(BUILD)/web-data.stamp; fi
	$(WEB_ENV) emcmake cmake -S . -B $(BUILD)/web-build -DCMAKE_BUILD_TYPE=Release -DHM_TESTS=OFF \
		-DHM_WEB_DATA=$(CURDIR)/$(BUILD)/web-data -DHM_WEB_OUT=$(CURDIR)/$(BUILD)/web
	$(WEB_ENV) cmake --build $(BUILD)/web-build -j 2 --target hollowmere

web-test: web
	test -d web/test/node_modules/puppeteer-core || (cd web/test && npm ci --no-audit --no-fund --loglevel=error)
	node web/test/play.js $(BUILD)/web $(BUILD)/web-test

clean:
	rm -rf $(BUILD)
