#include <gtest/gtest.h>
#include <objbase.h>

// The window tests run on one apartment-threaded thread, as the program does,
// so that the shell's file dialog can be created.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = RUN_ALL_TESTS();
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return result;
}
