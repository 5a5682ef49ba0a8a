// Linked into the release program only, which is built without exception
// support: the program itself never throws or catches, and a failure to get
// memory ends it. These replace the standard library's throwing helpers and
// its verbose terminate handler, so that the exception, string and symbol
// demangling machinery they would pull in stays out of the executable.
#include <cstdlib>

namespace std {
void __throw_length_error(const char*) {
    abort();
}
void __throw_logic_error(const char*) {
    abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}
void __throw_bad_alloc() {
    abort();
}
void __throw_bad_array_new_length() {
    abort();
}
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
