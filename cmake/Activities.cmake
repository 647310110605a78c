# dvl_add_activity(<program>
#   WINDOW_CLASS <namespace::class>      the main window, declared in window/<class>.h
#   RULES <files...>                     in rules/ (plain C++ and Qt Core)
#   RULES_LIBRARIES <targets...>         what the rules link besides dvl_random and Qt Core
#   RULES_TESTS <files...>               in rules/tests/
#   WINDOW <files...>                    in window/
#   WINDOW_LIBRARIES <targets...>        what the window links besides the framework
#   WINDOW_TESTS <files...>              in tests/
#   PICTURES <files...>                  SVG sources in resources/<program>/
#   LAST_CAPTION <row>                   the last caption row the program reads
#   SOUND <NAME> <sox arguments...>      one per effect sound, embedded as NAME.wav
#   ...)
#
# Makes, for one activity program:
#   dvl_<program>_rules      the rules library
#   dvl_<program>            the window library with the sounds and pictures embedded
#   <program>                the executable in Activities/ (the one shared main()),
#                            and its install rule
#   <program>_rules_tests    the rules tests
#   <program>_window_tests   the window tests (they read the shipped content)
#   <program>_program_tests  the kit's tests every program has: its shipped
#                            configuration store, a store short of its last caption
#                            row refused, its window opening on a 1024 x 768 desktop,
#                            and the real executable ended by SIGTERM
# See activities/README.md.
function(dvl_add_activity program)
  set(keywords WINDOW_CLASS RULES RULES_LIBRARIES RULES_TESTS WINDOW WINDOW_LIBRARIES WINDOW_TESTS PICTURES
               LAST_CAPTION SOUND)
  set(section "")
  set(sounds "")
  foreach(argument IN LISTS ARGN)
    if(argument IN_LIST keywords)
      set(section ${argument})
      set(sound_name "")
    elseif(section STREQUAL "SOUND")
      if(sound_name STREQUAL "")
        set(sound_name ${argument})
        list(APPEND sounds ${sound_name})
        set(sound_${sound_name} "")
      else()
        list(APPEND sound_${sound_name} "${argument}")
      endif()
    elseif(section STREQUAL "")
      message(FATAL_ERROR "dvl_add_activity(${program}): '${argument}' comes before any keyword")
    else()
      list(APPEND arg_${section} "${argument}")
    endif()
  endforeach()
  foreach(required WINDOW_CLASS RULES WINDOW LAST_CAPTION)
    if(NOT arg_${required})
      message(FATAL_ERROR "dvl_add_activity(${program}): ${required} is missing")
    endif()
  endforeach()

  set(here "${CMAKE_CURRENT_SOURCE_DIR}")
  file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${here}")
  list(TRANSFORM arg_RULES PREPEND "rules/")
  list(TRANSFORM arg_RULES_TESTS PREPEND "rules/tests/")
  list(TRANSFORM arg_WINDOW PREPEND "window/")
  list(TRANSFORM arg_WINDOW_TESTS PREPEND "tests/")
  list(TRANSFORM arg_PICTURES PREPEND "${PROJECT_SOURCE_DIR}/resources/${program}/")
  string(REGEX REPLACE "^.*::" "" window_file "${arg_WINDOW_CLASS}")

  # The rules.
  set(rules dvl_${program}_rules)
  add_library(${rules} STATIC ${arg_RULES})
  target_include_directories(${rules} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${rules} PUBLIC dvl_random Qt6::Core ${arg_RULES_LIBRARIES})

  # The window, with its sounds and pictures.
  set(window dvl_${program})
  add_library(${window} STATIC ${arg_WINDOW})
  target_include_directories(${window} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${window} PUBLIC ${rules} dvl_activitystartup dvl_activitywindows dvl_shared
                        dvl_platform Qt6::Widgets ${arg_WINDOW_LIBRARIES})
  set(wave_files "")
  foreach(sound IN LISTS sounds)
    set(wave "${CMAKE_CURRENT_BINARY_DIR}/sounds/${sound}.wav")
    dvl_make_sound("${wave}" ${sound_${sound}})
    list(APPEND wave_files "${wave}")
  endforeach()
  if(wave_files OR arg_PICTURES)
    dvl_embed(${window} ${program}_resources WAVE ${wave_files} PICTURE ${arg_PICTURES})
  endif()

  # The program: the one shared main() around the window class, and the
  # registration of the last caption row it reads (start-up refuses a
  # configuration store short of it). Its tests register the same row.
  set(program_definitions
    DVL_ACTIVITY_PROGRAM="${program}"
    DVL_ACTIVITY_WINDOW_HEADER="${folder}/window/${window_file}.h"
    DVL_ACTIVITY_WINDOW_CLASS=${arg_WINDOW_CLASS}
    DVL_ACTIVITY_LAST_CAPTION=${arg_LAST_CAPTION})
  set(last_caption_source "${PROJECT_SOURCE_DIR}/activities/framework/program/LastCaptionRegistration.cpp")
  add_executable(${program} "${PROJECT_SOURCE_DIR}/activities/framework/program/main.cpp" "${last_caption_source}")
  target_link_libraries(${program} PRIVATE ${window})
  target_compile_definitions(${program} PRIVATE ${program_definitions})
  set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${DVL_ACTIVITIES_DIR}")
  install(TARGETS ${program} RUNTIME DESTINATION Lessondesk/Activities)

  # Its tests.
  if(arg_RULES_TESTS)
    dvl_add_gtest(${program}_rules_tests SOURCES ${arg_RULES_TESTS} LIBRARIES ${rules})
  endif()
  if(arg_WINDOW_TESTS)
    dvl_add_gtest(${program}_window_tests SOURCES ${arg_WINDOW_TESTS} "${last_caption_source}"
                  LIBRARIES ${window} dvl_activitytestkit)
    target_compile_definitions(${program}_window_tests PRIVATE DVL_ACTIVITY_LAST_CAPTION=${arg_LAST_CAPTION})
    add_dependencies(${program}_window_tests dvl_content)
  endif()
  dvl_add_gtest(${program}_program_tests
    SOURCES "${PROJECT_SOURCE_DIR}/activities/framework/testkit/ProgramTests.cpp" "${last_caption_source}"
    LIBRARIES ${window} dvl_activitytestkit
    PREFIX "${program}."
    SCREEN "${PROJECT_SOURCE_DIR}/tests/support/desktop-1024x768.json")
  target_compile_definitions(${program}_program_tests PRIVATE ${program_definitions}
    DVL_ACTIVITY_EXECUTABLE="$<TARGET_FILE:${program}>")
  add_dependencies(${program}_program_tests ${program} dvl_content)
endfunction()
