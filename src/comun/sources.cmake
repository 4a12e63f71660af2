# Ground helpers under every other folder: exceptions, messages, the action
# runner, stop signals, window placement.
list(APPEND CERT_CORE_SOURCES
    comun/Actiune.cpp
    comun/Ceas.cpp
    comun/CopiereFisier.cpp
    comun/Exceptie.cpp
    comun/Mesaje.cpp
    comun/OprireLaSemnal.cpp
    comun/Pozitionare.cpp
)
list(APPEND CERT_UI_SOURCES
    comun/CentrareFereastra.cpp
    comun/MesajeDialog.cpp
)
