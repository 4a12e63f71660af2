list(APPEND CERT_UI_SOURCES
    candidates/UDialogElev.cpp
    candidates/UListaElevi.cpp
    candidates/UUmplereFormular.cpp
)
