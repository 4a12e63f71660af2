list(APPEND CERT_CORE_SOURCES
    shell/Actiune.cpp
    shell/CEVersionInfo.cpp
    shell/Exceptie.cpp
    shell/Mesaje.cpp
    shell/OprireLaSemnal.cpp
    shell/Pozitionare.cpp
)
list(APPEND CERT_UI_SOURCES
    shell/MesajeDialog.cpp
    shell/UCertificatAcordareMain.cpp
    shell/UErrCodePage.cpp
    shell/UPornireAplicatie.cpp
    shell/USplashForm.cpp
)
list(APPEND CERT_RUNTIME_PICTURES shell/imagini/splash.gif)
