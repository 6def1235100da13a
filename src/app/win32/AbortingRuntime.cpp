// The C++ runtime's failure paths, ended at once instead of thrown. The program is built without
// exceptions, so these are only reached on a failure that can't be reported anyway (memory
// exhausted, a length past the largest string). The runtime's own versions throw, and throwing
// links the exception classes, the old string they carry and the unwinder: most of the program
// file. Linked into the program itself, so that the runtime's are not used.
#include <cstddef>
#include <cstdlib>

// The default handler names the pending exception's type and so pulls in the name demangler.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// Every function of the runtime's functexcept.o, so that none of it is linked.
namespace std {
void __throw_bad_exception() { std::abort(); }
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_cast() { std::abort(); }
void __throw_bad_typeid() { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_domain_error(const char*) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_runtime_error(const char*) { std::abort(); }
void __throw_range_error(const char*) { std::abort(); }
void __throw_overflow_error(const char*) { std::abort(); }
void __throw_underflow_error(const char*) { std::abort(); }
}  // namespace std

// The runtime's operator new throws std::bad_alloc when memory runs out.
void* operator new(std::size_t size) {
  if (void* block = std::malloc(size ? size : 1)) return block;
  std::abort();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
