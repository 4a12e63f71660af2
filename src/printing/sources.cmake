list(APPEND CERT_CORE_SOURCES
    printing/DispozitivImprimanta.cpp
)
