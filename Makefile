# Orvanta: `make run` shows the calculator, `make test` runs every test. Both set up the machine first.
SHELL := /bin/bash
.DEFAULT_GOAL := help
SCRIPTS := scripts
# Debian's python3, which the bootstrap gives numpy and Pillow (a pyenv or venv python3 first on
# PATH lacks them); `make PY=... assets` picks another.
PY ?= /usr/bin/python3
# Both Windows builds are made on every machine: `win32` (i686, the program as shipped) and
# `win64` (x86_64). The tests, `make run` and the probes use the one this machine's Wine runs:
# the i686 build wherever the kernel runs 32-bit programs.
WINDOWS_ARCH := $(shell $(SCRIPTS)/windows-arch.sh)
WINDOWS_PRESET := $(if $(filter i686,$(WINDOWS_ARCH)),win32,win64)

.PHONY: help bootstrap native win32 win64 windows bench-build fuzz test test-native test-windows format-check format run sim screenshot bench assets clean

help:
	@echo "make run         build and start the calculator under Wine"
	@echo "make test        build both presets and run every test"
	@echo "make sim         build orvanta-sim and print its path"
	@echo "make screenshot  save a PNG of the calculator's window (docs/screenshot.png)"
	@echo "make bench       run the benchmarks (docs/performance.md)"
	@echo "make fuzz        run every fuzz target and the orvanta-sim walk (FUZZ_SECONDS=240)"
	@echo "make assets      regenerate the pictures and voice clips"

bootstrap:
	@bash $(SCRIPTS)/bootstrap.sh

native: bootstrap
	@cmake --preset native >/dev/null
	@cmake --build --preset native

win32 win64: bootstrap
	@cmake --preset $@ >/dev/null
	@cmake --build --preset $@

windows: win32 win64

test: format-check native windows test-native test-windows

test-native:
	@ctest --preset native

test-windows:
	@echo "test-windows: running the $(WINDOWS_ARCH) build ($(WINDOWS_PRESET) preset) under Wine"
	@$(SCRIPTS)/with-xvfb.sh ctest --preset $(WINDOWS_PRESET)

format-check:
	@files=$$(git ls-files -co --exclude-standard -- '*.cpp' '*.h'); \
	if command -v clang-format >/dev/null; then \
	  clang-format --dry-run -Werror $$files && echo "format-check: clean"; \
	else echo "format-check: clang-format missing"; exit 1; fi

format:
	@clang-format -i $$(git ls-files -co --exclude-standard -- '*.cpp' '*.h')

run: $(WINDOWS_PRESET)
	@$(SCRIPTS)/run.sh

sim: native
	@echo "$(CURDIR)/build/native/orvanta-sim"

screenshot: $(WINDOWS_PRESET)
	@$(SCRIPTS)/with-xvfb.sh $(SCRIPTS)/screenshot.sh docs/screenshot.png
	@$(SCRIPTS)/with-xvfb.sh $(SCRIPTS)/feature-screenshots.sh
	@$(SCRIPTS)/with-xvfb.sh $(SCRIPTS)/panel-screenshots.sh
	@$(SCRIPTS)/with-xvfb.sh $(SCRIPTS)/tool-screenshots.sh

bench: bootstrap
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@cmake --preset $(WINDOWS_PRESET) >/dev/null
	@cmake --build --preset $(WINDOWS_PRESET) --target startup_probe keypress_probe skin_probe big_number_probe panel_probe
	@$(SCRIPTS)/bench.sh

# clang's libFuzzer with ASan and UBSan; docs/reliability.md. FUZZ_SECONDS is the time of all
# targets together; the 100,000-command walk through orvanta-sim follows.
fuzz:
	@bash $(SCRIPTS)/bootstrap.sh fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@$(SCRIPTS)/fuzz.sh

assets: bootstrap
	@$(PY) assets/generate.py

clean:
	rm -rf build
