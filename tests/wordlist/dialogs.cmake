# Import and list properties: the dialogs and what they do to a list.
foreach(t tst_ImportDlg tst_ListPropertiesDlg tst_CsvPreviewDlg)
  vokabit_add_test(${t} SOURCES ${t}.cpp
    LIBS vokabit_wordlist_dialogs vokabit_wordlist vokabit_controls vokabit_lang
         vokabit_test_widgets Qt6::Widgets)
  add_dependencies(${t} vokabit_data)
endforeach()
