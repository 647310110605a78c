# Instrumented builds, each in a build folder of its own (.ci/run makes both):
# DVL_SANITIZE: every program and test with AddressSanitizer and
#   UndefinedBehaviorSanitizer, stopping at the first report. Leaks from inside
#   the libraries the suite uses are suppressed by cmake/LeakSanitizer.supp
#   (LSAN_OPTIONS=suppressions=...).
# DVL_FUZZ: the libFuzzer targets of tests/fuzz (clang only), with the code
#   they reach instrumented for coverage and both sanitizers.
option(DVL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DVL_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(DVL_SANITIZE OR DVL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
if(DVL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "DVL_FUZZ needs clang: configure with CXX=clang++ (Debian package clang)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
