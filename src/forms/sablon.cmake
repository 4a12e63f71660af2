list(APPEND CERT_UI_SOURCES
    forms/TemplateForm.cpp
)
