add_library(vokabit_print_dialogs STATIC
  PrintFormatDlg.h PrintFormatDlg.cpp
  PrintSample.h PrintSample.cpp
  QtPrinter.h QtPrinter.cpp
  PrintDialogTexts.h)
target_include_directories(vokabit_print_dialogs PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vokabit_print_dialogs
  PUBLIC Qt6::Widgets Qt6::PrintSupport vokabit_print vokabit_platform
  PRIVATE vokabit_options vokabit_controls vokabit_lang vokabit_settings vokabit_setting_values vokabit_wordlist
          vokabit_help)
