// The sanitizers' settings, built into every fuzz target so that its test, scripts/fuzz.sh and a run by
// hand all stop at the first report and pass over the same system-library leaks (the variables
// ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS still add to them).

extern "C" const char* __asan_default_options()
{
    return "halt_on_error=1:detect_leaks=1";
}

extern "C" const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

extern "C" const char* __lsan_default_options()
{
    return "suppressions=" VINTORA_LSAN_SUPPRESSIONS ":print_suppressions=0";
}
