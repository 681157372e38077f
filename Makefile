# Velmora 4.0 — the two commands of the README do all set-up on a fresh Debian 12 machine.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build build-tests run test bench clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The program only (and what it links): `make run` does not wait for the tests.
build: configure
	cmake --build $(BUILD) -j $(JOBS) --target velmora

build-tests: configure
	cmake --build $(BUILD) -j $(JOBS) --target velmora tests

# The program keeps its data beside the executable; the first-access credentials
# file and the alert sound go there only when none is present, so a changed password
# (or a sound of the user's own) is never lost.
run: build
	@test -f $(BUILD)/unins000.dll || cp assets/unins000.dll $(BUILD)/unins000.dll
	@test -f $(BUILD)/Avviso.mp3 || cp assets/Avviso.mp3 $(BUILD)/Avviso.mp3
	cd $(BUILD) && ./velmora

test: build-tests
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD)
