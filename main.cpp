#include <cstdio>

int main() {
    std::puts("Ketterline: the game model is built; the Board window is not there yet.");
    return 0;
}
