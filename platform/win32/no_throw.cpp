// The programs are built without exceptions, but libstdc++'s prebuilt
// helpers throw, and linking them drags in the whole exception machinery and
// its verbose terminate handler. These definitions take their place: a
// failure that would throw ends the program, as an uncaught exception would.

#include <windows.h>

#include <cstdlib>
#include <new>

[[noreturn]] static void failed() { ExitProcess(3); }

namespace std {

void __throw_bad_alloc() { failed(); }
void __throw_bad_array_new_length() { failed(); }
void __throw_length_error(const char*) { failed(); }
void __throw_logic_error(const char*) { failed(); }
void __throw_out_of_range(const char*) { failed(); }
void __throw_out_of_range_fmt(const char*, ...) { failed(); }
void __throw_invalid_argument(const char*) { failed(); }

}  // namespace std

void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    failed();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
