# cmake -DVOICE=<espeak voice> -DTEXT=<what to say> -DOUTPUT=<wav> -P SpeakLetter.cmake
# Speaks one letter's name with espeak-ng (through its standard output, so it
# never sees the long build path), then trims the silence at both ends and
# brings the peak to a moderate level with sox.
find_program(ESPEAK espeak-ng REQUIRED)
find_program(SOX sox REQUIRED)
set(raw "${OUTPUT}.raw.wav")
execute_process(COMMAND "${ESPEAK}" -b 1 -s 140 -v "${VOICE}" --stdout "${TEXT}"
                OUTPUT_FILE "${raw}" RESULT_VARIABLE spoken)
if(NOT spoken EQUAL 0)
  message(FATAL_ERROR "espeak-ng could not say '${TEXT}' (${VOICE}): ${spoken}")
endif()
execute_process(COMMAND "${SOX}" -D "${raw}" -r 22050 -b 16 -c 1 "${OUTPUT}"
                        silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse pad 0.05 0.08 norm -4
                RESULT_VARIABLE trimmed)
file(REMOVE "${raw}")
if(NOT trimmed EQUAL 0)
  message(FATAL_ERROR "sox could not trim the recording of '${TEXT}': ${trimmed}")
endif()
