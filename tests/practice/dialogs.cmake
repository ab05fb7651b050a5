# The practice dialogs, driven as the user drives them.
vokabit_add_test(tst_DirectionDlg SOURCES tst_DirectionDlg.cpp
  LIBS vokabit_practice_dialogs vokabit_controls vokabit_settings vokabit_lang vokabit_help
       vokabit_test_widgets)
add_dependencies(tst_DirectionDlg vokabit_data)

vokabit_add_test(tst_ResultsDlg SOURCES tst_ResultsDlg.cpp
  LIBS vokabit_practice_dialogs vokabit_practice vokabit_wordlist vokabit_controls
       vokabit_settings vokabit_lang vokabit_help vokabit_test_widgets)
add_dependencies(tst_ResultsDlg vokabit_data)
