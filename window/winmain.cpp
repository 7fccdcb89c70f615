// The program's entry: everything happens in run_program.
#include "startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return run_program(instance);
}
