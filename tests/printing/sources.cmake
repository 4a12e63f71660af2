# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    printing/test_AllStuffReg.cpp
    printing/test_DispozitivImprimanta.cpp
    printing/test_LogicaPrintWiz.cpp
    printing/test_LucrareTiparire.cpp
)
list(APPEND TESTE_UI
    printing/test_DispozitivProgram.cpp
    printing/test_InsertPaper.cpp
    printing/test_PrintWiz.cpp
    printing/test_TiparireCertificat.cpp
)
