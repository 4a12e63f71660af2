list(APPEND CERT_UI_SOURCES
    records/UAdaugaElev.cpp
    records/UDialogInregistrare.cpp
    records/UEditeaza.cpp
    records/UListaGenerica.cpp
)
