# Every target of the suite is built with the common warnings on. DVL_WERROR
# turns them into errors; CI sets it for every build it makes, so a new warning
# fails the run instead of piling up.
option(DVL_WERROR "Treat compiler warnings as errors" OFF)

add_compile_options(-Wall -Wextra -Wpedantic)
# gcc's flow analysis of sanitizer-instrumented code reports moved-from variants
# as maybe uninitialized; the plain build keeps the warning.
if(DVL_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-maybe-uninitialized)
endif()
if(DVL_WERROR)
  add_compile_options(-Werror)
endif()
