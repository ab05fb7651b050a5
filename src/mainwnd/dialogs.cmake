# The word search (core) and the dialogs of word editing: search and special
# characters.
add_library(vokabit_search STATIC SearchLogic.h SearchLogic.cpp)
target_include_directories(vokabit_search PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vokabit_search PUBLIC vokabit_wordlist PRIVATE vokabit_options)

add_library(vokabit_mainwnd_dialogs STATIC
  SearchDlg.h SearchDlg.cpp
  SpecialCharDlg.h SpecialCharDlg.cpp
  DialogTexts.h)
target_include_directories(vokabit_mainwnd_dialogs PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vokabit_mainwnd_dialogs
  PUBLIC Qt6::Widgets vokabit_search vokabit_platform
  PRIVATE vokabit_options vokabit_controls vokabit_lang vokabit_settings vokabit_help)
