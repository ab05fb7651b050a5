# The practice dialogs: the choice of direction and the results of a run.
add_library(vokabit_practice_dialogs STATIC
  DirectionDlg.h DirectionDlg.cpp
  ResultsDlg.h ResultsDlg.cpp
  PracticeDialogTexts.h)
target_include_directories(vokabit_practice_dialogs PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vokabit_practice_dialogs
  PUBLIC Qt6::Widgets vokabit_practice vokabit_controls vokabit_platform
  PRIVATE vokabit_options vokabit_wordlist vokabit_lang vokabit_settings
          vokabit_help)  # vokabit_help for the help topic numbers
