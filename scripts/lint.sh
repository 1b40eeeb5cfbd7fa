#!/usr/bin/env bash
# Checks the code without changing a file: formatting, clang-tidy, cppcheck.
#
#   scripts/lint.sh <builddir>
#
# The build folder must be configured (it holds compile_commands.json, which
# clang-tidy reads); `make lint` configures it first. Every check runs even when
# an earlier one failed, so one run shows all findings; the exit status is 1
# when any check found something. `make format` fixes what clang-format finds.
set -uo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 <builddir>" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" 2>/dev/null && pwd) || { echo "lint: no build folder '$1'" >&2; exit 2; }
if [ ! -f "$build/compile_commands.json" ]; then
    echo "lint: $build has no compile_commands.json; configure it first (make configure)" >&2
    exit 2
fi
cd "$root"

# The machine is shared: two checkers at a time, never more.
jobs=2
failed=()

# Tracked C++ files under the given folders (never anything in a build folder).
sources() {
    local patterns=()
    local dir
    for dir in "$@"; do
        patterns+=("$dir/*.cpp" "$dir/*.h")
    done
    git ls-files -z -- "${patterns[@]}"
}

echo "== clang-format"
if ! sources src tests tools bench | xargs -0 -r clang-format --dry-run --Werror; then
    failed+=("clang-format (run 'make format')")
fi

echo "== clang-tidy"
# One clang-tidy per file, two at a time. Each file's report is kept apart so
# that the parallel runs do not interleave their lines; a finding in a header
# is printed once, not once for every file that includes the header. Only
# headers of src/ are reported (.clang-tidy), so Qt's and moc's code stays out.
#
# Most of clang-tidy's time goes into Qt's headers, so a file it found clean is
# remembered in the build folder, keyed by everything the result depends on:
# the tool, .clang-tidy, the compile commands, all our headers and the file
# itself. Only changed files are checked again; rm -r <builddir>/lint-cache
# forgets them all.
tidy_out=$(mktemp -d)
trap 'rm -rf "$tidy_out"' EXIT
tidy_cache="$build/lint-cache/clang-tidy"
mkdir -p "$tidy_cache"
tidy_common=$({
    clang-tidy --version
    cat .clang-tidy "$build/compile_commands.json"
    git ls-files -z -- 'src/*.h' | xargs -0 -r cat
} | sha256sum | cut -d' ' -f1)
export tidy_common tidy_cache
tidy_one() {
    local key
    key=$({ echo "$tidy_common $2"; cat "$2"; } | sha256sum | cut -d' ' -f1)
    [ -e "$tidy_cache/$key" ] && return 0
    clang-tidy -p "$1" --quiet "$2" >"$3/$(basename "$2").$$.log" 2>&1 || return 1
    touch "$tidy_cache/$key"
}
export -f tidy_one
git ls-files -z -- 'src/*.cpp' | xargs -0 -r -n 1 -P "$jobs" bash -c 'tidy_one "$1" "$3" "$2"' _ "$build" "$tidy_out"
tidy_status=$?
# clang-tidy also counts the warnings it suppressed in Qt's headers; not news.
cat "$tidy_out"/*.log 2>/dev/null | awk '
    BEGIN { printing = 1 }
    /^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$/ { next }
    /^Error while processing / { print; next }
    /:[0-9]+:[0-9]+: (warning|error): / { printing = !seen[$0]++ }
    printing
'
if [ $tidy_status -ne 0 ]; then
    failed+=(clang-tidy)
fi

echo "== cppcheck"
# --library=qt tells cppcheck what Qt's macros (Q_OBJECT, signals, emit, …)
# mean; Qt's headers themselves are left out, which keeps the run short.
mkdir -p "$build/lint-cache/cppcheck"
if ! cppcheck --quiet --std=c++20 --language=c++ --library=qt \
    --enable=warning,performance,portability \
    --inline-suppr --suppressions-list=.cppcheck-suppressions \
    --error-exitcode=1 -j "$jobs" --cppcheck-build-dir="$build/lint-cache/cppcheck" \
    -I src/core -I src/widgets -I src/app --template='{file}:{line}:{column}: {severity}: {message} [{id}]' \
    src; then
    failed+=(cppcheck)
fi

if [ ${#failed[@]} -gt 0 ]; then
    printf 'lint: findings from %s\n' "${failed[@]}" >&2
    exit 1
fi
echo "lint: clean"
