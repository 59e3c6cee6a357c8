# Lexiton: `make demo` runs the look-up path end to end; `make check` builds every toolchain
# and runs every test. Both run `deps` first, so either works on a fresh machine.
# Two Windows trees from the same sources: build/win32 (i686, the shipped deliverables) and
# build/win64 (x86_64). The wine tests run on whichever this machine can execute
# (scripts/wine-session.sh; LEXITON_WINE_ARCH=x86_64 forces the 64-bit path).
BUILD ?= build
NATIVE := $(BUILD)/native
WIN32 := $(BUILD)/win32
WIN64 := $(BUILD)/win64
FUZZ := $(BUILD)/fuzz
TYPE ?= Debug
JOBS ?= $(shell nproc)
CMAKE_NATIVE_FLAGS ?=
FUZZ_SECONDS ?= 60

.PHONY: all deps native win32 win64 test-native test-win32 test-win64 check demo fuzz fuzz-smoke installer clean

all: native win32 win64

deps:
	@scripts/deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) $(CMAKE_NATIVE_FLAGS) >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

# The Windows trees import their build-time tools from the native tree. One recipe for both:
# $(1) the build folder, $(2) the toolchain file's suffix.
windows_tree = cmake -S . -B $(1) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-$(2).cmake \
	  -DLEXITON_NATIVE_BIN=$(abspath $(NATIVE))/bin >/dev/null && cmake --build $(1) -j $(JOBS)

win32: native
	@$(call windows_tree,$(WIN32),mingw32)

win64: native
	@$(call windows_tree,$(WIN64),mingw64)

# Extra ctest arguments, e.g. `make test-native ARGS="-R chunk"`.
test-native: native
	@cd $(NATIVE) && ctest --output-on-failure -j $(JOBS) $(ARGS) </dev/null

test-win32: win32
	@scripts/wine-ctest $(WIN32) $(ARGS)

test-win64: win64
	@scripts/wine-ctest $(WIN64) $(ARGS)

# The fuzz build (clang, libFuzzer, ASan+UBSan); `make fuzz` runs every target FUZZ_SECONDS.
fuzz-build: deps
	@CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLEXITON_FUZZ=ON -DLEXITON_SANITIZE=ON -DLEXITON_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)

fuzz-smoke: fuzz-build
	@cd $(FUZZ) && ctest --output-on-failure -j $(JOBS) </dev/null

fuzz: fuzz-build
	@scripts/fuzz-all $(FUZZ) $(FUZZ_SECONDS)

check: deps
	@BUILD=$(BUILD) TYPE=$(TYPE) scripts/check

# The shipped installer, $(BUILD)/Lexiton_setup.exe: Release builds of both Windows trees, each
# staged stripped; the i686 tree's installer packs both (the 64-bit build for 64-bit Windows).
RELEASE32 := $(BUILD)/release-win32
RELEASE64 := $(BUILD)/release-win64
# $(1) the build folder, $(2) the toolchain file's suffix, $(3) the target, $(4) more settings.
release_tree = cmake -S . -B $(1) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-$(2).cmake \
	  -DLEXITON_NATIVE_BIN=$(abspath $(NATIVE))/bin $(4) >/dev/null && cmake --build $(1) -j $(JOBS) --target $(3)

installer: native
	@$(call release_tree,$(RELEASE64),mingw64,lexiton_installer_stage,)
	@$(call release_tree,$(RELEASE32),mingw32,lexiton_setup,-DLEXITON_INSTALLER_X64_STAGE=$(CURDIR)/$(RELEASE64)/installer/stage)
	@cp $(RELEASE32)/installer/Lexiton_setup.exe $(BUILD)/Lexiton_setup.exe
	@installer/tests/setup_contents.sh $(BUILD)/Lexiton_setup.exe $(RELEASE32)/installer/files.nsh

# The demo builds and runs the Windows tree this machine can execute.
demo: deps native
	@BUILD=$(BUILD) TYPE=$(TYPE) scripts/demo

clean:
	rm -rf $(BUILD) out
