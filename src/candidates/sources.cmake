list(APPEND CERT_CORE_SOURCES
    candidates/FormatareTiparire.cpp
)
