list(APPEND CERT_CORE_SOURCES
    candidates/FormatareTiparire.cpp
)
list(APPEND CERT_UI_SOURCES
    candidates/FormatareNota.cpp
    candidates/UDialogElev.cpp
    candidates/UListaElevi.cpp
    candidates/UUmplereFormular.cpp
)
