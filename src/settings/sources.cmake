list(APPEND CERT_CORE_SOURCES
    settings/InfoGlobal2005.cpp
    settings/SetariBazaDeDate.cpp
    settings/StocareSetari.cpp
    settings/UQenQuickRegStuff.cpp
)
list(APPEND CERT_UI_SOURCES
    settings/UBazaDeDate.cpp
    settings/UEditorConfigGlobal.cpp
)
