# The edition is fixed when the suite is built; every code builds the same programs.
set(DVL_PROGRAM_CODES dvlspa dvlfre dvlger dvlita dvleng dvlfra dvlale dvlito)
set(DVL_PROGRAM_CODE "dvlfre" CACHE STRING "Edition code of this build (one of: ${DVL_PROGRAM_CODES})")
set_property(CACHE DVL_PROGRAM_CODE PROPERTY STRINGS ${DVL_PROGRAM_CODES})
if(NOT DVL_PROGRAM_CODE IN_LIST DVL_PROGRAM_CODES)
  message(FATAL_ERROR
    "DVL_PROGRAM_CODE is \"${DVL_PROGRAM_CODE}\", which is not an edition code. "
    "Use one of: ${DVL_PROGRAM_CODES}.")
endif()
