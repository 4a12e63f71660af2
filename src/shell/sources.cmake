list(APPEND CERT_CORE_SOURCES
    shell/CEVersionInfo.cpp
)
list(APPEND CERT_UI_SOURCES
    shell/UCertificatAcordareMain.cpp
    shell/UErrCodePage.cpp
    shell/UPornireAplicatie.cpp
    shell/URestaurareBaza.cpp
    shell/USplashForm.cpp
)
list(APPEND CERT_RUNTIME_PICTURES shell/imagini/splash.gif)
