# The spoken letters, one set per language the spelling game says letters in:
# each recording is made at build time by espeak-ng in that language's voice and
# embedded as ":/<LANGUAGE>/<name>.wav". A name that is not a letter or a digit
# is kept as "U+" and its code ("U+0027" is the apostrophe), as the game looks
# it up; "EXCLAMACION", "INTERROGACION", "NN", "C_", "OE", "A2", "B2", "O2" and
# "U2" are the names of the characters that are said under another name.
set(letterbee_alphabet A B C D E F G H I J K L M N O P Q R S T U V W X Y Z)
set(letterbee_digits 0 1 2 3 4 5 6 7 8 9)

set(letterbee_voice_ENGLISH en)
set(letterbee_said_ENGLISH ${letterbee_alphabet}
  "U+0027=apostrophe" "U+002C=comma" "U+002E=full stop" "U+002D=hyphen"
  "EXCLAMACION=exclamation mark" "INTERROGACION=question mark")

set(letterbee_voice_FRENCH fr)
set(letterbee_said_FRENCH ${letterbee_alphabet} ${letterbee_digits}
  "U+0027=apostrophe" "U+002C=virgule" "U+002E=point" "U+002D=tiret" "U+003A=deux-points"
  "U+003B=point-virgule" "C_=c cédille" "OE=o e collés"
  "EXCLAMACION=point d'exclamation" "INTERROGACION=point d'interrogation")

set(letterbee_voice_GERMAN de)
set(letterbee_said_GERMAN ${letterbee_alphabet} ${letterbee_digits}
  "U+0026=und" "U+0027=Apostroph" "U+002C=Komma" "U+002E=Punkt" "U+002D=Bindestrich"
  "U+003A=Doppelpunkt" "U+003B=Semikolon" "A2=Ä" "B2=Eszett" "O2=Ö" "U2=Ü"
  "EXCLAMACION=Ausrufezeichen" "INTERROGACION=Fragezeichen")

set(letterbee_voice_SPANISH es)
set(letterbee_said_SPANISH ${letterbee_alphabet}
  "U+0027=apóstrofo" "U+002C=coma" "U+002E=punto" "NN=eñe" "Y=ye"
  "EXCLAMACION=signo de exclamación" "INTERROGACION=signo de interrogación")

# dvl_embed_spoken_letters(<target>): records every set and compiles it into target.
function(dvl_embed_spoken_letters target)
  set(files "")
  foreach(language ENGLISH FRENCH GERMAN SPANISH)
    set(folder "${CMAKE_CURRENT_BINARY_DIR}/letters/${language}")
    # A later entry for the same name (Spanish "Y") replaces the plain letter.
    set(names "")
    foreach(entry IN LISTS letterbee_said_${language})
      string(FIND "${entry}" "=" split)
      if(split EQUAL -1)
        set(name "${entry}")
        set(text "${entry}")
      else()
        string(SUBSTRING "${entry}" 0 ${split} name)
        math(EXPR after "${split} + 1")
        string(SUBSTRING "${entry}" ${after} -1 text)
      endif()
      if(NOT name IN_LIST names)
        list(APPEND names "${name}")
      endif()
      set(text_${name} "${text}")
    endforeach()
    foreach(name IN LISTS names)
      set(wave "${folder}/${name}.wav")
      add_custom_command(
        OUTPUT "${wave}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
        COMMAND ${CMAKE_COMMAND} "-DVOICE=${letterbee_voice_${language}}" "-DTEXT=${text_${name}}"
                "-DOUTPUT=${wave}" -P "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/SpeakLetter.cmake"
        DEPENDS "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/SpeakLetter.cmake"
        COMMENT "Saying the letter ${name} (${language})"
        VERBATIM)
      set_source_files_properties("${wave}" PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS "${language}/${name}.wav")
      list(APPEND files "${wave}")
    endforeach()
  endforeach()
  qt_add_resources(${target} ${target}_letters PREFIX "/" FILES ${files})
endfunction()
