# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    forms/test_DocumentFormular.cpp
    forms/test_FontFormular.cpp
    forms/test_MasuriFormular.cpp
    forms/test_ParticularizareTextArea.cpp
    forms/test_VerificareLizibilitate.cpp
)
list(APPEND TESTE_UI
    forms/test_EditorTextFormular.cpp
    forms/test_FormularDePrintat.cpp
    forms/test_PrintCertificatAcordare.cpp
)
