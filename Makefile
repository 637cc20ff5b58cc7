# The two commands: `make run` and `make test`. Everything else is for maintainers.
BUILD ?= build
SAN_BUILD ?= build-sanitize
QT6_BUILD ?= build-qt6
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600

.PHONY: run test build clean deps test-deps test-sanitize test-qt6 package bench fuzz translations screenshots

deps:
	@sh scripts/install-deps.sh

test-deps:
	@sh scripts/install-deps.sh test

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then \
		echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): run 'xvfb-run -a $(BUILD)/src/app/spr-designer' instead (sh scripts/install-deps.sh xvfb installs xvfb-run)."; \
	else \
		$(BUILD)/src/app/spr-designer; \
	fi

test: test-deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps test-deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSPR_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The same sources on Qt 6, in a build folder of their own.
test-qt6:
	@sh scripts/install-deps.sh qt6 test
	cmake -S . -B $(QT6_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPR_QT_MAJOR=6
	cmake --build $(QT6_BUILD) -j $(JOBS)
	cd $(QT6_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debian package of the install rules (build/spr-designer_<version>_<arch>.deb).
package: build
	@sh scripts/install-deps.sh package
	cd $(BUILD) && cpack -G DEB

bench:
	@sh scripts/install-deps.sh bench
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DSPR_BUILD_TESTS=OFF -DSPR_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	done

fuzz:
	@sh scripts/install-deps.sh fuzz
	CXX=clang++ CC=clang cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSPR_BUILD_TESTS=OFF -DSPR_BUILD_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do [ -x "$$f" ] || continue; \
		mkdir -p $(FUZZ_BUILD)/corpus/$$(basename $$f); \
		QT_QPA_PLATFORM=offscreen "$$f" -max_total_time=$(FUZZ_SECONDS) $(FUZZ_BUILD)/corpus/$$(basename $$f) fuzz/corpus/$$(basename $$f) || exit 1; \
	done

# Pictures for the README, drawn by the real widgets on the offscreen platform into docs/screenshots/.
screenshots: deps $(BUILD)/CMakeCache.txt
	sh scripts/screenshots.sh $(BUILD)

# Refresh translations/*.ts from the texts in the sources (lupdate -no-obsolete -locations none).
translations:
	@sh scripts/install-deps.sh translations
	python3 scripts/update_translations.py $$(ls /usr/lib/qt5/bin/lupdate 2>/dev/null || echo lupdate)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(QT6_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
