# The front door: `make run` and `make test` do all of their own set-up.
.PHONY: setup run test build native windows bench format

setup:
	@bash scripts/setup.sh

run: setup windows
	@bash scripts/run.sh

test: setup
	@bash scripts/test.sh

bench: setup native windows
	@bash scripts/bench.sh

native:
	@cmake --preset native >/dev/null && cmake --build --preset native -j2

windows:
	@cmake --preset windows >/dev/null && cmake --build --preset windows -j2

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i
