# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    controls/test_QenGridDesen.cpp
    controls/test_QenValoareDate.cpp
)
list(APPEND TESTE_UI
    controls/test_QenVGridEditare.cpp
    controls/test_QenVirtualGrid.cpp
)
