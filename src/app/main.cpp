#include "app/editor_main.h"

int main(int argc, char **argv)
{
    return vesk4::runEditor(argc, argv);
}
