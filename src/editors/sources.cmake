list(APPEND CERT_CORE_SOURCES
    editors/NotaText.cpp
    editors/UTextNumeric.cpp
    editors/UUtilitare.cpp
)
list(APPEND CERT_UI_SOURCES
    editors/UEditorCampCalificativ.cpp
    editors/UEditorCampCF.cpp
    editors/UEditorCampCNP.cpp
    editors/UEditorCampNota.cpp
    editors/UEditorCampSimplu.cpp
    editors/UEditorCampSirues.cpp
    editors/UEditorCampText.cpp
    editors/UEditorGeneric.cpp
    editors/UEditorGenericComplex.cpp
    editors/UEditorGenericNotaSauCalificativ.cpp
    editors/UFrmGrup.cpp
    editors/UQenEditors.cpp
)
