#include "app/Start.h"

int main() {
    return Programma();
}
