# Import and list properties: the dialogs and what they do to a list.
vokabit_add_test(tst_ImportDlg SOURCES tst_ImportDlg.cpp
  LIBS vokabit_wordlist_dialogs vokabit_wordlist vokabit_controls vokabit_lang vokabit_test_support
       Qt6::Widgets)
vokabit_add_test(tst_ListPropertiesDlg SOURCES tst_ListPropertiesDlg.cpp
  LIBS vokabit_wordlist_dialogs vokabit_wordlist vokabit_lang vokabit_test_support Qt6::Widgets)
foreach(t tst_ImportDlg tst_ListPropertiesDlg)
  add_dependencies(${t} vokabit_data)
endforeach()
