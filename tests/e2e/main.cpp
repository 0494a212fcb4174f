// kv_e2e_tests keyvane.exe [gtest options]: drives the real program from
// outside.
#include <gtest/gtest.h>

#include <cstdio>

#include "keyvane_instance.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kv_e2e_tests <path of keyvane.exe> [gtest options]\n");
        return 2;
    }
    kv::e2e::SetKeyvanePath(argv[1]);
    return RUN_ALL_TESTS();
}
