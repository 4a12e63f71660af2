# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    shell/test_CEVersionInfo.cpp
    shell/test_Program.cpp
    shell/test_ProgramRezistenta.cpp
)
list(APPEND TESTE_UI
    shell/test_Pornire.cpp
    shell/test_RestaurareBaza.cpp
)
