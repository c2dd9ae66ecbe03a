# make run            installs what is missing, builds and starts Spindex
# make check          installs what is missing, builds and runs every test once: the quick check while
#                     working (no formatting, package or sanitizer pass)
# make test           installs what is missing, checks the formatting, builds and runs every test,
#                     checks the Debian package, then runs every test again, the window tests on the
#                     offscreen platform included, in a build with AddressSanitizer and
#                     UndefinedBehaviorSanitizer
# make package-check  builds the Debian package in the build folder and fails on any lintian error
# make format         rewrites every tracked C++ file in the style of .clang-format
# make format-check   lists the tracked C++ files that are not in that style, and fails if there is one

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES   := cmake g++ make qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
              xvfb xauth poppler-utils clang-format dpkg-dev file lintian groff-base man-db ccache \
              openbox wmctrl x11-utils \
              appstream desktop-file-utils
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The C++ files under version control (every one outside git, as in an unpacked source archive).
CXX_FILES  := $(shell git ls-files -- '*.cpp' '*.h' '*.hpp' '*.cc' 2>/dev/null || \
                find app batch bench cli files model report tests tools ui -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc')

.PHONY: run test check deps build pictures build-asan bench install package-check format format-check clean

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" != 0 ] && ! command -v sudo >/dev/null 2>&1; then \
	    echo "Spindex needs these packages:$$missing"; \
	    echo "Install them as root (apt-get install$$missing), or install sudo, then run make again."; exit 1; \
	  fi; \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: pictures
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Spindex is a window program and there is no display here."; \
	  echo "Start it under a virtual display with:  xvfb-run make run"; \
	  echo "or use the batch tool without one:      $(BUILD)/bin/spindex-batch SCRIPT"; \
	  exit 1; \
	fi
	$(BUILD)/bin/spindex

check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test: format-check build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) package-check
	$(MAKE) build-asan
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSPINDEX_SANITIZE=ON -DSPINDEX_BENCHMARKS=OFF -DSPINDEX_GUI=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

bench: build
	$(BUILD)/bin/spindex-bench
	bench/mixed-actions.sh $(BUILD)/bin/spindex-batch
	bench/first-window.sh $(BUILD)

# The manual's pictures are taken from the windows by a target of their own, not by every build.
pictures: build
	QT_QPA_PLATFORM=offscreen cmake --build $(BUILD) --target spindex_manual_pictures

install: pictures
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

# lintian's warnings and notes are printed too; only an error fails the check.
package-check: pictures
	rm -f $(BUILD)/spindex_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/spindex_*.deb

format: deps
	clang-format -i $(CXX_FILES)

format-check: deps
	@unformatted=""; \
	for f in $(CXX_FILES); do \
	  [ -f "$$f" ] || continue; \
	  clang-format --dry-run --Werror "$$f" >/dev/null 2>&1 || unformatted="$$unformatted $$f"; \
	done; \
	if [ -n "$$unformatted" ]; then \
	  echo "These files are not formatted as .clang-format says (make format rewrites them):"; \
	  for f in $$unformatted; do echo "  $$f"; done; \
	  exit 1; \
	fi; \
	echo "Every C++ file is formatted as .clang-format says."

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
