#pragma once

// In a build with the sanitizers, the options every executable of ours runs
// with, whoever starts it (CTest, a test running the program, a developer):
// memory errors and undefined behaviour stop it with a stack trace. The leak
// check stays off: GCC 12's LeakSanitizer walks the thread-local data the
// database engine leaves behind when it is unloaded and now and then crashes
// at exit on it, failing a run that passed. Include once, in the file with main.
#if defined(__SANITIZE_ADDRESS__)
#define CERT_CU_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CERT_CU_SANITIZER 1
#endif
#endif
#ifdef CERT_CU_SANITIZER
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0:abort_on_error=0";
}
extern "C" const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
#endif
