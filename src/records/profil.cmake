list(APPEND CERT_UI_SOURCES
    records/UConfigurareDiploma.cpp
    records/UModificaLinieProfil.cpp
)
