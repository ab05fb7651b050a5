# cmake -DPROGRAM=path -P CheckNoAudioLibraries.cmake
# Fails when the program needs Qt Multimedia or an audio library at load time,
# directly or through another library: sound belongs to the sound module.
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${PROGRAM}
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved)
set(found "")
foreach(library IN LISTS resolved unresolved)
  get_filename_component(name ${library} NAME)
  if(name MATCHES "^lib(Qt6Multimedia|pulse|asound|gst|sndfile)")
    list(APPEND found ${name})
  endif()
endforeach()
list(LENGTH resolved count)
if(count LESS 10)
  message(FATAL_ERROR "only ${count} libraries found for ${PROGRAM}: the check cannot see them")
endif()
if(found)
  message(FATAL_ERROR "${PROGRAM} loads audio libraries at start: ${found}")
endif()
message(STATUS "${PROGRAM}: ${count} libraries, none for audio")
