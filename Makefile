# Velmora 4.0 — the two commands of the README do all set-up on a fresh Debian 12 machine.
BUILD ?= build
JOBS  ?= $(shell nproc)
# The folder `make run` starts the program from, where its data live (archives,
# photos, attachments, the password): the build does not own it, git ignores it and
# no target here ever deletes it. Copying it is the backup.
RUN_DIR ?= Velmora
CMAKE ?= cmake
DATA = *.pro *.sca *.eur *.vis *.pln *.xls unins000.dll Avviso.mp3 Guida.pdf Autoparco Documenti_Allegati

.PHONY: all deps configure build build-tests run test bench clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	$(CMAKE) -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The program only (and what it links): `make run` does not wait for the tests.
build: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target velmora

build-tests: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target velmora tests

# The program keeps its data beside the executable, so it runs from RUN_DIR: the new
# executable is copied there (beside, then renamed over the old one, which may still be
# running); the first-access credentials file and the alert sound go there only when
# none is present, so a changed password (or a sound of the user's own) is never lost.
# The data an earlier `make run` left in the build folder move along the first time.
run: build
	@if [ ! -d $(RUN_DIR) ]; then \
	  mkdir -p $(RUN_DIR); \
	  for f in $(addprefix $(BUILD)/,$(DATA)); do if [ -e "$$f" ]; then cp -a "$$f" $(RUN_DIR)/; fi; done; \
	fi
	@cp $(BUILD)/velmora $(RUN_DIR)/.velmora.new && mv -f $(RUN_DIR)/.velmora.new $(RUN_DIR)/velmora
	@test -f $(RUN_DIR)/unins000.dll || cp assets/unins000.dll $(RUN_DIR)/unins000.dll
	@test -f $(RUN_DIR)/Avviso.mp3 || cp assets/Avviso.mp3 $(RUN_DIR)/Avviso.mp3
	cd $(RUN_DIR) && ./velmora

test: build-tests
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

# Removes the build only; the user's data in RUN_DIR stay.
clean:
	@case "$$(realpath -m $(RUN_DIR))/" in "$$(realpath -m $(BUILD))"/*) echo "clean: $(RUN_DIR) is inside $(BUILD)"; exit 1;; esac
	rm -rf $(BUILD)
