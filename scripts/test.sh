#!/usr/bin/env bash
# `make test`: the build and every test, the same build's programs and tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then every fuzz target for FUZZ_SECONDS
# (two at a time on two cores), and the time each step took, printed at the end whether
# the run passed or not.
# usage: scripts/test.sh   (the Makefile gives BUILD, SANITIZE_BUILD, JOBS, FUZZ_SECONDS,
#                           LAUNCHER and SANITIZER_ENV)
set -uo pipefail

steps=()
started=$SECONDS
report() {
  echo
  echo "make test: the time of each step"
  for step in "${steps[@]}"; do echo "  $step"; done
  printf '  %-24s %5d s\n' "total" $((SECONDS - started))
}
trap report EXIT

# step NAME COMMAND...: runs the command, keeps its time, stops the run when it fails.
step() {
  local name=$1 begin=$SECONDS
  shift
  "$@"
  local status=$?
  steps+=("$(printf '%-24s %5d s%s' "$name" $((SECONDS - begin)) "$([ $status -eq 0 ] || echo "  FAILED ($status)")")")
  [ $status -eq 0 ] || exit $status
}

step "build" cmake --build "$BUILD" -j "$JOBS"
step "suite" bash -c "cd '$BUILD' && ctest --output-on-failure -j '$JOBS'"
step "sanitizer build" bash -c "cmake -S . -B '$SANITIZE_BUILD' -DDNT_SANITIZE=ON $LAUNCHER >/dev/null &&
                                cmake --build '$SANITIZE_BUILD' -j '$JOBS'"
step "sanitizer suite" bash -c "cd '$SANITIZE_BUILD' && env $SANITIZER_ENV ctest --output-on-failure -j '$JOBS'"
step "fuzzing (${FUZZ_SECONDS} s each)" bash fuzz/run.sh "$SANITIZE_BUILD" "$FUZZ_SECONDS" "$JOBS"
