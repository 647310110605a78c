# The edition is fixed when the suite is built; every code builds the same programs.
set(DVL_PROGRAM_CODES dvlspa dvlfre dvlger dvlita dvleng dvlfra dvlale dvlito)
list(JOIN DVL_PROGRAM_CODES ", " dvl_program_code_list)
set(DVL_PROGRAM_CODE "dvlfre" CACHE STRING "Edition code of this build (one of: ${dvl_program_code_list})")
set_property(CACHE DVL_PROGRAM_CODE PROPERTY STRINGS ${DVL_PROGRAM_CODES})
if(NOT DVL_PROGRAM_CODE IN_LIST DVL_PROGRAM_CODES)
  message(FATAL_ERROR
    "DVL_PROGRAM_CODE is \"${DVL_PROGRAM_CODE}\", which is not an edition code. "
    "Use one of: ${dvl_program_code_list}.")
endif()

# The edition's interface language names the caption column and, through it, the
# subjects and custom-subjects folders of the program folder.
set(DVL_SPANISH_INTERFACE_CODES dvleng dvlfra dvlale dvlito)
if(DVL_PROGRAM_CODE IN_LIST DVL_SPANISH_INTERFACE_CODES)
  set(DVL_INTERFACE_LANGUAGE Spanish)
else()
  set(DVL_INTERFACE_LANGUAGE English)
endif()
