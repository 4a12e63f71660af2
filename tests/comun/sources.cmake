# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    comun/test_Comun.cpp
)
