# Effect sounds are made at build time with sox; no sound files are kept in the sources.
find_program(DVL_SOX sox REQUIRED)

# dvl_make_sound(<output.wav> <sox effects and synth arguments...>): runs
# `sox -n -r 22050 -c 1 -b 16 <output> <arguments>` and makes the folder first.
function(dvl_make_sound output)
  get_filename_component(folder "${output}" DIRECTORY)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
    COMMAND "${DVL_SOX}" -n -r 22050 -c 1 -b 16 "${output}" ${ARGN}
    COMMENT "Making the sound ${output}"
    VERBATIM)
  set_source_files_properties("${output}" PROPERTIES GENERATED TRUE)
endfunction()

# dvl_make_tone(<output.wav> <seconds> <hertz>): a short, soft sine tone
# (button clicks and test sounds).
function(dvl_make_tone output seconds hertz)
  dvl_make_sound("${output}" synth ${seconds} sine ${hertz} fade q 0.002 ${seconds} 0.025 vol 0.4)
endfunction()
