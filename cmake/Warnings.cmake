# Every target of the suite is built with the common warnings on. DVL_WERROR
# turns them into errors; CI sets it for the build of its test command, so a
# new warning fails the run instead of piling up.
option(DVL_WERROR "Treat compiler warnings as errors" OFF)

add_compile_options(-Wall -Wextra -Wpedantic)
if(DVL_WERROR)
  add_compile_options(-Werror)
endif()
