// A program that crashes on purpose, writing to address 0: the test of it holds that a crash under Wine
// ends the run at once with a failing status, rather than waiting in a debugger.
#include <cstdint>

int main(int argc, char**) {
    // From the argument count (1), so that the compiler cannot see the null pointer and drop the write.
    int* nowhere = reinterpret_cast<int*>(static_cast<uintptr_t>(argc - 1));
    *nowhere = 1;
    return 0;
}
