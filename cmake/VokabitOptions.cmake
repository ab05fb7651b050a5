# Common compile settings that every target links.
add_library(vokabit_options INTERFACE)
# Headers of another folder are included by their folder ("wordlist/WordList.h"),
# so that every include says which layer it comes from.
target_include_directories(vokabit_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
target_compile_options(vokabit_options INTERFACE -Wall -Wextra)
target_compile_definitions(vokabit_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_KEYWORDS
  # Bounds-checked standard containers: an index fault aborts instead of reading past the end.
  _GLIBCXX_ASSERTIONS)
