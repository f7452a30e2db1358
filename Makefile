# Two commands for a newcomer: `make run` and `make test`. A plain `make` builds everything.
# `make run` fetches and builds only what the three programs need; `make test` the rest.
# PRESET names a configure preset of CMakePresets.json (dev, release, asan), each with its
# own folder; BUILD overrides the folder and CMAKE_FLAGS adds cache settings to the preset.
PRESET ?= dev
BUILD ?= $(preset_folder_$(PRESET))
CMAKE_FLAGS ?=
JOBS ?= 2
PREFIX ?= /usr/local
# Where `make deb` builds the package and leaves pirtok_<version>_<arch>.deb.
DEB_DIR ?= build-deb

preset_folder_dev := build
preset_folder_release := build-release
preset_folder_asan := build-sanitize

# A folder that `make run` configures first builds no tests; `make test` or a plain `make`
# turns them on, and a later `make run` leaves them on (it builds only the programs anyway).
run_first_flags := $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF -DPIRTOK_BENCH=OFF)
test_flags := -DBUILD_TESTING=ON -DPIRTOK_BENCH=ON

.PHONY: all deps configure build run test install uninstall clean deb deb-test

all: build

deps:
	@tools/install-deps test

configure: deps
	@cmake --preset $(PRESET) -B $(BUILD) $(test_flags) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run:
	@tools/install-deps run
	@cmake --preset $(PRESET) -B $(BUILD) $(run_first_flags) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS) --target pirtok_programs
	./$(BUILD)/Pirtok

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# No root needed for a prefix of your own: make install PREFIX=$$HOME/.local
# The files and the folders it made are listed in the build folder for `make uninstall`.
install: build
	@cmake -DMODE=install -DBUILD=$(BUILD) -DPREFIX="$(PREFIX)" -P cmake/TrackedInstall.cmake

uninstall:
	@cmake -DMODE=uninstall -DBUILD=$(BUILD) -P cmake/TrackedInstall.cmake

clean:
	rm -rf $(BUILD)

# The Debian package, built from a copy of the sources in $(DEB_DIR) so that the build
# folders stay out of it and dpkg-buildpackage leaves its results there, not beside the
# clone. DEB_BUILD_OPTIONS=nocheck skips the tests during the package build.
deb:
	@tools/install-deps package
	rm -rf "$(DEB_DIR)" && mkdir -p "$(DEB_DIR)/source"
	tar --exclude-vcs --exclude='./build*' -cf - . | tar -xf - -C "$(DEB_DIR)/source"
	cd "$(DEB_DIR)/source" && dpkg-buildpackage -us -uc -b
	rm -rf "$(DEB_DIR)/source"
	lintian --fail-on error --info "$(DEB_DIR)"/pirtok_*.changes
	@ls "$(DEB_DIR)"/pirtok_*.deb

# Builds the package, unpacks it into a scratch root and runs the installed programs.
deb-test: deb
	tests/install/check-deb.sh "$(DEB_DIR)"
