#include "app/headless.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    // With arguments the program runs one task headless and opens no window.
    if (isHeadlessCall(argc, argv)) return headlessMain(argc, argv);
    return fensterStarten(argc, argv);
}
