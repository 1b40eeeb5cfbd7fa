# Two instrumented builds of our own code (Qt itself stays as Debian ships it):
#
#   TASTWERK_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer over
#                      everything we build; the normal test suite runs on it.
#   TASTWERK_FUZZ      clang's libFuzzer with the same two sanitizers; builds
#                      the harnesses of tests/fuzz against tastwerk_core.
#
# Any finding stops the program: undefined behaviour is not merely reported.

option(TASTWERK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TASTWERK_FUZZ "Build the libFuzzer harnesses (needs clang)" OFF)

set(TASTWERK_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

# Run-time settings for every test of the sanitizer build, shared with the
# fuzz script.
set(TASTWERK_SANITIZER_ENVIRONMENT "")

if(TASTWERK_SANITIZE OR TASTWERK_FUZZ)
  # Debug builds get -O1: quick enough to run the suite, stacks still readable.
  target_compile_options(tastwerk_options INTERFACE ${TASTWERK_SANITIZER_FLAGS} $<$<CONFIG:Debug>:-O1>)
  target_link_options(tastwerk_options INTERFACE ${TASTWERK_SANITIZER_FLAGS})
  file(STRINGS ${PROJECT_SOURCE_DIR}/cmake/sanitizers.env settings REGEX "^[A-Z_]+=")
  foreach(setting ${settings})
    string(REPLACE "@SOURCE_DIR@" "${PROJECT_SOURCE_DIR}" setting "${setting}")
    list(APPEND TASTWERK_SANITIZER_ENVIRONMENT "${setting}")
  endforeach()
endif()

if(TASTWERK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TASTWERK_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++-14)")
  endif()
  # Coverage feedback for everything the harnesses reach in our libraries;
  # the harnesses themselves add libFuzzer's main when they link.
  target_compile_options(tastwerk_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
