list(APPEND CERT_UI_SOURCES
    forms/TemplateForm.cpp
)
list(APPEND CERT_RUNTIME_PICTURES forms/imagini/CertificatAcordare.jpg)
list(APPEND CERT_UI_SOURCES
    forms/UPrintCertificatAcordare.cpp
)
