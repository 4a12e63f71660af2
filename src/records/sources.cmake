list(APPEND CERT_UI_SOURCES
    records/UAdaugaElev.cpp
    records/UConfigurareDiploma.cpp
    records/UDialogInregistrare.cpp
    records/UEditeaza.cpp
    records/UListaGenerica.cpp
    records/UModificaLinieProfil.cpp
)
