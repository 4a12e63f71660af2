list(APPEND CERT_CORE_SOURCES
    controls/LargeFontScaler.cpp
    controls/QenGridDesen.cpp
    controls/QenValoareDate.cpp
)
list(APPEND CERT_UI_SOURCES
    controls/QenGrids.cpp
    controls/QenVirtualGrid.cpp
    controls/UQenVGridEditorForm.cpp
)
