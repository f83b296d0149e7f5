#include "app/Startup.h"
#include "framework/gui/Runtime.h"

int main(int argc, char** argv)
{
    fw::RuntimeInit(argc, argv);
    karvelio::InitializeModules();
    karvelio::Main();
    karvelio::FinalizeModules();
    return fw::RuntimeExit();
}
