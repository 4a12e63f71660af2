# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    settings/test_StocareSetari.cpp
    settings/test_UQenQuickRegStuff.cpp
)
list(APPEND TESTE_UI
    settings/test_BazaDeDate.cpp
    settings/test_UEditorConfigGlobal.cpp
)
