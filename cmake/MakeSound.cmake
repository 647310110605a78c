# Runs sox for one effect sound: cmake -DSOX=<sox> -DOUTPUT=<file.wav> -DSTRICT=<ON|OFF>
#   -P MakeSound.cmake -- <sox effects and synth arguments...>
# Anything sox says means the sound is not as written (most often it clipped), so
# it fails the build when STRICT is on and is passed on as a warning otherwise.
set(arguments "")
set(after_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE 1 ${last})
  if(after_separator)
    list(APPEND arguments "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "--")
    set(after_separator TRUE)
  endif()
endforeach()

# -R: noise comes out the same on every build, so a sound that passes here
# cannot clip on the next one.
execute_process(
  COMMAND "${SOX}" -R -n -r 22050 -c 1 -b 16 "${OUTPUT}" ${arguments}
  RESULT_VARIABLE result
  ERROR_VARIABLE said)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "sox could not make ${OUTPUT}:\n${said}")
endif()
if(NOT said STREQUAL "")
  if(STRICT)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "sox made ${OUTPUT} with a warning:\n${said}")
  endif()
  message(WARNING "sox made ${OUTPUT} with a warning:\n${said}")
endif()
