# Set-up and everyday commands. Each installs the system packages it needs
# (only the missing ones, as root) and builds what it uses.
.PHONY: all test run screenshot bench blobs clean fuzz

WIN_BUILD := build/win
TOOLCHAIN := $(CURDIR)/cmake/mingw-w64-x86_64.cmake

all: test

test:
	@sh tools/install-deps.sh native windows help
	@sh tools/run-tests.sh

# Builds Varendo.exe and starts it under Wine on $DISPLAY.
run:
	@sh tools/run-program.sh

# Remakes the README's pictures in docs/ under a virtual display.
screenshot:
	@sh tools/install-deps.sh native windows help screenshot
	@sh tools/screenshot.sh

bench:
	@sh tools/install-deps.sh native bench
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVARENDO_TESTS=OFF -DVARENDO_BENCH=ON >/dev/null
	cmake --build build/bench -j$$(nproc) --target varendo_bench
	build/bench/varendo_bench

# libFuzzer targets (clang) for the blobs, number reading, the varendo-calc
# command line and the calculators, FUZZ_SECONDS each; not part of `make test`.
FUZZ_SECONDS ?= 60
fuzz:
	@sh tools/install-deps.sh native fuzz
	@sh fuzz/run-fuzz.sh $(FUZZ_SECONDS)

# Rewrites the committed data blobs from resources/pokemon.csv and resources/natures.csv.
blobs:
	@sh tools/install-deps.sh native
	cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/native --target make_blobs
	build/native/make_blobs resources/pokemon.csv resources/natures.csv \
	    resources/poke_data.bin resources/chara_data.bin

clean:
	rm -rf build
