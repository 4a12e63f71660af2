list(APPEND CERT_CORE_SOURCES
    candidates/FormatareNota.cpp
    candidates/FormatareTiparire.cpp
    candidates/UmplereDocument.cpp
)
list(APPEND CERT_UI_SOURCES
    candidates/UDialogElev.cpp
    candidates/UListaElevi.cpp
    candidates/UUmplereFormular.cpp
)
