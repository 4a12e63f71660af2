list(APPEND CERT_CORE_SOURCES
    editors/UEditorCampNota.cpp
)
