# The search and special character dialogs, and the word search.
vokabit_add_test(tst_SearchDlg SOURCES tst_SearchDlg.cpp
  LIBS vokabit_mainwnd_dialogs vokabit_search vokabit_wordlist vokabit_controls vokabit_lang
       vokabit_test_widgets Qt6::Widgets)
vokabit_add_test(tst_SpecialCharDlg SOURCES tst_SpecialCharDlg.cpp
  LIBS vokabit_mainwnd_dialogs vokabit_controls vokabit_lang vokabit_test_widgets Qt6::Widgets)
foreach(t tst_SearchDlg tst_SpecialCharDlg)
  add_dependencies(${t} vokabit_data)
endforeach()
