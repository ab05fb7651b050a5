# Import and list properties: what they do to a list (core), and their dialogs.
add_library(vokabit_wordlist_edit STATIC
  WordImport.h WordImport.cpp
  ListProperties.h ListProperties.cpp
  WordListDialogTexts.h)
target_include_directories(vokabit_wordlist_edit PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vokabit_wordlist_edit
  PUBLIC Qt6::Core vokabit_wordlist
  PRIVATE vokabit_options vokabit_lang)

add_library(vokabit_wordlist_dialogs STATIC
  ImportDlg.h ImportDlg.cpp
  CsvPreviewDlg.h CsvPreviewDlg.cpp
  ListPropertiesDlg.h ListPropertiesDlg.cpp)
target_include_directories(vokabit_wordlist_dialogs PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vokabit_wordlist_dialogs
  PUBLIC Qt6::Widgets vokabit_wordlist vokabit_wordlist_edit vokabit_platform
  PRIVATE vokabit_options vokabit_controls vokabit_lang vokabit_settings vokabit_help)
