# make run   installs what is missing, builds and starts Spindex
# make test  installs what is missing, builds and runs every test, then the model and batch tests
#            again in a build with AddressSanitizer and UndefinedBehaviorSanitizer

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES   := cmake g++ make qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev xvfb xauth groff-base man-db
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps build build-asan bench install clean

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

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Spindex is a window program and there is no display here."; \
	  echo "Start it under a virtual display with:  xvfb-run make run"; \
	  echo "or use the batch tool without one:      $(BUILD)/bin/spindex-batch SCRIPT"; \
	  exit 1; \
	fi
	$(BUILD)/bin/spindex

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSPINDEX_SANITIZE=ON -DSPINDEX_BENCHMARKS=OFF -DSPINDEX_GUI=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

bench: build
	$(BUILD)/bin/spindex-bench

install: build
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
