# Hollowmere -- the front door.
#   make        build the game, the headless runner, the tools and build/data
#   make play   install what is missing, build in Release and play
#   make test   install what is missing, build with sanitizers and run every test
#   make bench  frame-time benchmarks: frame work per scenario against the floor
#   make demo   scripted headless runs (a tour, a village battle) that leave screenshots in build/demo/
#   make art-sheets   contact sheets of every picture and test scenes in build/art/sheets/
#   make install      the game, its content, desktop entry, icon and manual under PREFIX
#                     (default /usr/local), staged under DESTDIR when given

BUILD      := build
TEST_BUILD := build/asan
JOBS       := $(shell nproc 2>/dev/null || echo 2)

PREFIX     ?= /usr/local

.PHONY: all play test bench demo deps clean art-sheets install

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

install:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS)
	DESTDIR=$(DESTDIR) cmake --install $(BUILD)

art-sheets: all
	cmake --build $(BUILD) --target art-sheets

clean:
	rm -rf $(BUILD)
