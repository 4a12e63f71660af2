list(APPEND CERT_UI_SOURCES
    forms/UEditorTextFormular.cpp
)
