# Two commands for a newcomer: `make run` and `make test`. A plain `make` builds everything.
# PRESET names a configure preset of CMakePresets.json (dev, release, asan), each with its
# own folder; BUILD overrides the folder and CMAKE_FLAGS adds cache settings to the preset.
PRESET ?= dev
BUILD ?= $(preset_folder_$(PRESET))
CMAKE_FLAGS ?=
JOBS ?= 2
PREFIX ?= /usr/local

preset_folder_dev := build
preset_folder_release := build-release
preset_folder_asan := build-sanitize

.PHONY: all deps configure build run test install uninstall clean

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake --preset $(PRESET) -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/Pirtok

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# No root needed for a prefix of your own: make install PREFIX=$$HOME/.local
# The list of installed files is kept for `make uninstall` (the install test, which
# installs into a temporary prefix, overwrites CMake's own list).
install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)"
	cp $(BUILD)/install_manifest.txt $(BUILD)/installed-files.txt

uninstall:
	@test -f $(BUILD)/installed-files.txt || { echo "Nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f -- < $(BUILD)/installed-files.txt
	rm -f $(BUILD)/installed-files.txt

clean:
	rm -rf $(BUILD)
