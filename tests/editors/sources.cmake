# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    editors/test_NotaText.cpp
)
list(APPEND TESTE_UI
    editors/test_EditorCampCNP.cpp
    editors/test_EditorGeneric.cpp
    editors/test_EditorGenericComplex.cpp
    editors/test_EditorNota.cpp
    editors/test_QenNumEdit.cpp
)
