list(APPEND TESTE_UI
    records/test_ConfigurareDiploma.cpp
    records/test_Inregistrari.cpp
)
