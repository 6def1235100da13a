// The program is built without exceptions, so the runtime's terminate handler is only reached on
// a failure that can't be reported anyway (memory exhausted). The default one names the pending
// exception's type and so pulls in the C++ name demangler, a fifth of the program file; this one
// ends the process at once. Linked into the program itself, so that the runtime's is not used.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
