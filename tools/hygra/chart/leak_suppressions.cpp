// For builds with AddressSanitizer: fontconfig, which librsvg reaches through
// pango to find the chart's fonts, keeps its configuration and font cache for
// the life of the process and frees them only on an explicit FcFini(), which
// pango's font map forbids while it lives. LeakSanitizer is told to pass over
// that library's blocks; every other leak is still reported.
#if defined(__SANITIZE_ADDRESS__)
#define HYGRA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HYGRA_ASAN 1
#endif
#endif

#ifdef HYGRA_ASAN
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
