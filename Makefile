# Top-level commands. `make test` installs what is missing, builds every tree
# and runs every test; `make run` starts the program on a simulated decoder.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
B := build
LANG_BUILD ?= fr
FUZZ_SECONDS ?= 60
# GUI tests need an X display; without one they run under Xvfb.
XRUN := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1920x1080x24")
CTEST := ctest --output-on-failure -j $(JOBS) --timeout 300

.PHONY: all setup native asan fuzz-build win prefix test test-native test-asan test-fuzz test-win bench fuzz run clean

all: native win

setup:
	@scripts/setup

native: setup
	@cmake -S . -B $(B)/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(B)/native -j $(JOBS)

asan: setup
	@cmake -S . -B $(B)/asan -DCMAKE_BUILD_TYPE=Debug -DRACETIMER_SANITIZE=ON >/dev/null
	@cmake --build $(B)/asan -j $(JOBS)

fuzz-build: setup
	@cmake -S . -B $(B)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRACETIMER_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(B)/fuzz -j $(JOBS)

win: setup
	@cmake -S . -B $(B)/win -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake >/dev/null
	@cmake --build $(B)/win -j $(JOBS)

prefix: setup
	@tools/wine/prepare-prefix

test-native: native
	@cd $(B)/native && $(CTEST)

test-asan: asan
	@cd $(B)/asan && $(CTEST)

test-fuzz: fuzz-build
	@cd $(B)/fuzz && $(CTEST)

# The Wine tests start the native decoder simulator. Their Wine server is
# started first: ctest runs every test program under Wine to list its tests.
test-win: native win prefix
	@cd $(B)/win && $(XRUN) sh -c '"$(CURDIR)/tools/wine/start-server" && $(CTEST)'

test: test-native test-asan test-fuzz test-win

bench: setup
	@cmake -S . -B $(B)/bench -DCMAKE_BUILD_TYPE=Release -DRACETIMER_BENCH=ON >/dev/null
	@cmake --build $(B)/bench -j $(JOBS)
	@for b in $(B)/bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

fuzz: fuzz-build
	@tests/fuzz/run-all $(B)/fuzz $(FUZZ_SECONDS)

# `make run LANG=de` runs another build; a LANG from the environment (a
# locale) does not choose the build.
RUN_LANG := $(if $(filter command line,$(origin LANG)),$(LANG),$(LANG_BUILD))
run: setup
	@B=$(B) tools/run-program $(RUN_LANG)

clean:
	rm -rf $(B)
