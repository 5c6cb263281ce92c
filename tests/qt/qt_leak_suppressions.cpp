// Under LeakSanitizer: the font configuration library that Qt loads keeps
// caches it never frees; they are not ours to fix.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
