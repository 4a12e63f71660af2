list(APPEND CERT_CORE_SOURCES
    forms/DocumentCertificatAcordare.cpp
    forms/DocumentFormular.cpp
    forms/FontFormular.cpp
    forms/MasuriFormular.cpp
    forms/ParticularizareTextArea.cpp
    forms/VerificareLizibilitate.cpp
)
list(APPEND CERT_UI_SOURCES
    forms/FormularDePrintat.cpp
    forms/QFormularTextArea.cpp
    forms/TemplateForm.cpp
    forms/UEditorTextFormular.cpp
    forms/UPrintCertificatAcordare.cpp
)
list(APPEND CERT_RUNTIME_PICTURES forms/imagini/CertificatAcordare.jpg)
