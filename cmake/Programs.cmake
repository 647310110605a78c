# dvl_add_gtest(<name> SOURCES <files...> LIBRARIES <targets...> [PREFIX <text>] [SCREEN <file>])
# A GoogleTest executable run by ctest. Every test case runs in its own process
# with HOME, XDG_* and TMPDIR pointed at a fresh folder, and DVL_PROGRAM_DIR and
# DVL_SOURCE_DIR naming the built program folder and the sources (see tests/support).
# PREFIX goes before every test name (tests that several programs share).
# The windows open on the offscreen platform's screen; SCREEN names a file that
# describes another one (e.g. tests/support/desktop-1024x768.json).
function(dvl_add_gtest name)
  cmake_parse_arguments(ARG "" "PREFIX;SCREEN" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} dvl_testsupport)
  set(platform "offscreen")
  if(ARG_SCREEN)
    set(platform "offscreen:configfile=${ARG_SCREEN}")
  endif()
  gtest_discover_tests(${name}
    TEST_PREFIX "${ARG_PREFIX}"
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120
               ENVIRONMENT "QT_QPA_PLATFORM=${platform}")
endfunction()

# dvl_add_subfolders([FIRST <folders...>]): adds every subfolder of the current
# folder that has a CMakeLists.txt, the FIRST ones in the order given, then the
# rest in name order. A folder joins the build once it has its CMakeLists.txt.
function(dvl_add_subfolders)
  cmake_parse_arguments(ARG "" "" "FIRST" ${ARGN})
  file(GLOB folders LIST_DIRECTORIES true RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}/*")
  list(SORT folders)
  if(ARG_FIRST)
    list(REMOVE_ITEM folders ${ARG_FIRST})
  endif()
  foreach(folder IN LISTS ARG_FIRST folders)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt")
      add_subdirectory(${folder})
    endif()
  endforeach()
endfunction()
