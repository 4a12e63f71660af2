# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    candidates/test_FormatareTiparire.cpp
    candidates/test_UmplereDocument.cpp
)
list(APPEND TESTE_UI
    candidates/test_FormatareNota.cpp
    candidates/test_ListaElevi.cpp
    candidates/test_UmplereFormular.cpp
)
