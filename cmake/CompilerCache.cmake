# Rebuilds of an unchanged source reuse their objects through ccache when it is
# installed. Paths are hashed relative to the source folder, so another clone of
# the same sources (a CI run, a second build folder) finds the same objects.
find_program(DVL_CCACHE ccache)
if(DVL_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      "${CMAKE_COMMAND};-E;env;CCACHE_BASEDIR=${PROJECT_SOURCE_DIR};CCACHE_NOHASHDIR=true;${DVL_CCACHE}")
endif()
