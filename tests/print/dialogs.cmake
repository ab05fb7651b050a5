# The print format dialog, driven as the user drives it.
vokabit_add_test(tst_PrintFormatDlg SOURCES tst_PrintFormatDlg.cpp
  LIBS vokabit_print_dialogs vokabit_test_print vokabit_test_widgets vokabit_lang
       vokabit_settings vokabit_help Qt6::Widgets)
add_dependencies(tst_PrintFormatDlg vokabit_data)
