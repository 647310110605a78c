# Sounds and pictures the programs embed. Effect sounds are made at build time
# with sox; no sound files are kept in the sources.
find_program(DVL_SOX sox REQUIRED)

# dvl_make_sound(<output.wav> <sox effects and synth arguments...>): runs
# `sox -R -n -r 22050 -c 1 -b 16 <output> <arguments>` (cmake/MakeSound.cmake)
# and makes the folder first. A warning from sox fails the build under DVL_WERROR.
function(dvl_make_sound output)
  get_filename_component(folder "${output}" DIRECTORY)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
    COMMAND ${CMAKE_COMMAND} "-DSOX=${DVL_SOX}" "-DOUTPUT=${output}" "-DSTRICT=${DVL_WERROR}"
            -P "${PROJECT_SOURCE_DIR}/cmake/MakeSound.cmake" -- ${ARGN}
    DEPENDS "${PROJECT_SOURCE_DIR}/cmake/MakeSound.cmake"
    COMMENT "Making the sound ${output}"
    VERBATIM)
  set_source_files_properties("${output}" PROPERTIES GENERATED TRUE)
endfunction()

# dvl_make_tone(<output.wav> <seconds> <hertz>): a short, soft sine tone
# (button clicks and test sounds).
function(dvl_make_tone output seconds hertz)
  dvl_make_sound("${output}" synth ${seconds} sine ${hertz} fade q 0.002 ${seconds} 0.025 vol 0.4)
endfunction()

# dvl_embed(<target> <set name> [WAVE <files...>] [PICTURE <files...>] [ICON <files...>]):
# compiles the files into the target as ":/<TYPE>/<file name>", where the
# program's resource look-up finds them by type and name.
function(dvl_embed target set_name)
  cmake_parse_arguments(ARG "" "" "WAVE;PICTURE;ICON" ${ARGN})
  set(files "")
  foreach(type WAVE PICTURE ICON)
    foreach(file IN LISTS ARG_${type})
      get_filename_component(file_name "${file}" NAME)
      set_source_files_properties("${file}" PROPERTIES QT_RESOURCE_ALIAS "${type}/${file_name}")
      list(APPEND files "${file}")
    endforeach()
  endforeach()
  qt_add_resources(${target} ${set_name} PREFIX "/" FILES ${files})
endfunction()
